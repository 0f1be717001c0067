#pragma once
// The "Хід розв'язання" window: the working of every command that computed a
// result, a section each, oldest first. Sections are added also while the window
// is closed, so opening it shows what was done. Not modal; closing only hides it,
// so it keeps its place and size.
#include "working/WorkingSection.h"

#include <QWidget>

#include <functional>
#include <map>
#include <vector>

class QPushButton;
class QTextBrowser;
class QUrl;

class TFormWorking : public QWidget {
    Q_OBJECT
public:
    explicit TFormWorking(QWidget* parent = nullptr);

    QTextBrowser* WorkingText = nullptr;
    QPushButton* WorkingCopy = nullptr;   // "Копіювати"
    QPushButton* WorkingClear = nullptr;  // "Очистити"

    // The newest sections kept: a lesson's worth and more. Past it the oldest go,
    // so a program left running all day does not grow without end. They go a
    // hundred at a time: the view lays out everything after a change, so taking
    // text off the top costs as much for one section as for a hundred.
    static constexpr size_t kKeptSections = 300;
    static constexpr size_t kDroppedAtOnce = 100;

    // Adds the section at the end and scrolls to it; past kKeptSections +
    // kDroppedAtOnce drops the oldest kDroppedAtOnce.
    void Append(const TWorkingSection& section);
    // The sections shown, oldest first.
    const std::vector<TWorkingSection>& Sections() const { return sections_; }

    // The text written anew from the sections, in the colours of the skin now on
    // (links take theirs when they are written).
    void Rewrite();

    // The window on screen, in front, at the newest section.
    void ShowInFront();
    // The whole text to the clipboard, as plain text and as HTML.
    void WorkingCopyClick();
    // Empties the view.
    void WorkingClearClick();
    // A link of a section: "ortalis-lattice:<id>" shows that section's lattice points.
    void WorkingTextAnchorClick(const QUrl& link);

    // What shows a triangle's lattice points on the drawing; the triangle folder
    // sets it.
    std::function<void(const TLatticeTriangle&)> ShowLattice;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The section's text at the end of the view; where it starts.
    int Write(const TWorkingSection& section, int id);
    void DropOldest(size_t count);
    void ScrollToNewest();

    std::vector<TWorkingSection> sections_;
    // The sections' ids by position: ids keep counting after a clear, so a link
    // of a cleared section can never reach a new one.
    std::vector<int> ids_;
    int nextId_ = 1;
    // Where each section starts in the text, by position.
    std::vector<int> starts_;
};

// Created with the other windows; lives until exit.
extern TFormWorking* FormWorking;

// Adds the section to the working window, when there is one.
void AppendWorking(const TWorkingSection& section);

// RecordWorking (below) for a command that often has nothing to tell, as the
// figure check run by every construction: the section is added when `keep` holds
// once the steps are done, and always after a fault.
template <class F>
void RecordWorkingIf(TWorkingSection& section, const bool& keep, F&& steps)
{
    try {
        std::forward<F>(steps)();
    } catch (const platform::Error& e) {
        section.Failure = FailureInWords(e.Message());
        AppendWorking(section);
        throw;
    }
    if (keep) AppendWorking(section);
}

// Runs the command's steps and adds the section whatever happens: a fault on the
// way still shows what was reached, with its cause in plain words, before the
// error goes on to the error boundary unchanged.
template <class F>
void RecordWorking(TWorkingSection& section, F&& steps)
{
    RecordWorkingIf(section, true, std::forward<F>(steps));
}
