#include "SkinTexts.h"
#include "appearance/SkinFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ParseSkin, ReadsColoursTitleAndStyleSheet)
{
    const QString text = QString(QChar(0xFEFF)) +
                         "; a comment line\r\n"
                         "[skin]\r\n"
                         "  format = 1  \r\n"
                         "Title = Морська хвиля\r\n"
                         "\r\n"
                         "[Colors]\r\n"
                         "window = #1A2b3C\r\n"
                         "WindowText=#ffffff\r\n"
                         "Base = #000000\nText = #ffffff\nButton = #303030\nButtonText = #ffffff\n"
                         "Highlight = #00aaff\nHighlightedText = #000000\n"
                         "Disabled.Text = #777777\n"
                         "Inactive.Highlight = #336699\n"
                         "[Style]\n"
                         "QPushButton { border: 1px solid palette(dark); } ; not a comment here\n"
                         "[not a section]\n";
    const TSkinParseResult result = ParseSkin(text);
    ASSERT_TRUE(result.Value) << result.Error.toStdString();
    const TSkin& skin = *result.Value;
    EXPECT_EQ(skin.Title, "Морська хвиля");
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        EXPECT_EQ(skin.Palette.color(group, QPalette::Window), QColor("#1a2b3c"));
        EXPECT_EQ(skin.Palette.color(group, QPalette::Base), QColor("#000000"));
    }
    EXPECT_EQ(skin.Palette.color(QPalette::Disabled, QPalette::Text), QColor("#777777"));
    EXPECT_EQ(skin.Palette.color(QPalette::Active, QPalette::Highlight), QColor("#00aaff"));
    EXPECT_EQ(skin.Palette.color(QPalette::Inactive, QPalette::Highlight), QColor("#336699"));
    EXPECT_EQ(skin.StyleSheet,
              "QPushButton { border: 1px solid palette(dark); } ; not a comment here\n[not a section]");
}

TEST(ParseSkin, DerivesTheRolesASkinLeavesOut)
{
    const TSkinParseResult result = ParseSkin(SkinText("#e0e0e0"));
    ASSERT_TRUE(result.Value) << result.Error.toStdString();
    const QPalette& p = result.Value->Palette;
    EXPECT_EQ(p.color(QPalette::Link), p.color(QPalette::Highlight));
    EXPECT_EQ(p.color(QPalette::ToolTipBase), p.color(QPalette::Base));
    EXPECT_EQ(p.color(QPalette::ToolTipText), p.color(QPalette::Text));
    // Halfway between #fafafa and #e0e0e0.
    EXPECT_EQ(p.color(QPalette::AlternateBase), QColor("#ededed"));
    // Disabled captions fade halfway into their background: #101010 on #d0d0d0.
    EXPECT_EQ(p.color(QPalette::Disabled, QPalette::ButtonText), QColor("#707070"));
    EXPECT_EQ(p.color(QPalette::Active, QPalette::ButtonText), QColor("#101010"));
    // Bevel shades follow the button colour, lighter and darker.
    EXPECT_GT(p.color(QPalette::Light).lightness(), p.color(QPalette::Button).lightness());
    EXPECT_LT(p.color(QPalette::Dark).lightness(), p.color(QPalette::Button).lightness());
    EXPECT_TRUE(result.Value->StyleSheet.isEmpty());
}

TEST(ParseSkin, RefusesFaultyTextWithTheReason)
{
    const QString good = SkinText("#e0e0e0");
    auto replaced = [&](const QString& from, const QString& to) { return QString(good).replace(from, to); };
    struct Case {
        QString Text;
        QString Error;
    };
    const Case cases[] = {
        {"", "the [Skin] section is missing"},
        {replaced("Format = 1\n", ""), "does not give the Format"},
        {replaced("Format = 1", "Format = 2"), "format 2 is not known"},
        {replaced("Window = #e0e0e0", "Window = #e0e0e"), "line 5: \"#e0e0e\" is no colour"},
        {replaced("Window = #e0e0e0", "Window = grey"), "line 5: \"grey\" is no colour"},
        {replaced("Window = #e0e0e0", "Windw = #e0e0e0"), "line 5: unknown colour role \"Windw\""},
        {replaced("Window = #e0e0e0", "Disabled.Nothing = #e0e0e0"), "line 5: unknown colour role"},
        {replaced("[Colors]", "[Colours]"), "line 4: unknown section [Colours]"},
        {replaced("[Colors]", "[Colors"), "line 4: a section name must end"},
        {replaced("[Skin]\n", "Format = 1\n[Skin]\n"), "line 1: a value outside any section"},
        {replaced("Window = #e0e0e0", "Window #e0e0e0"), "line 5: expected \"name = value\""},
        {replaced("Window = #e0e0e0", "= #e0e0e0"), "line 5: a name is missing"},
        {good + "window = #ffffff\n", "line 13: \"window\" is given twice"},
        {good + "[Skin]\n", "line 13: section [skin] appears twice"},
        {replaced("HighlightedText = #ffffff\n", ""), "the colour HighlightedText is missing"},
        {replaced("Format = 1", "Format = 1\nAuthor = me"), "line 3: unknown name \"Author\" in [Skin]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text.toStdString());
        const TSkinParseResult result = ParseSkin(c.Text);
        EXPECT_FALSE(result.Value);
        EXPECT_TRUE(result.Error.contains(c.Error)) << result.Error.toStdString();
    }
}

TEST(LoadSkinFile, ReadsUtf8AndNamesTheFileInItsFaults)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString good = dir.filePath("Good.asz");
    WriteTextFile(good, SkinText("#00ff00").replace("Format = 1", "Format = 1\nTitle = Зелень"));
    const TSkinParseResult loaded = LoadSkinFile(good);
    ASSERT_TRUE(loaded.Value) << loaded.Error.toStdString();
    EXPECT_EQ(loaded.Value->Title, "Зелень");

    EXPECT_TRUE(LoadSkinFile(dir.filePath("None.asz")).Error.contains("None.asz"));

    const QString bad = dir.filePath("Bad.asz");
    WriteTextFile(bad, "[Skin]\nFormat = 1\n[Colors]\nWindow = blue\n");
    const TSkinParseResult broken = LoadSkinFile(bad);
    EXPECT_FALSE(broken.Value);
    EXPECT_TRUE(broken.Error.startsWith(bad + ", line 4")) << broken.Error.toStdString();

    const QString huge = dir.filePath("Huge.asz");
    WriteTextFile(huge, SkinText("#00ff00") + QString(MaxSkinFileSize, ';'));
    EXPECT_TRUE(LoadSkinFile(huge).Error.contains("too large"));
}
