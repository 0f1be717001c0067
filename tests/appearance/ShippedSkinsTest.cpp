// The skins that ship beside the executable: each must load, keep every text
// readable and carry a style sheet Qt accepts.
#include "SkinTexts.h"
#include "appearance/ProgramFolder.h"
#include "appearance/SkinFile.h"
#include "appearance/SkinManager.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <cmath>
#include <gtest/gtest.h>

namespace {

QString ShippedFolder()
{
    return QCoreApplication::applicationDirPath() + "/skins";
}

QStringList ShippedSkins()
{
    return QDir(ShippedFolder()).entryList({"*.asz"}, QDir::Files, QDir::Name);
}

// Contrast ratio of two colours as the web accessibility guidelines define it:
// 1 for equal colours, 21 for black on white.
double Contrast(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct TextOn {
    QPalette::ColorRole Text;
    QPalette::ColorRole Background;
};

// Every place the program shows text: captions on windows, tabs and buttons
// (also pressed), field text (also read-only), selections, tips, links in help.
constexpr TextOn kReadable[] = {
    {QPalette::WindowText, QPalette::Window},      {QPalette::WindowText, QPalette::Button},
    {QPalette::Text, QPalette::Base},              {QPalette::Text, QPalette::AlternateBase},
    {QPalette::ButtonText, QPalette::Button},      {QPalette::ButtonText, QPalette::Midlight},
    {QPalette::HighlightedText, QPalette::Highlight}, {QPalette::ToolTipText, QPalette::ToolTipBase},
    {QPalette::Link, QPalette::Base},              {QPalette::LinkVisited, QPalette::Base},
};

constexpr TextOn kDimmed[] = {
    {QPalette::WindowText, QPalette::Window},
    {QPalette::Text, QPalette::Base},
    {QPalette::ButtonText, QPalette::Button},
};

double WeakestContrast(const QPalette& p)
{
    double weakest = 21;
    for (const TextOn& pair : kReadable)
        weakest = std::min(weakest, Contrast(p.color(QPalette::Active, pair.Text), p.color(QPalette::Active, pair.Background)));
    return weakest;
}

// Collects what Qt says while a skin goes on; it reports a style sheet it can't parse.
QStringList qtMessages;
void CollectMessage(QtMsgType, const QMessageLogContext&, const QString& message)
{
    // The headless platform's own remark on every window shown is no fault of a skin.
    if (!message.startsWith("This plugin does not support")) qtMessages << message;
}

// Puts a skin on a window holding one control of each kind the program uses and
// returns what Qt complained about.
QStringList ApplyAndCollect(const QString& folder, const QString& name)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    for (QWidget* w : std::initializer_list<QWidget*>{new QPushButton("Додати"), new QLineEdit("3"),
                                                     new QPlainTextEdit, new QListWidget, new QTextBrowser})
        layout->addWidget(w);
    window.ensurePolished();
    qtMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(CollectMessage);
    {
        TSkinManager manager;
        manager.SetSkinDirectory(folder);
        manager.SetSkinName(name);
        manager.SetActive(true);
        window.show();
        QCoreApplication::processEvents();
        EXPECT_TRUE(manager.SkinApplied()) << manager.LastError().toStdString();
    }
    qInstallMessageHandler(previous);
    return qtMessages;
}

TEST(ShippedSkins, TheSetIsComplete)
{
    const QStringList names = ShippedSkins();
    EXPECT_GE(names.size(), 5);
    EXPECT_TRUE(names.contains("BlueGauze.asz"));
    int dark = 0, highContrast = 0;
    for (const QString& name : names) {
        const TSkinParseResult skin = LoadSkinFile(ShippedFolder() + "/" + name);
        if (!skin.Value) continue;  // reported by the next test
        if (skin.Value->Palette.color(QPalette::Window).lightnessF() < 0.25) ++dark;
        if (WeakestContrast(skin.Value->Palette) >= 7) ++highContrast;
    }
    EXPECT_GE(dark, 1);
    EXPECT_GE(highContrast, 1);
}

TEST(ShippedSkins, EachLoadsWithReadableTexts)
{
    for (const QString& name : ShippedSkins()) {
        SCOPED_TRACE(name.toStdString());
        const TSkinParseResult skin = LoadSkinFile(ShippedFolder() + "/" + name);
        ASSERT_TRUE(skin.Value) << skin.Error.toStdString();
        EXPECT_FALSE(skin.Value->Title.isEmpty());
        const QPalette& p = skin.Value->Palette;
        for (const TextOn& pair : kReadable) {
            SCOPED_TRACE(std::to_string(pair.Text) + " on " + std::to_string(pair.Background));
            EXPECT_GE(Contrast(p.color(QPalette::Active, pair.Text), p.color(QPalette::Active, pair.Background)), 4.5);
        }
        // Disabled captions must look disabled and still be legible.
        for (const TextOn& pair : kDimmed) {
            SCOPED_TRACE(std::to_string(pair.Text) + " disabled");
            const double dimmed =
                Contrast(p.color(QPalette::Disabled, pair.Text), p.color(QPalette::Disabled, pair.Background));
            EXPECT_GE(dimmed, 2.5);
            EXPECT_LT(dimmed, Contrast(p.color(QPalette::Active, pair.Text), p.color(QPalette::Active, pair.Background)));
        }
    }
}

TEST(ShippedSkins, StyleSheetsParseAndTakeTheirColoursFromThePalette)
{
    // The probe itself: a sheet Qt can't read must show up.
    QTemporaryDir dir;
    WriteTextFile(dir.filePath("Faulty.asz"), SkinText("#e0e0e0", "QPushButton { border: 1px solid; "));
    EXPECT_TRUE(ApplyAndCollect(dir.path(), "Faulty").join('\n').contains("stylesheet", Qt::CaseInsensitive));

    // Colours of text and of what lies under it come from the palette, so the
    // contrast checked above is the contrast shown.
    static const QRegularExpression colourDeclaration(
        R"((?:^|[;{\s])((?:[a-z-]*color|background)\s*:\s*([^;}]*)))");
    int declarations = 0;
    for (const QString& name : ShippedSkins()) {
        SCOPED_TRACE(name.toStdString());
        const TSkinParseResult skin = LoadSkinFile(ShippedFolder() + "/" + name);
        ASSERT_TRUE(skin.Value);
        for (auto match = colourDeclaration.globalMatch(skin.Value->StyleSheet); match.hasNext();) {
            const QRegularExpressionMatch m = match.next();
            EXPECT_TRUE(m.captured(2).trimmed().startsWith("palette(")) << m.captured(1).toStdString();
            ++declarations;
        }
        EXPECT_EQ(ApplyAndCollect(ShippedFolder(), name.chopped(4)).join('\n').toStdString(), "");
    }
    EXPECT_GT(declarations, 0);
}

TEST(ShippedSkins, TheStartSkinLoadsFromTheSkinsFolder)
{
    // The way the main window switches the engine on at start-up.
    QWidget window;
    TSkinManager manager;
    manager.SetActive(false);
    manager.SetSkinDirectory(SkinsFolderPath());
    manager.SetSkinName("BlueGauze");
    manager.SetActive(true);
    ASSERT_TRUE(manager.SkinApplied()) << manager.LastError().toStdString();
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor("#dce7f3"));
}

}  // namespace
