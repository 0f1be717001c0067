// Task files: what a save writes comes back whole on opening, bad files are
// refused with their reason and change nothing, and the ways in (menu, keys,
// command line, drop, examples) reach the same open.
#include "drawing/Drawing.h"
#include "FormsFixture.h"
#include "drawing/Form2.h"
#include "platform/Errors.h"
#include "platform/Image.h"
#include "platform/Memo.h"
#include "platform/Picture.h"
#include "platform/UpDown.h"
#include "shell/TaskCommands.h"
#include "shell/TaskFile.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace {

void WriteFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
}

bool SameStore(const std::array<TVertex, MaxVertices + 3>& a)
{
    return std::memcmp(a.data(), Vertices.data(), sizeof(TVertex) * a.size()) == 0;
}

// Doubles from random bit patterns, so every exponent and the odd values
// (negative zero, subnormals, the largest finite) turn up; never infinite or NaN.
std::vector<TVertex> RandomVertices(size_t n, uint64_t seed)
{
    std::mt19937_64 random(seed);
    const auto next = [&random] {
        for (;;) {
            const uint64_t bits = random();
            double value;
            std::memcpy(&value, &bits, sizeof value);
            if (std::isfinite(value)) return value;
        }
    };
    std::vector<TVertex> vertices(n);
    for (TVertex& v : vertices) v = {next(), next()};
    vertices[0] = {-0.0, std::numeric_limits<double>::denorm_min()};
    vertices[1] = {std::numeric_limits<double>::max(), 0.1};
    return vertices;
}

}  // namespace

class TaskFileTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        ASSERT_TRUE(folder.isValid());
    }

    QString Path(const QString& name) const { return folder.filePath(name); }

    // Saves through the menu command, the dialog answered with that name.
    void Save(const QString& chosen)
    {
        dialogs.Files.push_back(platform::TFileChoice{chosen, 1});
        Form1->NSaveTaskClick();
    }

    // The windows built afresh, as in a new run of the program.
    void Restart()
    {
        DestroyForms();
        ResetVertexStore();
        CreateForms();
        dialogs.Shown.clear();
    }

    QTemporaryDir folder;
};

