#pragma once
// A multi-line text box seen as a list of lines, with line append and clear.
#include <QPlainTextEdit>
#include <QStringList>

namespace platform {

class TMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TMemo(QWidget* parent = nullptr);

    void Add(const QString& line);
    // The lines appended in one edit of the box: the same lines as one Add
    // each, laid out once instead of once per line.
    void AddLines(const QStringList& lines);
    void Clear();
    // The list replaced whole, in one step: as fast for a thousand lines as for one.
    void SetLines(const QStringList& lines);
    const QStringList& Lines() const { return lines_; }

private:
    void SyncFromText();

    QStringList lines_;
    bool updating_ = false;
};

// Lines for a box, gathered while a command computes them and appended in one
// edit when it is done, or when it stops with an error: the lines computed
// before the error are in the box then, as if each had been added at once.
class TMemoLines {
public:
    explicit TMemoLines(TMemo& memo) : memo_(memo) {}
    TMemoLines(const TMemoLines&) = delete;
    TMemoLines& operator=(const TMemoLines&) = delete;
    ~TMemoLines() { Flush(); }

    void Add(const QString& line) { pending_ << line; }
    // Appends what has been gathered so far.
    void Flush();

private:
    TMemo& memo_;
    QStringList pending_;
};

}  // namespace platform
