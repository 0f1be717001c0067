#pragma once
// A dialog host for unit tests: records every dialog and answers from a script.
#include "QtPrinters.h"
#include "platform/Dialogs.h"

#include <deque>
#include <vector>

struct ShownDialog {
    QString Kind;  // "error", "message", "question", "color", "save", "open", "print"
    QString Caption;
    QString Text;
};

class ScriptedDialogs : public platform::DialogHost {
public:
    ScriptedDialogs() { platform::SetDialogHost(this); }
    ~ScriptedDialogs() override { platform::SetDialogHost(nullptr); }

    std::vector<ShownDialog> Shown;
    std::deque<platform::Answer> Answers;                       // for Question; Yes when empty
    std::deque<std::optional<QColor>> Colors;                   // for ChooseColor; cancel when empty
    std::deque<std::optional<platform::FileChoice>> Files;      // for SaveFile/OpenFile; cancel when empty
    std::deque<bool> Prints;                                    // for Print; cancel when empty
    QColor LastColorInitial;

    void ErrorBox(QWidget*, const QString& caption, const QString& text) override
    {
        Shown.push_back({"error", caption, text});
    }
    void MessageBox(QWidget*, const QString& caption, const QString& text) override
    {
        Shown.push_back({"message", caption, text});
    }
    platform::Answer Question(QWidget*, const QString& caption, const QString& text) override
    {
        Shown.push_back({"question", caption, text});
        return Pop(Answers, platform::Answer::Yes);
    }
    std::optional<QColor> ChooseColor(QWidget*, const QColor& initial) override
    {
        Shown.push_back({"color", {}, {}});
        LastColorInitial = initial;
        return Pop(Colors, std::optional<QColor>{});
    }
    std::optional<platform::FileChoice> SaveFile(QWidget*, const QString&, int, const QString& dir) override
    {
        Shown.push_back({"save", {}, dir});
        return Pop(Files, std::optional<platform::FileChoice>{});
    }
    std::optional<platform::FileChoice> OpenFile(QWidget*, const QString&, int, const QString& dir) override
    {
        Shown.push_back({"open", {}, dir});
        return Pop(Files, std::optional<platform::FileChoice>{});
    }
    bool Print(QWidget*) override
    {
        Shown.push_back({"print", {}, {}});
        return Pop(Prints, false);
    }

private:
    template <class T>
    static T Pop(std::deque<T>& queue, T fallback)
    {
        if (queue.empty()) return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};