TEST_F(TaskFileTest, EveryFieldListFlagAndVertexComesBackAsSaved)
{
    TForm1& f = *Form1;
    TForm2& d = *Form2;
    struct Text { QLineEdit* edit; QString text; };
    const std::vector<Text> texts = {
        {f.Edit1, "-7"}, {f.Edit2, "$1F"}, {f.Edit3, " 12"}, {f.Edit4, "x"}, {f.Edit5, ""}, {f.Edit6, "3,5"},
        {f.Edit11, "-2"}, {f.Edit12, "\"в лапках\" \\ і"}, {f.Edit7, "17"}, {f.Edit8, "1,25"}, {f.Edit9, "  "},
        {f.Edit19, "12"}, {f.Edit20, "2,5e1"}, {f.Edit22, "-45"}, {d.Edit3, "-3,5"}, {d.Edit4, "1e3"},
    };
    for (const Text& t : texts) t.edit->setText(t.text);
    const QStringList list1{"1      2", "", "-0,5      ∞ й ї"};
    const QStringList list2{"4  5"};
    const QStringList list3{"", "\t табуляція"};
    f.Memo1->SetLines(list1);
    f.Memo2->SetLines(list2);
    f.Memo3->SetLines(list3);
    f.Edit7->setReadOnly(true);
    f.UpDown1->setEnabled(false);
    f.Button1->setEnabled(false);
    f.Button2->setEnabled(false);
    f.CheckBox1->setChecked(true);
    d.CheckBox1->setChecked(true);
    d.CheckBox2->setChecked(false);
    d.CheckBox3->setChecked(true);
    d.UpDown1->SetPosition(7);
    Form2->Drawing->FigurePenWidth = 7;
    Form2->Drawing->FigurePenColor = 0x123456;
    f.PageControl1->setCurrentIndex(1);
    const std::vector<TVertex> random = RandomVertices(MaxVertices, 18);
    std::copy(random.begin(), random.end(), Vertices.begin() + 1);
    VertexCount = 640;
    EntryCursor = 3;
    const auto store = Vertices;

    Save(Path("task"));
    ASSERT_TRUE(QFile::exists(Path("task.ortalis")));
    Restart();
    TForm1& g = *Form1;
    TForm2& e = *Form2;
    dialogs.Files.push_back(platform::TFileChoice{Path("task.ortalis"), 1});
    g.NOpenTaskClick();

    EXPECT_TRUE(dialogs.Shown.size() == 1 && dialogs.Shown[0].Kind == "open");
    const std::vector<Text> reopened = {
        {g.Edit1, "-7"}, {g.Edit2, "$1F"}, {g.Edit3, " 12"}, {g.Edit4, "x"}, {g.Edit5, ""}, {g.Edit6, "3,5"},
        {g.Edit11, "-2"}, {g.Edit12, "\"в лапках\" \\ і"}, {g.Edit7, "17"}, {g.Edit8, "1,25"}, {g.Edit9, "  "},
        {g.Edit19, "12"}, {g.Edit20, "2,5e1"}, {g.Edit22, "-45"}, {e.Edit3, "-3,5"}, {e.Edit4, "1e3"},
    };
    for (const Text& t : reopened) {
        SCOPED_TRACE(t.edit->objectName().toStdString());
        EXPECT_EQ(t.edit->text(), t.text);
    }
    EXPECT_EQ(g.Memo1->Lines(), list1);
    EXPECT_EQ(g.Memo2->Lines(), list2);
    EXPECT_EQ(g.Memo3->Lines(), list3);
    EXPECT_TRUE(g.Edit7->isReadOnly());
    EXPECT_FALSE(g.UpDown1->isEnabled());
    EXPECT_FALSE(g.Button1->isEnabled());
    EXPECT_FALSE(g.Button2->isEnabled());
    EXPECT_TRUE(g.CheckBox1->isChecked());
    EXPECT_FALSE(g.CheckBox2->isChecked());
    EXPECT_TRUE(e.CheckBox1->isChecked());
    EXPECT_FALSE(e.CheckBox2->isChecked());
    EXPECT_TRUE(e.CheckBox3->isChecked());
    EXPECT_EQ(e.Edit5->text(), "7");
    EXPECT_EQ(Form2->Drawing->FigurePenWidth, 7);
    EXPECT_EQ(Form2->Drawing->FigurePenColor, 0x123456u);
    EXPECT_EQ(g.PageControl1->currentIndex(), 1);
    EXPECT_EQ(VertexCount, 640);
    EXPECT_EQ(EntryCursor, 3);
    EXPECT_TRUE(SameStore(store));  // bit for bit, every slot
}

