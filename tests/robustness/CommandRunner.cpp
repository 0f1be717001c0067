#include "drawing/Drawing.h"
#include "CommandRunner.h"

#include "KnownMessages.h"
#include "appearance/Form3.h"
#include "appearance/Form4.h"
#include "working/FormWorking.h"
#include "drawing/Form2.h"
#include "platform/Image.h"
#include "shell/Form1.h"
#include "shell/TaskFile.h"
#include "shell/VertexStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

Watchdog::Watchdog(std::chrono::seconds limit) : limit_(limit), since_(std::chrono::steady_clock::now())
{
    thread_ = std::thread([this] {
        while (!stop_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            std::lock_guard<std::mutex> lock(mutex_);
            if (std::chrono::steady_clock::now() - since_ > limit_) {
                std::fprintf(stderr, "Hang: no progress for %lld s in: %s\n", static_cast<long long>(limit_.count()),
                             current_.c_str());
                std::abort();
            }
        }
    });
}

Watchdog::~Watchdog()
{
    stop_ = true;
    thread_.join();
}

void Watchdog::Step(const QString& description)
{
    std::lock_guard<std::mutex> lock(mutex_);
    current_ = description.left(300).toStdString();
    since_ = std::chrono::steady_clock::now();
}

QHash<QString, QString> FieldTexts()
{
    QHash<QString, QString> texts;
    for (QWidget* f : AllFields()) texts.insert(FieldName(f), FieldText(f));
    return texts;
}

namespace {

bool Finite(double v) { return std::isfinite(v); }

void ShowSecondaryWindows()
{
    Form2->show();
    Form3->show();
    Form4->show();
    FormWorking->show();
}

}  // namespace

CommandRunner::CommandRunner(TurnDialogs& dialogs) : dialogs_(dialogs)
{
    PrepareFiles();
    dialogs_.NextFile = [this](bool save) { return NextFile(save); };
}

void CommandRunner::PrepareFiles()
{
    // Pictures to open: sound ones, damaged ones, one of an unknown kind and one
    // that is not there.
    const QString dir = files_.path() + "/";
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::green);
    picture.save(dir + "good.bmp", "BMP");
    picture.save(dir + "good.jpg", "JPG");
    static const char kJunk[] = "BM\x10\x00\x00\x00garbage that is no picture";
    const QByteArray junk(kJunk, sizeof kJunk - 1);
    for (const char* name : {"damaged.bmp", "damaged.jpg", "notes.txt"}) {
        QFile file(dir + name);
        if (file.open(QIODevice::WriteOnly)) file.write(junk);
    }
    QFile cut(dir + "cut.jpg");
    QFile whole(dir + "good.jpg");
    if (whole.open(QIODevice::ReadOnly) && cut.open(QIODevice::WriteOnly)) cut.write(whole.readAll().left(200));
    // Tasks to open: a sound one, one cut short, and whatever the save commands
    // wrote last (hostile texts included).
    TTask task;
    task.VertexCount = 4;
    task.Vertices = {{1, 1}, {-2, 3}, {5, -1e300}, {0.1, 7}};
    task.PolygonList = {"1      1"};
    const QByteArray taskData = TaskFileData(task);
    QFile goodTask(dir + "good.ortalis");
    if (goodTask.open(QIODevice::WriteOnly)) goodTask.write(taskData);
    QFile cutTask(dir + "cut.ortalis");
    if (cutTask.open(QIODevice::WriteOnly)) cutTask.write(taskData.left(taskData.size() / 2));
    openChoices_ = {"",           "good.bmp",    "good.jpg",    "missing.bmp",  "notes.txt",     "damaged.bmp",
                    "damaged.jpg", "cut.jpg",    "good.ortalis", "cut.ortalis", "saved.ortalis"};
}

std::optional<platform::TFileChoice> CommandRunner::NextFile(bool save)
{
    const int turn = fileTurn_++;
    if (save) {
        // Cancel, the two kinds, and a folder that is not there.
        switch (turn % 4) {
        case 0: return std::nullopt;
        case 1: return platform::TFileChoice{files_.path() + "/saved", 1};
        case 2: return platform::TFileChoice{files_.path() + "/saved", 2};
        default: return platform::TFileChoice{files_.path() + "/no such folder/saved", 1};
        }
    }
    const QString name = openChoices_[turn % openChoices_.size()];
    if (name.isEmpty()) return std::nullopt;
    return platform::TFileChoice{files_.path() + "/" + name, 1};
}

void CommandRunner::Rebuild()
{
    Commands = AllCommands();
    hidden_ = HiddenControlNames();
}

