#include "SkinTexts.h"
#include "appearance/SkinManager.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QColor kAqua("#207080");
const QColor kRose("#c05070");
const QString kAquaSheet = "QPushButton { border: 1px solid palette(dark); }";

class SkinManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        WriteTextFile(dir.filePath("Aqua.asz"), SkinText(kAqua.name(), kAquaSheet));
        WriteTextFile(dir.filePath("Rose.asz"), SkinText(kRose.name()));
        WriteTextFile(dir.filePath("Broken.asz"), "[Skin]\nFormat = 1\n[Colors]\nWindow = pink\n");
        // A plain look in another style than the skins' shows that the style comes back too.
        startStyle = QApplication::style()->name();
        QApplication::setStyle("Windows");
        plain = QApplication::palette();
        plainStyle = QApplication::style()->name();
        button = new QPushButton("Гаразд", &window);
    }

    void TearDown() override
    {
        manager.reset();
        QApplication::setStyle(startStyle);
    }

    // The colour every window shows now; both windows and the control (none of
    // them ever shown) must agree on it.
    QColor WindowColour() const
    {
        const QColor colour = window.palette().color(QPalette::Window);
        EXPECT_EQ(other.palette().color(QPalette::Window), colour);
        EXPECT_EQ(button->palette().color(QPalette::Window), colour);
        return colour;
    }

    void SwitchOn(const QString& name)
    {
        manager->SetActive(false);
        manager->SetSkinDirectory(dir.path());
        manager->SetSkinName(name);
        manager->SetActive(true);
    }

    void ExpectPlainLook() const
    {
        EXPECT_FALSE(manager->SkinApplied());
        EXPECT_EQ(WindowColour(), plain.color(QPalette::Window));
        EXPECT_EQ(button->palette().color(QPalette::ButtonText), plain.color(QPalette::ButtonText));
        EXPECT_TRUE(qApp->styleSheet().isEmpty());
        EXPECT_EQ(QApplication::style()->name(), plainStyle);
    }

    QTemporaryDir dir;
    QPalette plain;
    QString plainStyle;
    QString startStyle;
    QWidget window;
    QWidget other;
    QPushButton* button = nullptr;
    std::unique_ptr<TSkinManager> manager = std::make_unique<TSkinManager>();
};

TEST_F(SkinManagerTest, SwitchingOnRestylesEveryWindowAtOnce)
{
    QSignalSpy changed(manager.get(), &TSkinManager::SkinChanged);
    manager->SetSkinDirectory(dir.path());
    manager->SetSkinName("Aqua");
    // While off, the settings are only stored.
    EXPECT_EQ(changed.count(), 0);
    ExpectPlainLook();

    manager->SetActive(true);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(manager->SkinApplied());
    EXPECT_TRUE(manager->LastError().isEmpty());
    EXPECT_EQ(WindowColour(), kAqua);
    EXPECT_EQ(button->palette().color(QPalette::ButtonText), QColor("#101010"));
    EXPECT_EQ(qApp->styleSheet(), kAquaSheet);
    EXPECT_EQ(manager->SkinFilePath(), dir.path() + QDir::separator() + "Aqua.asz");
}

TEST_F(SkinManagerTest, EachNameSetWhileOnLoadsThatSkin)
{
    SwitchOn("Aqua");
    QSignalSpy changed(manager.get(), &TSkinManager::SkinChanged);
    manager->SetSkinName("Rose");
    EXPECT_EQ(WindowColour(), kRose);
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    EXPECT_EQ(QApplication::style()->name().toLower(), "fusion");
    manager->SetSkinName("Aqua");
    EXPECT_EQ(WindowColour(), kAqua);
    EXPECT_EQ(qApp->styleSheet(), kAquaSheet);
    // Switching on again while on, or a new folder, loads nothing by itself.
    manager->SetActive(true);
    manager->SetSkinDirectory(dir.filePath("elsewhere"));
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(WindowColour(), kAqua);
}

TEST_F(SkinManagerTest, ASkinThatCanNotBeLoadedLeavesThePlainLook)
{
    struct Case {
        QString Directory;
        QString Name;
        QString Error;
    };
    const Case cases[] = {
        {dir.filePath("no such folder"), "Aqua", "no skin folder"},
        {dir.path(), "Missing", "Missing.asz"},
        {dir.path(), "Broken", "line 4"},
        {dir.path(), "", "no skin is named"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name.toStdString() + " in " + c.Directory.toStdString());
        SwitchOn("Aqua");
        ASSERT_EQ(WindowColour(), kAqua);
        manager->SetSkinDirectory(c.Directory);
        EXPECT_NO_THROW(manager->SetSkinName(c.Name));
        EXPECT_TRUE(manager->Active());
        EXPECT_TRUE(manager->LastError().contains(c.Error)) << manager->LastError().toStdString();
        ExpectPlainLook();
    }
    // The start-up order with a missing folder: nothing goes on, nothing throws.
    manager = std::make_unique<TSkinManager>();
    manager->SetActive(false);
    manager->SetSkinDirectory(dir.filePath("skins"));
    manager->SetSkinName("BlueGauze");
    EXPECT_NO_THROW(manager->SetActive(true));
    ExpectPlainLook();
}

TEST_F(SkinManagerTest, SwitchingOffOrEndingPutsThePlainLookBack)
{
    SwitchOn("Aqua");
    manager->SetActive(false);
    ExpectPlainLook();
    manager->SetSkinName("Rose");
    ExpectPlainLook();

    manager->SetActive(true);
    EXPECT_EQ(WindowColour(), kRose);
    manager.reset();
    manager = std::make_unique<TSkinManager>();
    ExpectPlainLook();
}

}  // namespace