TEST_F(TaskFileTest, AnEntryResumedFromItsTaskEndsAsIfItHadNeverStopped)
{
    struct Case { const char* name; int typed; bool reset; };
    const Case cases[] = {{"two of four typed", 2, false}, {"all four typed", 4, false}, {"after a reset", 4, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        Form1->Edit7->setText("4");
        for (int i = 1; i <= c.typed; ++i) AddVertex(QString::number(i), QString::number(-i));
        if (c.reset) Form1->Button3Click();
        const TTask saved = CaptureTask(*Form1, *Form2);
        Save(Path("entry"));
        Restart();
        ASSERT_TRUE(Form1->OpenTaskFile(Path("entry.ortalis")));
        EXPECT_TRUE(SameTask(CaptureTask(*Form1, *Form2), saved));
        EXPECT_EQ(Form1->Edit7->isReadOnly(), c.reset);
        EXPECT_EQ(Form1->UpDown1->isEnabled(), c.reset);
        EXPECT_EQ(Form1->Button1->isEnabled(), c.typed < 4 || c.reset);
    }
    // The first case finished after opening: the last two vertices join the first two.
    Restart();
    Form1->Edit7->setText("4");
    AddVertex("1", "-1");
    AddVertex("2", "-2");
    Save(Path("half"));
    Restart();
    ASSERT_TRUE(Form1->OpenTaskFile(Path("half.ortalis")));
    AddVertex("3", "-3");
    AddVertex("4", "-4");
    EXPECT_EQ(Form1->Memo1->Lines(), QStringList({"1      -1", "2      -2", "3      -3", "4      -4"}));
    EXPECT_FALSE(Form1->Button1->isEnabled());
    EXPECT_EQ(EntryCursor, 0);
    EXPECT_EQ(Vertices[4].X, 4.0);
}

TEST_F(TaskFileTest, OpeningEmptiesTheResultsAndLeavesThePictureAndWorldWindow)
{
    Form1->N4Click();  // the start triangle, drawn
    Form1->N3Click();
    ASSERT_FALSE(Form1->Edit16->text().isEmpty());
    const QImage picture = Form2->Image1->Picture().Image();
    const double xMin = Form2->Drawing->Window.XMin;
    Save(Path("drawn"));
    ASSERT_TRUE(Form1->OpenTaskFile(Path("drawn.ortalis")));
    EXPECT_TRUE(Form1->Edit16->text().isEmpty());
    EXPECT_TRUE(Form1->Edit21->text().isEmpty());
    EXPECT_EQ(Form2->Image1->Picture().Image(), picture);
    EXPECT_EQ(Form2->Drawing->Window.XMin, xMin);
}

TEST_F(TaskFileTest, SavingAddsTheExtensionOnlyWhenMissingAndAsksAboutThatName)
{
    struct Case { const char* chosen; const char* written; };
    const Case cases[] = {{"a", "a.ortalis"}, {"b.ortalis", "b.ortalis"}, {"c.ORTALIS", "c.ORTALIS"},
                          {"d.txt", "d.txt.ortalis"}, {"e.ortalis.bak", "e.ortalis.bak.ortalis"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        Save(Path(c.chosen));
        EXPECT_TRUE(QFile::exists(Path(c.written)));
        ASSERT_TRUE(dialogs.LastSaveTarget);
        EXPECT_EQ(dialogs.LastSaveTarget({Path(c.chosen), 1}), Path(c.written));
    }
    EXPECT_FALSE(QFile::exists(Path("d.txt")));
    // Cancelled: nothing written.
    const QStringList before = QDir(folder.path()).entryList(QDir::Files);
    Form1->NSaveTaskClick();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), before);
    // A folder that is not there: the picture files' error, and the dialogs keep their folder.
    const QString folderBefore = Form1->TaskFolder;
    dialogs.Files.push_back(platform::TFileChoice{Path("no such folder/f"), 1});
    EXPECT_THROW(Form1->NSaveTaskClick(), platform::PlatformError);
    EXPECT_EQ(Form1->TaskFolder, folderBefore);
}

