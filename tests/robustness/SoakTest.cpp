// Thousands of random commands with random typed texts, and the heap no larger
// at the end than after the warm-up.
#include "RobustnessFixture.h"
#include "drawing/Form2.h"
#include "platform/Image.h"
#include "working/FormWorking.h"

#include <QCoreApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QPixmapCache>
#include <QPushButton>
#include <algorithm>
#include <iostream>
#include <malloc.h>
#include <random>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer's allocator interface (g++ ships no header for it).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

// Bytes the program holds on the heap now.
size_t HeapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizer has its own allocator; mallinfo knows nothing of it.
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

// The full count in the normal build; the sanitizer build runs each command ten
// times slower or more, so it takes a tenth of them, still past the warm-up.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kCommands = 1000;
#else
constexpr int kCommands = 10000;
#endif
constexpr int kCheckpoints = 10;

QString RandomText(std::mt19937& rng)
{
    static const QStringList odd = {"", " ", "-", ",", "1e308", "-1e308", "1E4932", "2147483648", "$FFFFFFFF",
                                    "1001", QString(300, '9'), u"\u0661\u0662"_qs, "1\t2", u"\u200F7"_qs, "abc"};
    switch (std::uniform_int_distribution<int>(0, 3)(rng)) {
    case 0: return odd[std::uniform_int_distribution<qsizetype>(0, odd.size() - 1)(rng)];
    case 1: return QString::number(std::uniform_int_distribution<int>(-50, 50)(rng));
    case 2: return QString::number(std::uniform_int_distribution<int>(3, 12)(rng));
    default: {
        const int tenths = std::uniform_int_distribution<int>(-500, 500)(rng);
        return QString::number(tenths / 10) + "," + QString::number(std::abs(tenths % 10));
    }
    }
}

// Puts back what legitimately grows with use and would hide a leak: the lists
// (the reset empties them), a picture resized or replaced by a loaded file, the
// clipboard, which holds the last picture copied (up to 64 MiB for the largest),
// Qt's pixmap cache, which fills up to its limit (10 MiB) with the style's
// gradients for every palette the skins bring, and the working window, which
// keeps the newest hundreds of sections (some megabytes, more or less with the
// commands that wrote them).
void Settle()
{
    FormWorking->WorkingClearClick();
    QPixmapCache::clear();
    QGuiApplication::clipboard()->clear();
    Form1->Button3->click();
    Form2->Image1->setGeometry(96, 8, 500, 500);
    Form2->Image1->Picture().Clear();
    Form2->Button1Click();
    QCoreApplication::processEvents();
}

// A click in the skin chooser's list. Qt's Fusion style keeps some hundreds of
// bytes more for every palette change while a tool button with an arrow is on
// screen (a plain Qt program with one such button and QApplication::setPalette
// in a loop grows alike; all of it is freed at exit, so the leak checker is
// silent), and the spinners' arrows are such buttons. That growth is Qt's, so
// the soak leaves skins alone; the hostile-input test still switches them.
bool SwitchesSkin(const UserCommand& command) { return command.Name.startsWith("Form3/FileListBox1"); }

}  // namespace

TEST_F(RobustnessTest, RandomCommandsLeaveTheHeapFlat)
{
    Watchdog watchdog(std::chrono::seconds(120));
    watchdog.Step("learning which fields each command writes");
    runner.LearnOutputs();

    std::mt19937 rng(20261210);
    const int perCheckpoint = kCommands / kCheckpoints;
    std::vector<size_t> heap;
    for (int i = 1; i <= kCommands; ++i) {
        if (std::uniform_int_distribution<int>(0, 2)(rng) == 0) {
            const std::vector<QWidget*> fields = TypableFields();
            if (!fields.empty())
                TypeInto(fields[std::uniform_int_distribution<size_t>(0, fields.size() - 1)(rng)], RandomText(rng));
        }
        if (std::uniform_int_distribution<int>(0, 19)(rng) == 0) SetAllCheckBoxes(rng() % 2);
        std::vector<const UserCommand*> available;
        for (const UserCommand& c : runner.Commands)
            if (c.Available() && !SwitchesSkin(c)) available.push_back(&c);
        const UserCommand& command = *available[std::uniform_int_distribution<size_t>(0, available.size() - 1)(rng)];
        const platform::TAnswer answer = rng() % 2 ? platform::TAnswer::Yes : platform::TAnswer::No;
        watchdog.Step(QString("command %1: %2").arg(i).arg(command.Name));
        runner.Run(command, answer, QString("command %1").arg(i));
        dialogs.Shown.clear();
        if (HasFailure()) return;

        if (i % perCheckpoint == 0) {
            Settle();
            dialogs.Shown.clear();
            heap.push_back(HeapInUse());
        }
    }

    // The first checkpoints warm Qt's caches (glyphs, style sheets, skins); after
    // them the heap must not climb with the commands. A leak of even 100 bytes a
    // command would add up to a steady climb of the later checkpoints.
    const size_t warm = *std::min_element(heap.begin() + 2, heap.begin() + 5);
    const size_t late = *std::min_element(heap.end() - 3, heap.end());
    std::cout << runner.Executed << " commands run; heap at the checkpoints (KiB):";
    for (size_t h : heap) std::cout << ' ' << h / 1024;
    std::cout << std::endl;
    EXPECT_LT(late, warm + 512 * 1024) << "the heap grew from " << warm << " to " << late << " bytes";
}
