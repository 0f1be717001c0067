// The command map (docs/commands.md) and the control glossary (docs/controls.md)
// name controls, handlers and files; these tests hold them to the windows as
// CreateForms builds them and to the sources, in both directions, so that a
// renamed handler or a new control cannot leave the docs behind unnoticed.
//
// The docs are plain Markdown. Names are written in backticks; a "## " heading
// names the window (`TForm1` .. `TForm4`, `TFormWorking`) its section and
// sub-sections are about.
// Another window's control is written `Form2.CheckBox2`, its handler
// `TForm2::Button1Click`.
#include "FormsFixture.h"
#include "appearance/Form3.h"
#include "appearance/Form4.h"
#include "drawing/Form2.h"
#include "working/FormWorking.h"

#include <QAction>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

namespace {

const QString kSourceDir = QStringLiteral(ORTALIS_SOURCE_DIR);
const QString kCommands = QStringLiteral("docs/commands.md");
const QString kControls = QStringLiteral("docs/controls.md");

// The names the layout gives controls, menus and menu items: a kind and a number,
// plus the hidden check button.
const QRegularExpression kControlName(
    QStringLiteral("^(?:Form([1-4]|Working)\\.)?((?:Edit|Memo|Button|CheckBox|UpDown|Label|Shape|Image|TabSheet|PageControl|"
                   "MainMenu|FileListBox|WebBrowser|N|n)\\d+|Error|NWorking|Working[A-Z][a-z]+)$"));
const QRegularExpression kHandlerName(
    QStringLiteral("^(?:TForm([1-4]|Working)::)?([A-Za-z][A-Za-z0-9]*(?:Click|MouseDown|MouseMove|MouseUp|Create|Close|Activate))$"));
const QRegularExpression kPath(QStringLiteral("^[A-Za-z0-9_.-]+(?:/[A-Za-z0-9_.-]+)*/(?:[A-Za-z0-9_.-]+)?$"));
const QRegularExpression kBackticked(QStringLiteral("`([^`]+)`"));

QString ReadSource(const QString& relative)
{
    QFile file(kSourceDir + "/" + relative);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// Every .cpp under src/, one text: where a handler's definition is looked for.
const QString& AllSources()
{
    static const QString all = [] {
        QString text;
        QDirIterator it(kSourceDir + "/src", {"*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) text += ReadSource(QDir(kSourceDir).relativeFilePath(it.next())) + "\n";
        return text;
    }();
    return all;
}

// The windows by number: TForm1 to TForm4, then the working window as 5.
constexpr int kWindows = 5;
QString WindowClass(int window) { return window == 5 ? QStringLiteral("TFormWorking") : QStringLiteral("TForm%1").arg(window); }
// "1" to "4" or "Working", as a heading or a qualified name writes it; 0 for none.
int WindowNumber(const QString& captured)
{
    if (captured.isEmpty()) return 0;
    return captured == QStringLiteral("Working") ? 5 : captured.toInt();
}

bool Defines(const QString& text, int window, const QString& handler)
{
    return text.contains(QStringLiteral("%1::%2(").arg(WindowClass(window), handler));
}

// One backticked name and where it stands.
struct Mention {
    QString text;
    int window = 0;  // of the section it is in; 0 before the first window heading
    int line = 0;
};

// One table row with the columns "Handler" and "File".
struct CommandRow {
    int window = 0;
    int line = 0;
    QStringList handlers;
    QStringList files;
};

struct Doc {
    QString path;
    std::vector<Mention> mentions;
    std::vector<CommandRow> commandRows;

    QString Where(int line) const { return QStringLiteral("%1:%2").arg(path).arg(line); }
};

QStringList Backticked(const QString& text)
{
    QStringList names;
    for (const QRegularExpressionMatch& m : kBackticked.globalMatch(text)) names << m.captured(1);
    return names;
}

QStringList Cells(const QString& row)
{
    QStringList cells = row.trimmed().split('|');
    if (!cells.isEmpty()) cells.removeFirst();
    if (!cells.isEmpty()) cells.removeLast();
    for (QString& cell : cells) cell = cell.trimmed();
    return cells;
}

bool IsRule(const QStringList& cells)
{
    static const QRegularExpression dashes(QStringLiteral("^:?-+:?$"));
    for (const QString& cell : cells)
        if (!dashes.match(cell).hasMatch()) return false;
    return true;
}

Doc ParseDoc(const QString& path)
{
    Doc doc{path, {}, {}};
    const QString text = ReadSource(path);
    EXPECT_FALSE(text.isEmpty()) << path.toStdString() << " is missing or empty";
    const QStringList lines = text.split('\n');
    int window = 0;
    int handlerColumn = -1;
    int fileColumn = -1;
    static const QRegularExpression windowInHeading(QStringLiteral("`TForm([1-4]|Working)`"));
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const int number = i + 1;
        if (line.startsWith("## ")) {
            const QRegularExpressionMatch m = windowInHeading.match(line);
            window = m.hasMatch() ? WindowNumber(m.captured(1)) : 0;
        }
        const bool tableRow = line.trimmed().startsWith('|');
        if (!tableRow) {
            handlerColumn = fileColumn = -1;
            for (const QString& name : Backticked(line)) doc.mentions.push_back({name, window, number});
            continue;
        }
        const QStringList cells = Cells(line);
        if (IsRule(cells)) continue;
        if (cells.contains("Handler")) {
            handlerColumn = cells.indexOf("Handler");
            fileColumn = cells.indexOf("File");
            continue;
        }
        for (const QString& name : Backticked(line)) doc.mentions.push_back({name, window, number});
        if (handlerColumn >= 0 && fileColumn >= 0 && handlerColumn < cells.size() && fileColumn < cells.size())
            doc.commandRows.push_back({window, number, Backticked(cells[handlerColumn]), Backticked(cells[fileColumn])});
    }
    return doc;
}

const std::array<QString, 2> kDocs = {kCommands, kControls};

class DocsTest : public FormsTest {
protected:
    // The object names of each window's controls, menus and menu items; [0] is empty.
    std::array<QSet<QString>, kWindows + 1> names;

    static std::array<QObject*, kWindows + 1> Windows() { return {nullptr, Form1, Form2, Form3, Form4, FormWorking}; }

    void SetUp() override
    {
        FormsTest::SetUp();
        const auto windows = Windows();
        for (int w = 1; w <= kWindows; ++w)
            for (const QObject* child : windows[w]->findChildren<QObject*>())
                if (!child->objectName().isEmpty()) names[w].insert(child->objectName());
    }

    // Buttons and menu items by window: each runs a handler named after it.
    std::vector<std::pair<int, QString>> Clickables() const
    {
        std::vector<std::pair<int, QString>> result;
        const auto windows = Windows();
        for (int w = 1; w <= kWindows; ++w) {
            for (const QPushButton* b : windows[w]->findChildren<QPushButton*>())
                if (kControlName.match(b->objectName()).hasMatch()) result.emplace_back(w, b->objectName());
            for (const QAction* a : windows[w]->findChildren<QAction*>())
                if (kControlName.match(a->objectName()).hasMatch()) result.emplace_back(w, a->objectName());
        }
        return result;
    }
};

TEST_F(DocsTest, EveryControlNamedInTheDocsIsOnItsWindow)
{
    for (const QString& path : kDocs) {
        const Doc doc = ParseDoc(path);
        for (const Mention& m : doc.mentions) {
            const QRegularExpressionMatch match = kControlName.match(m.text);
            if (!match.hasMatch()) continue;
            const int window = match.captured(1).isEmpty() ? m.window : WindowNumber(match.captured(1));
            const QString name = match.captured(2);
            if (window == 0) {
                // The introductions name controls as examples, of whichever window.
                EXPECT_TRUE(std::any_of(names.begin() + 1, names.end(), [&](const QSet<QString>& n) { return n.contains(name); }))
                    << doc.Where(m.line).toStdString() << ": no window has a control `" << name.toStdString() << "`";
                continue;
            }
            EXPECT_TRUE(names[window].contains(name))
                << doc.Where(m.line).toStdString() << ": " << WindowClass(window).toStdString() << " has no control `" << name.toStdString()
                << "`";
        }
    }
}

TEST_F(DocsTest, EveryHandlerNamedInTheDocsIsDefined)
{
    for (const QString& path : kDocs) {
        const Doc doc = ParseDoc(path);
        for (const Mention& m : doc.mentions) {
            const QRegularExpressionMatch match = kHandlerName.match(m.text);
            if (!match.hasMatch()) continue;
            const int window = match.captured(1).isEmpty() ? m.window : WindowNumber(match.captured(1));
            const QString handler = match.captured(2);
            bool defined = window != 0 && Defines(AllSources(), window, handler);
            for (int w = 1; window == 0 && w <= kWindows; ++w) defined = defined || Defines(AllSources(), w, handler);
            EXPECT_TRUE(defined) << doc.Where(m.line).toStdString() << ": no " << WindowClass(window).toStdString()
                                 << "::" << handler.toStdString() << " in src/";
        }
    }
}

TEST(DocsFiles, EveryFileNamedInTheDocsExists)
{
    for (const QString& path : kDocs) {
        const Doc doc = ParseDoc(path);
        for (const Mention& m : doc.mentions) {
            if (!kPath.match(m.text).hasMatch()) continue;
            EXPECT_TRUE(QFileInfo::exists(kSourceDir + "/" + m.text))
                << doc.Where(m.line).toStdString() << ": no file " << m.text.toStdString();
        }
    }
    // The Markdown links between the docs and from the README.
    static const QRegularExpression link(QStringLiteral("\\]\\(([^)#:]+)\\)"));
    for (const QString& path : {QStringLiteral("README.md"), kCommands, kControls}) {
        const QString dir = QFileInfo(kSourceDir + "/" + path).absolutePath();
        for (const QRegularExpressionMatch& m : link.globalMatch(ReadSource(path)))
            EXPECT_TRUE(QFileInfo::exists(dir + "/" + m.captured(1)))
                << path.toStdString() << " links to a missing " << m.captured(1).toStdString();
    }
}

TEST(DocsFiles, EveryHandlerOfTheCommandMapIsInTheFileItsRowNames)
{
    const Doc doc = ParseDoc(kCommands);
    ASSERT_FALSE(doc.commandRows.empty()) << "no table with the columns Handler and File";
    for (const CommandRow& row : doc.commandRows) {
        EXPECT_FALSE(row.handlers.isEmpty()) << doc.Where(row.line).toStdString() << ": no handler";
        EXPECT_FALSE(row.files.isEmpty()) << doc.Where(row.line).toStdString() << ": no file";
        QString text;
        for (const QString& file : row.files) text += ReadSource(file);
        for (const QString& handler : row.handlers)
            EXPECT_TRUE(row.window != 0 && Defines(text, row.window, handler))
                << doc.Where(row.line).toStdString() << ": " << WindowClass(row.window).toStdString() << "::" << handler.toStdString()
                << " is not in " << row.files.join(", ").toStdString();
    }
}

TEST_F(DocsTest, EveryNamedControlOfTheWindowsIsInTheGlossary)
{
    // A control counts as described only in its own window's section, not where
    // another window's row refers to it.
    std::array<QSet<QString>, kWindows + 1> described;
    for (const Mention& m : ParseDoc(kControls).mentions)
        if (m.window != 0 && kControlName.match(m.text).hasMatch() && !m.text.contains('.'))
            described[m.window].insert(m.text);
    for (int w = 1; w <= kWindows; ++w) {
        for (const QString& name : names[w]) {
            if (!kControlName.match(name).hasMatch()) continue;
            EXPECT_TRUE(described[w].contains(name))
                << WindowClass(w).toStdString() << "'s `" << name.toStdString() << "` is missing from " << kControls.toStdString();
        }
    }
}

TEST_F(DocsTest, EveryButtonAndMenuItemIsInTheCommandMap)
{
    // Each runs the handler named after it, e.g. `N8` runs `N8Click`; menus that
    // only open their items have no handler and are left out.
    std::array<QSet<QString>, kWindows + 1> mapped;
    for (const CommandRow& row : ParseDoc(kCommands).commandRows)
        for (const QString& handler : row.handlers) mapped[row.window].insert(handler);
    for (const auto& [window, name] : Clickables())
        EXPECT_TRUE(mapped[window].contains(name + "Click"))
            << WindowClass(window).toStdString() << "'s `" << name.toStdString() << "` has no row in " << kCommands.toStdString();
}

}  // namespace