TEST_F(TaskFileTest, BadFilesAreRefusedWithTheirReasonAndChangeNothing)
{
    TTask task;
    task.VertexCount = 3;
    task.Vertices = {{0, 0}, {4, 0}, {0, 3}};
    const QByteArray good = TaskFileData(task);
    const auto with = [&good](const char* from, const QByteArray& to) {
        QByteArray bad = good;
        EXPECT_TRUE(bad.contains(from)) << from;
        return bad.replace(from, to);
    };
    QByteArray manyVertices = "\"vertices\": [";
    for (int i = 0; i <= MaxVertices; ++i) manyVertices += "[\"1\", \"2\"], ";
    manyVertices += "[\"0\", \"0\"],";

    struct Case { const char* name; QByteArray data; const char* reason; };
    const std::vector<Case> cases = {
        {"empty", "", "це не файл завдання"},
        {"a picture", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "це не файл завдання"},
        {"other JSON", "{\"format\": \"something-else\", \"version\": 1}", "це не файл завдання"},
        {"a JSON list", "[\"ortalis-task\"]", "це не файл завдання"},
        {"cut short", good.left(good.size() / 2), "файл пошкоджений або обрізаний"},
        {"not UTF-8", with("\"x1\": \"0\"", "\"x1\": \"\xC3\x28\""), "файл пошкоджений або обрізаний"},
        {"newer version", with("\"version\": 1", "\"version\": 2"), "новішою версією програми"},
        {"no version", with("\"version\": 1,", ""), "бракує значення «version»"},
        {"missing key", with("\"count\": \"3\",\n    \"countReadOnly\"", "\"countReadOnly\""),
         "бракує значення «polygon.count»"},
        {"number for a text", with("\"x1\": \"0\"", "\"x1\": 0"), "«triangle.x1» має бути текстом"},
        {"count above 1000", with("\"vertexCount\": 3", "\"vertexCount\": 1001"), "кількість вершин"},
        {"negative cursor", with("\"entryCursor\": 0", "\"entryCursor\": -1"), "курсор введення"},
        {"count not whole", with("\"vertexCount\": 3", "\"vertexCount\": 2.5"), "кількість вершин"},
        {"NaN vertex", with("[\"4\", \"0\"]", "[\"nan\", \"0\"]"), "вершини 2 не є скінченним числом"},
        {"infinite vertex", with("[\"4\", \"0\"]", "[\"4\", \"-inf\"]"), "вершини 2 не є скінченним числом"},
        {"overflowing vertex", with("[\"4\", \"0\"]", "[\"1e400\", \"0\"]"), "вершини 2 не є скінченним числом"},
        {"vertex with a tail", with("[\"4\", \"0\"]", "[\"4x\", \"0\"]"), "вершини 2 не є скінченним числом"},
        {"vertex as a number", with("[\"4\", \"0\"]", "[4, \"0\"]"), "вершини 2 не є скінченним числом"},
        {"vertex of three", with("[\"4\", \"0\"]", "[\"4\", \"0\", \"1\"]"), "вершина 2 має бути парою"},
        {"fewer vertices than the count", with("[\"4\", \"0\"],\n      [\"0\", \"3\"]", "[\"4\", \"0\"]"),
         "у списку вершин 2 вершин"},
        {"more vertices than the store", with("\"vertices\": [", manyVertices), "у списку вершин 1005 вершин, а вміщується щонайбільше 1000"},
        {"text too long", with("\"x1\": \"0\"", "\"x1\": \"" + QByteArray(32768, '7') + "\""), "задовгий"},
        {"list of texts holding a number", with("\"list\": []", "\"list\": [1]"), "рядок 1 списку"},
        {"line with a break", with("\"list\": []", "\"list\": [\"a\\nb\"]"), "рядок 1 списку"},
        {"list that is no list", with("\"list\": []", "\"list\": \"a\""), "має бути списком"},
        {"pen too wide", with("\"penWidth\": 1", "\"penWidth\": 11"), "товщина пера"},
        {"pen colour by name", with("\"#ff0000\"", "\"red\""), "колір пера"},
        {"pen colour not hex", with("\"#ff0000\"", "\"#0x1234\""), "колір пера"},
        {"page out of range", with("\"page\": 2", "\"page\": 4"), "номер сторінки"},
        {"too large", good + QByteArray(kMaxTaskFileBytes, ' '), "файл завеликий"},
    };

    // A state unlike the start, which none of the files may touch.
    Form1->Edit7->setText("5");
    AddVertex("1,5", "2");
    Form1->Memo3->Add("рядок");
    Form2->CheckBox3->setChecked(true);
    Form2->Drawing->FigurePenColor = 0x00AA00;
    const TTask before = CaptureTask(*Form1, *Form2);
    const auto store = Vertices;
    const int32_t count = VertexCount;

    ASSERT_TRUE(ParseTask(good).Task);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = Path(QString("bad %1.ortalis").arg(c.name));
        WriteFile(path, c.data);
        dialogs.Shown.clear();
        EXPECT_FALSE(Form1->OpenTaskFile(path));
        ASSERT_EQ(dialogs.Shown.size(), 1u);
        EXPECT_EQ(dialogs.Shown[0].Kind, "message");
        EXPECT_EQ(dialogs.Shown[0].Caption, "Помилка");
        const QString text = dialogs.Shown[0].Text;
        EXPECT_TRUE(text.startsWith("Не вдалося відкрити завдання «" + QDir::toNativeSeparators(path) + "»: "))
            << text.left(300).toStdString();
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.reason))) << text.left(300).toStdString();
        EXPECT_TRUE(text.endsWith("."));
        EXPECT_TRUE(SameTask(CaptureTask(*Form1, *Form2), before));
        EXPECT_TRUE(SameStore(store));
        EXPECT_EQ(VertexCount, count);
    }

    // Files that cannot be read at all.
    struct Unreadable { const char* name; QString path; const char* reason; };
    QDir(folder.path()).mkdir("folder.ortalis");
    const Unreadable unreadable[] = {{"missing", Path("missing.ortalis"), "файл не вдається прочитати"},
                                     {"a folder", Path("folder.ortalis"), "це тека, а не файл"}};
    for (const Unreadable& u : unreadable) {
        SCOPED_TRACE(u.name);
        dialogs.Shown.clear();
        EXPECT_FALSE(Form1->OpenTaskFile(u.path));
        ASSERT_EQ(dialogs.Shown.size(), 1u);
        EXPECT_TRUE(dialogs.Shown[0].Text.contains(QDir::toNativeSeparators(u.path)));
        EXPECT_TRUE(dialogs.Shown[0].Text.contains(QString::fromUtf8(u.reason))) << dialogs.Shown[0].Text.toStdString();
        EXPECT_TRUE(SameTask(CaptureTask(*Form1, *Form2), before));
    }
}

