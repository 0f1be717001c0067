#pragma once
// Runs the user's commands one at a time, answers the dialogs they open, and
// checks after each what holds whatever the command and whatever was typed.
#include "ScriptedDialogs.h"
#include "UserReach.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>

// Aborts the test program, naming the step, when one step takes far longer than
// any command should: a hang must fail the test, not stall CI.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit);
    ~Watchdog();
    void Step(const QString& description);

private:
    std::chrono::seconds limit_;
    std::mutex mutex_;
    std::string current_;
    std::chrono::steady_clock::time_point since_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// Scripted dialogs whose file dialogs take turns: cancelled, or answered with a
// name in a folder of the test's own.
class TurnDialogs : public ScriptedDialogs {
public:
    std::function<std::optional<platform::TFileChoice>(bool save)> NextFile;
    std::optional<platform::TFileChoice> SaveFile(QWidget* owner, const QString& filter, int index,
                                                 const QString& dir, const TargetName& target) override
    {
        Files.assign(1, NextFile(true));
        return ScriptedDialogs::SaveFile(owner, filter, index, dir, target);
    }
    std::optional<platform::TFileChoice> OpenFile(QWidget* owner, const QString& filter, int index,
                                                 const QString& dir) override
    {
        Files.assign(1, NextFile(false));
        return ScriptedDialogs::OpenFile(owner, filter, index, dir);
    }
};

class CommandRunner {
public:
    explicit CommandRunner(TurnDialogs& dialogs);

    // After the windows have been (re)built: finds the commands and the hidden controls.
    void Rebuild();
    // Which fields each command may change, found by running every command on a
    // sound figure with every field holding a plain number; once per test program.
    void LearnOutputs();

    // Whether the command refused a text when every field held one that is no
    // number (learnt with the outputs, every check box ticked).
    bool ReadsTypedText(const UserCommand& command) const { return readers_.contains(command.Name); }

    // Runs the command if the user can reach it now; false when not. Questions are
    // answered with `answer`; file, colour dialogs by turns cancelled or answered.
    // Every broken rule is reported as a test failure naming `context`.
    bool Run(const UserCommand& command, platform::TAnswer answer, const QString& context);

    std::vector<UserCommand> Commands;
    int Executed = 0;

private:
    void Check(const UserCommand& command, size_t firstDialog, const QHash<QString, QString>& before,
               platform::TAnswer answer, const QString& context);
    void PrepareFiles();
    std::optional<platform::TFileChoice> NextFile(bool save);

    TurnDialogs& dialogs_;
    QStringList hidden_;
    QHash<QString, QSet<QString>> outputs_;  // command name -> field names it writes
    QSet<QString> resetOutputs_;
    QSet<QString> readers_;
    QTemporaryDir files_;
    QStringList openChoices_;
    int fileTurn_ = 0;
    int colourTurn_ = 0;
};

QHash<QString, QString> FieldTexts();