void CommandRunner::LearnOutputs()
{
    outputs_.clear();
    resetOutputs_.clear();
    auto baseline = [](const QString& marker) {
        Form1->Button3->click();  // the entry tabs' reset
        for (QWidget* f : AllFields()) TypeInto(f, marker);
        const double square[][2] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
        for (int i = 0; i < 4; ++i) Vertices[i + 1] = {square[i][0], square[i][1]};
        VertexCount = 4;
        EntryCursor = 0;
        // Every command starts on an empty picture, whatever an earlier one loaded.
        Form2->Image1->Picture().Clear();
        ShowSecondaryWindows();
    };
    for (const QString marker : {"7", "6"}) {
        baseline(marker);
        const QHash<QString, QString> before = FieldTexts();
        Form1->Button3->click();
        const QHash<QString, QString> after = FieldTexts();
        for (auto it = before.begin(); it != before.end(); ++it)
            if (after.value(it.key()) != it.value()) resetOutputs_.insert(it.key());

        for (const UserCommand& command : Commands) {
            for (platform::TAnswer answer : {platform::TAnswer::Yes, platform::TAnswer::No}) {
                baseline(marker);
                if (!command.Available()) continue;
                const QHash<QString, QString> was = FieldTexts();
                dialogs_.Answers.assign(8, answer);
                command.Run();
                dialogs_.Answers.clear();
                const QHash<QString, QString> now = FieldTexts();
                for (auto it = was.begin(); it != was.end(); ++it)
                    if (now.value(it.key()) != it.value()) outputs_[command.Name].insert(it.key());
            }
        }
    }

    // Which commands read typed text: with no number anywhere, they refuse.
    readers_.clear();
    for (const UserCommand& command : Commands) {
        baseline("x");
        SetAllCheckBoxes(true);
        if (!command.Available()) continue;
        const size_t first = dialogs_.Shown.size();
        dialogs_.Answers.assign(8, platform::TAnswer::Yes);
        command.Run();
        dialogs_.Answers.clear();
        for (size_t i = first; i < dialogs_.Shown.size(); ++i)
            if (IsConversionError(dialogs_.Shown[i]) || dialogs_.Shown[i].Kind == "message") readers_.insert(command.Name);
    }
    SetAllCheckBoxes(false);
    dialogs_.Shown.clear();
}

bool CommandRunner::Run(const UserCommand& command, platform::TAnswer answer, const QString& context)
{
    if (!command.Available()) return false;
    const QHash<QString, QString> before = FieldTexts();
    const size_t firstDialog = dialogs_.Shown.size();
    dialogs_.Answers.assign(8, answer);
    if (colourTurn_++ % 2) dialogs_.Colors.assign(1, QColor(0, 128, 255));
    dialogs_.Prints.clear();  // printing would hand a file to the system's print service

    command.Run();
    // What the event loop does between two clicks: repaints, layouts, deferred deletes.
    QCoreApplication::processEvents();

    dialogs_.Answers.clear();
    dialogs_.Colors.clear();
    ++Executed;
    Check(command, firstDialog, before, answer, context + " | " + command.Name);
    return true;
}

void CommandRunner::Check(const UserCommand& command, size_t firstDialog, const QHash<QString, QString>& before,
                          platform::TAnswer answer, const QString& context)
{
    const QHash<QString, QString> after = FieldTexts();
    const std::vector<QString> texts(after.begin(), after.end());

    // Every box is one of the program's own; an error ends the command, so there is
    // at most one and nothing follows it.
    bool askedAndRefused = false;
    int errors = 0;
    for (size_t i = firstDialog; i < dialogs_.Shown.size(); ++i) {
        const ShownDialog& shown = dialogs_.Shown[i];
        const QString reason = UnknownDialogReason(shown, texts);
        if (!reason.isEmpty()) ADD_FAILURE() << context.toStdString() << ": " << reason.toStdString();
        if (shown.Kind == "question" && answer == platform::TAnswer::No) askedAndRefused = true;
        if (shown.Kind == "error") {
            ++errors;
            if (i + 1 != dialogs_.Shown.size())
                ADD_FAILURE() << context.toStdString() << ": a box after the error " << shown.Text.toStdString();
        }
    }
    if (errors > 1) ADD_FAILURE() << context.toStdString() << ": " << errors << " error boxes";

    // The store holds what it can hold.
    if (VertexCount < 0 || VertexCount > MaxVertices)
        ADD_FAILURE() << context.toStdString() << ": VertexCount " << VertexCount;
    if (EntryCursor < 0 || EntryCursor > MaxVertices)
        ADD_FAILURE() << context.toStdString() << ": EntryCursor " << EntryCursor;
    // Faults are raised where they happen, so no infinity or NaN is ever stored.
    for (size_t i = 1; i < Vertices.size(); ++i) {
        if (!Finite(Vertices[i].X) || !Finite(Vertices[i].Y)) {
            ADD_FAILURE() << context.toStdString() << ": vertex " << i << " is (" << Vertices[i].X << ", "
                          << Vertices[i].Y << ")";
            break;
        }
    }
    if (!Finite(Form2->Drawing->Window.XMin) || !Finite(Form2->Drawing->Window.XMax) || !Finite(Form2->Drawing->Window.YMin) || !Finite(Form2->Drawing->Window.YMax) ||
        !Finite(CircumRadius))
        ADD_FAILURE() << context.toStdString() << ": world window " << Form2->Drawing->Window.XMin << ".." << Form2->Drawing->Window.XMax;

    // Only the command's own results change (and what a reset clears when the
    // user gives up a faulty figure); typed texts stay as typed.
    const QSet<QString>& outputs = outputs_[command.Name];
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (after.value(it.key()) == it.value()) continue;
        if (outputs.contains(it.key()) || (askedAndRefused && resetOutputs_.contains(it.key()))) continue;
        ADD_FAILURE() << context.toStdString() << ": " << it.key().toStdString() << " changed from \""
                      << it.value().left(80).toStdString() << "\" to \"" << after.value(it.key()).left(80).toStdString()
                      << "\"";
    }

    // Hidden items stay hidden; the picture keeps a size the construction can use.
    const QStringList shown = ShownAmong(hidden_);
    if (!shown.isEmpty()) ADD_FAILURE() << context.toStdString() << ": shown " << shown.join(", ").toStdString();
    if (Form2->Image1->width() < 1 || Form2->Image1->height() < 1)
        ADD_FAILURE() << context.toStdString() << ": picture " << Form2->Image1->width() << "x"
                      << Form2->Image1->height();
}