TEST_F(TaskFileTest, TheFileIsReadableJsonWithItsFormatFirst)
{
    TTask task;
    task.Triangle[0] = "ї\"\\\x01";
    task.Vertices = {{0.1, -0.0}};
    const QByteArray data = TaskFileData(task);
    EXPECT_TRUE(data.startsWith("{\n  \"format\": \"ortalis-task\",\n  \"version\": 1,\n"));
    EXPECT_TRUE(data.contains("\"x1\": \"ї\\\"\\\\\\u0001\""));  // UTF-8 as it is, escapes only where JSON needs them
    EXPECT_TRUE(data.contains("[\"0.1\", \"-0\"]"));
    EXPECT_TRUE(data.contains("\"penColor\": \"#ff0000\""));
    const TTaskRead read = ParseTask(data);
    ASSERT_TRUE(read.Task) << read.Problem.toStdString();
    EXPECT_TRUE(SameTask(*read.Task, task));
    // A byte-order mark, as some editors write it, is no fault.
    EXPECT_TRUE(ParseTask("\xEF\xBB\xBF" + data).Task);
}

TEST_F(TaskFileTest, TheExampleTasksOpenFromTheOpenDialogsFirstFolder)
{
    dialogs.Files.push_back(std::nullopt);
    Form1->NOpenTaskClick();
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown[0].Text, ExamplesFolderPath());
    EXPECT_EQ(dialogs.Shown[0].Caption, QString(kOpenTaskFilter) + " 1");

    // Pick's triangle: the lattice count of the fields' triangle.
    ASSERT_TRUE(Form1->OpenTaskFile(ExamplesFolderPath() + "/pick-triangle.ortalis"));
    EXPECT_EQ(Form1->PageControl1->currentWidget(), Form1->TabSheet1);
    Form1->N3Click();
    EXPECT_EQ(Form1->Edit21->text(), "54");

    // The crossed polygon: the construction's check finds the crossing.
    ASSERT_TRUE(Form1->OpenTaskFile(ExamplesFolderPath() + "/crossed-polygon.ortalis"));
    dialogs.Shown.clear();
    dialogs.Answers.push_back(platform::TAnswer::No);
    Form1->N8Click();
    ASSERT_FALSE(dialogs.Shown.empty());
    EXPECT_EQ(dialogs.Shown[0].Kind, "question");
    EXPECT_TRUE(dialogs.Shown[0].Text.contains("перетин сторін"));

    // Thirty points, and a hull of some of them.
    ASSERT_TRUE(Form1->OpenTaskFile(ExamplesFolderPath() + "/hull-30-points.ortalis"));
    EXPECT_EQ(VertexCount, 30);
    EXPECT_EQ(Form1->Memo1->Lines().size(), 30);
    Form1->N20Click();
    EXPECT_GE(VertexCount, 3);
    EXPECT_LT(VertexCount, 30);

    // Opening one sends the next dialog there; a save never starts among the examples.
    dialogs.Shown.clear();
    Form1->NSaveTaskClick();
    EXPECT_NE(dialogs.Shown[0].Text, QFileInfo(ExamplesFolderPath()).absoluteFilePath());
}

