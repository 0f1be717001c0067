#pragma once
// A dialog host for unit tests: records every dialog and answers from a script.
#include "QtPrinters.h"
#include "platform/Dialogs.h"

#include <QPrinter>
#include <deque>
#include <utility>
#include <vector>

struct ShownDialog {
    QString Kind;  // "error", "message", "question", "color", "save", "open", "print"
    QString Caption;  // file dialogs: the filter and the filter index
    QString Text;
};

class ScriptedDialogs : public platform::TDialogHost {
public:
    ScriptedDialogs() { platform::SetDialogHost(this); }
    ~ScriptedDialogs() override { platform::SetDialogHost(nullptr); }

    std::vector<ShownDialog> Shown;
    std::deque<platform::TAnswer> Answers;                       // for Question; Yes when empty
    std::deque<std::optional<QColor>> Colors;                   // for ChooseColor; cancel when empty
    std::deque<std::optional<platform::TFileChoice>> Files;      // for SaveFile/OpenFile; cancel when empty
    std::deque<bool> Prints;                                    // for Print; cancel when empty
    QString PrintToPdf;  // when set, an accepted print dialog chooses a PDF file of this name
    platform::TDialogHost::TargetName LastSaveTarget;            // what the save dialog would ask about
    QColor LastColorInitial;

    void ErrorBox(QWidget*, const QString& caption, const QString& text) override
    {
        Shown.push_back({"error", caption, text});
    }
    void MessageBox(QWidget*, const QString& caption, const QString& text) override
    {
        Shown.push_back({"message", caption, text});
    }
    platform::TAnswer Question(QWidget*, const QString& caption, const QString& text) override
    {
        Shown.push_back({"question", caption, text});
        return Pop(Answers, platform::TAnswer::Yes);
    }
    std::optional<QColor> ChooseColor(QWidget*, const QColor& initial) override
    {
        Shown.push_back({"color", {}, {}});
        LastColorInitial = initial;
        return Pop(Colors, std::optional<QColor>{});
    }
    std::optional<platform::TFileChoice> SaveFile(QWidget*, const QString& filter, int index, const QString& dir,
                                                 const TargetName& target) override
    {
        Shown.push_back({"save", QString("%1 %2").arg(filter).arg(index), dir});
        LastSaveTarget = target;
        return Pop(Files, std::optional<platform::TFileChoice>{});
    }
    std::optional<platform::TFileChoice> OpenFile(QWidget*, const QString& filter, int index,
                                                 const QString& dir) override
    {
        Shown.push_back({"open", QString("%1 %2").arg(filter).arg(index), dir});
        return Pop(Files, std::optional<platform::TFileChoice>{});
    }
    bool Print(QWidget*, QPrinter& printer) override
    {
        Shown.push_back({"print", {}, {}});
        const bool accepted = Pop(Prints, false);
        if (accepted && !PrintToPdf.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(PrintToPdf);
        }
        return accepted;
    }

private:
    // g++ 12 reports a moved-from std::optional<TFileChoice> as maybe uninitialized here; it is not.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
    template <class T>
    static T Pop(std::deque<T>& queue, T fallback)
    {
        if (queue.empty()) return fallback;
        T value = std::move(queue.front());
        queue.pop_front();
        return value;
    }
#pragma GCC diagnostic pop
};
