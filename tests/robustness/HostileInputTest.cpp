// Hostile texts typed into every field, on every page and in the drawing window,
// each followed by every command the user can reach, questions answered both ways.
#include "KnownMessages.h"
#include "RobustnessFixture.h"
#include "platform/ErrorBoundary.h"

#include <QHash>
#include <iostream>
#include <map>
#include <set>

namespace {

QString Digits(int count, char digit) { return QString(count, QChar(digit)); }

// Valid whole numbers stay small here on purpose: the triangle area counts the
// lattice points of its bounding box one by one, so a coordinate near an end of
// the 32-bit range means billions of points, a long computation by design rather
// than a fault of how text is handled.
const std::vector<QString>& HostileTexts()
{
    static const std::vector<QString> texts = {
        "",
        " ",
        "+",
        "-",
        ",",
        ".",
        "-,",
        "0x",
        Digits(5000, '9'),
        "1e308",
        "-1e308",
        "1E4932",
        "2147483648",
        "$FFFFFFFF",
        "1001",
        u"\u0661\u0662\u0663"_qs,  // Arabic-Indic digits
        u"\u0663\u066B\u0665"_qs,  // with the Arabic decimal separator
        u"\u0967\u0968\u0969"_qs,  // Devanagari digits
        "1\t2",
        "7\n8",
        "\x01",
        "\x7f",
        QString(QChar(0)) + "5",  // a NUL, as a pasted text may carry one
        u"\u200F12"_qs,  // right-to-left mark in front
        u"-5\u200F"_qs,  // and behind
        "INF",
    };
    return texts;
}

// The sanitizer build runs every command many times slower: there each command
// that reads typed text follows half of the fields (by turns, and still every
// hostile text at least once).
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSampleReaders = true;
#else
constexpr bool kSampleReaders = false;
#endif

}  // namespace

TEST_F(RobustnessTest, HostileTextsInEveryFieldBeforeEveryCommand)
{
    Watchdog watchdog(std::chrono::seconds(120));
    watchdog.Step("learning which fields each command writes");
    runner.LearnOutputs();

    const std::vector<QString>& hostile = HostileTexts();
    std::map<QString, std::set<size_t>> ranWith;  // command -> hostile texts it followed
    std::set<QString> everAvailable;
    std::set<QString> required;  // reachable in a program just started
    for (size_t hi = 0; hi < hostile.size(); ++hi) {
        const QString& h = hostile[hi];
        Fresh();
        for (const UserCommand& command : runner.Commands)
            if (command.Available()) required.insert(command.Name);
        const QHash<QString, QString> start = FieldTexts();
        QStringList fieldNames;
        for (QWidget* f : TypableFields()) fieldNames << FieldName(f);
        std::set<QString> gesturesDone;

        for (qsizetype fi = 0; fi < fieldNames.size(); ++fi) {
            // The field may have become read-only (the reset does that to the
            // vertex count); a program just started offers it again.
            if (!FindField(fieldNames[fi]) || !CanType(FindField(fieldNames[fi]))) Fresh();
            for (QWidget* f : TypableFields()) TypeInto(f, start.value(FieldName(f)));
            QWidget* field = FindField(fieldNames[fi]);
            ASSERT_TRUE(field && CanType(field)) << fieldNames[fi].toStdString();
            TypeInto(field, h);

            // Questions answered Yes with every box ticked, No with none, by turns.
            const bool yes = (hi + fi) % 2 == 0;
            SetAllCheckBoxes(yes);
            const platform::TAnswer answer = yes ? platform::TAnswer::Yes : platform::TAnswer::No;
            const QString context = QString("text %1 \"%2\" in %3").arg(hi).arg(h.left(20), fieldNames[fi]);

            for (size_t ci = 0; ci < runner.Commands.size(); ++ci) {
                const UserCommand& command = runner.Commands[ci];
                // Commands that read no typed text: once per text, and then by turns.
                const bool reader = !command.Gesture && runner.ReadsTypedText(command);
                if (!reader && gesturesDone.count(command.Name) && ci % fieldNames.size() != size_t(fi)) continue;
                if (reader && kSampleReaders && ranWith[command.Name].count(hi) && (hi + fi + ci) % 2) continue;
                watchdog.Step(context + " | " + command.Name);
                if (!runner.Run(command, answer, context)) continue;
                everAvailable.insert(command.Name);
                ranWith[command.Name].insert(hi);
                if (!reader) gesturesDone.insert(command.Name);
            }
            if (HasFatalFailure()) return;
        }
    }

    // Every command the user could reach followed every hostile text.
    required.insert(everAvailable.begin(), everAvailable.end());
    for (const QString& name : required)
        EXPECT_EQ(ranWith[name].size(), hostile.size()) << name.toStdString();
    std::map<QString, int> kinds;
    for (const ShownDialog& d : dialogs.Shown) ++kinds[d.Kind];
    std::cout << runner.Executed << " runs of " << everAvailable.size() << " commands;";
    for (const auto& [kind, count] : kinds) std::cout << ' ' << count << ' ' << kind.toStdString();
    std::cout << std::endl;
}

TEST(KnownMessages, JudgeTheBoxesByTheTable)
{
    const QString title = platform::ApplicationTitle();
    const std::vector<QString> fields = {"1,5", "abc"};
    struct Case {
        ShownDialog Shown;
        bool Known;
    };
    const Case cases[] = {
        {{"error", title, "'1,5' is not a valid integer value."}, true},
        {{"error", title, "'abc' is not a valid floating point value."}, true},
        // A conversion error must quote a text that some field holds.
        {{"error", title, "'xyz' is not a valid integer value."}, false},
        {{"error", title, "'1,5' is not a valid integer value"}, false},
        {{"error", title, "Floating point overflow."}, true},
        {{"error", "Other", "Floating point overflow."}, false},
        {{"error", title, "JPEG error #53."}, true},
        {{"error", title, "JPEG error #x."}, false},
        {{"error", title, "Unknown picture file extension (.txt)"}, true},
        {{"error", title, "Cannot open file \"/tmp/a.bmp\". No such file or directory."}, true},
        {{"error", title, "Segmentation fault."}, false},
        {{"message", "Помилка", "Не правильно введені координати"}, true},
        {{"message", "Помилка", "Кількість вершин має бути від 0 до 1000, а введено -1"}, true},
        {{"message", "Помилка", "Щось інше"}, false},
        {{"question", "Перевірка", "Многокутник:  не задано вершин  Виконувати?"}, true},
        {{"question", "Перевірка", "Многокутник: неопуклий  перетин сторін  Виконувати?"}, true},
        {{"question", "Перевірка", "Многокутник:  перетин сторін неопуклий  Виконувати?"}, false},
        {{"open", {}, "save"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Shown.Text.toStdString());
        EXPECT_EQ(UnknownDialogReason(c.Shown, fields).isEmpty(), c.Known);
    }
}