TEST_F(TaskFileTest, MenuFileComesFirstWithItsKeys)
{
    TForm1& f = *Form1;
    const QList<QAction*> top = f.menuBar()->actions();
    ASSERT_FALSE(top.isEmpty());
    EXPECT_EQ(top[0]->menu(), f.NFile);
    EXPECT_EQ(f.NFile->objectName(), "NFile");
    EXPECT_EQ(f.NFile->title(), "Файл");
    const QList<QAction*> items = f.NFile->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0], f.NOpenTask);
    EXPECT_EQ(items[1], f.NSaveTask);
    EXPECT_TRUE(items[2]->isSeparator());
    EXPECT_EQ(items[3], f.NQuit);
    struct Item { QAction* action; const char* name; const char* caption; QKeySequence keys; };
    const Item expected[] = {{f.NOpenTask, "NOpenTask", "Відкрити завдання…", QKeySequence("Ctrl+O")},
                             {f.NSaveTask, "NSaveTask", "Зберегти завдання…", QKeySequence("Ctrl+S")},
                             {f.NQuit, "NQuit", "Вихід", QKeySequence("Ctrl+Q")}};
    for (const Item& item : expected) {
        SCOPED_TRACE(item.name);
        EXPECT_EQ(item.action->objectName(), item.name);
        EXPECT_EQ(item.action->text(), item.caption);
        EXPECT_EQ(item.action->shortcut(), item.keys);
    }

    // The keys reach the commands from the window.
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(&f, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(&f, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(dialogs.Shown.size(), 2u);
    EXPECT_EQ(dialogs.Shown[0].Kind, "open");
    EXPECT_EQ(dialogs.Shown[1].Kind, "save");
    f.NQuit->trigger();
    EXPECT_FALSE(f.isVisible());
}

TEST_F(TaskFileTest, TheCommandLineOpensItsTaskAndAnUnreadableOneLeavesTheWindowUp)
{
    Form1->Edit7->setText("9");
    Save(Path("start"));
    Restart();
    Form1->show();
    Form1->OpenTaskArguments({Path("start.ortalis")});
    EXPECT_EQ(Form1->Edit7->text(), "9");
    EXPECT_TRUE(dialogs.Shown.empty());

    Restart();
    Form1->OpenTaskArguments({QUrl::fromLocalFile(Path("start.ortalis")).toString()});
    EXPECT_EQ(Form1->Edit7->text(), "9");

    Restart();
    Form1->show();
    Form1->OpenTaskArguments({Path("absent.ortalis")});
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_TRUE(dialogs.Shown[0].Text.contains("absent.ortalis"));
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_EQ(Form1->Edit7->text(), "3");

    Restart();
    Form1->OpenTaskArguments({});
    EXPECT_TRUE(dialogs.Shown.empty());
}

TEST_F(TaskFileTest, ATaskDroppedOntoTheMainWindowOpens)
{
    Form1->Edit19->setText("8");
    Save(Path("dropped"));
    Restart();
    WriteFile(Path("picture.bmp"), "BM");

    const auto drag = [](const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Form1, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Form1, &drop);
        QCoreApplication::processEvents();  // the open follows the drop
        return true;
    };
    EXPECT_FALSE(drag(Path("picture.bmp")));
    EXPECT_EQ(Form1->Edit19->text(), "3");
    EXPECT_TRUE(drag(Path("dropped.ortalis")));
    EXPECT_EQ(Form1->Edit19->text(), "8");
}
