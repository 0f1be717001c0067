#include "ScriptedDialogs.h"
#include "SkinTexts.h"
#include "appearance/Form3.h"
#include "appearance/ProgramFolder.h"
#include "appearance/SkinManager.h"
#include "shell/VertexStore.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QColor kAqua("#2a8a9a");
const QColor kBlue("#dce7f3");
const QColor kNight("#1b2536");

class Form3Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(exeFolder.isValid());
        SetExecutableFolder(exeFolder.path());
        skins = exeFolder.filePath("skins");
        ResetVertexStore();
    }
    void TearDown() override
    {
        form.reset();
        manager.SetActive(false);
        SetExecutableFolder({});
    }

    void MakeSkins()
    {
        QDir(exeFolder.path()).mkdir("skins");
        WriteTextFile(skins + "/BlueGauze.asz", SkinText(kBlue.name()));
        WriteTextFile(skins + "/Aqua.asz", SkinText(kAqua.name()));
        WriteTextFile(skins + "/Night.Blue.asz", SkinText(kNight.name()));
        WriteTextFile(skins + "/readme.txt", "not a skin");
    }

    // The main window's start-up: the engine on with the start skin, then the chooser.
    void StartUp()
    {
        manager.SetActive(false);
        manager.SetSkinDirectory(SkinsFolderPath());
        manager.SetSkinName("BlueGauze");
        manager.SetActive(true);
        form = std::make_unique<TForm3>(manager);
    }

    void ShowChooser()
    {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    void ClickRow(const QString& name)
    {
        const QList<QListWidgetItem*> found = form->FileListBox1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(form->FileListBox1->viewport(), Qt::LeftButton, {},
                          form->FileListBox1->visualItemRect(found.first()).center());
    }

    CurrentFolderGuard folderGuard;
    ScriptedDialogs dialogs;
    QTemporaryDir exeFolder;
    QString skins;
    TSkinManager manager;
    std::unique_ptr<TForm3> form;
};

TEST_F(Form3Test, IsCreatedHiddenAndListsTheSkinsFolder)
{
    MakeSkins();
    StartUp();
    EXPECT_TRUE(dialogs.Shown.empty());
    EXPECT_TRUE(form->isHidden());
    EXPECT_EQ(form->objectName(), "Form3");
    EXPECT_EQ(form->windowTitle(), "Скіни");
    EXPECT_EQ(form->pos(), QPoint(509, 41));
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form->minimumSize(), QSize(0, 0));  // sizeable
    EXPECT_EQ(form->FileListBox1->objectName(), "FileListBox1");
    EXPECT_EQ(form->FileListBox1->geometry(), QRect(-1, 0, 170, 393));
    EXPECT_EQ(form->FileListBox1->Mask(), "*.asz");

    EXPECT_EQ(BasePath, SkinsFolderPath().toStdString());
    EXPECT_EQ(form->FileListBox1->Directory(), QDir::toNativeSeparators(skins));
    EXPECT_EQ(QDir::currentPath(), QDir(skins).canonicalPath());
    QStringList rows;
    for (int i = 0; i < form->FileListBox1->count(); ++i) rows << form->FileListBox1->item(i)->text();
    EXPECT_EQ(rows, QStringList({"Aqua.asz", "BlueGauze.asz", "Night.Blue.asz"}));

    // Closing hides the window and keeps it.
    ShowChooser();
    QPointer<TForm3> alive(form.get());
    form->close();
    EXPECT_TRUE(alive);
    EXPECT_TRUE(form->isHidden());
}

TEST_F(Form3Test, SelectingARowSwitchesTheWholeProgramToThatSkin)
{
    MakeSkins();
    StartUp();
    QWidget mainWindow;
    ShowChooser();
    struct Case {
        QString Row;
        QString Name;
        QColor Window;
    };
    const Case cases[] = {
        {"Aqua.asz", "Aqua", kAqua},
        {"Night.Blue.asz", "Night.Blue", kNight},  // a dot inside the name stays
        {"BlueGauze.asz", "BlueGauze", kBlue},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Row.toStdString());
        BasePath = "stale";
        ClickRow(c.Row);
        EXPECT_EQ(manager.SkinName(), c.Name);
        EXPECT_EQ(manager.SkinDirectory(), SkinsFolderPath());
        EXPECT_EQ(BasePath, SkinsFolderPath().toStdString());
        EXPECT_TRUE(manager.Active());
        EXPECT_EQ(form->palette().color(QPalette::Window), c.Window);
        EXPECT_EQ(mainWindow.palette().color(QPalette::Window), c.Window);
        EXPECT_TRUE(form->isVisible());  // the chooser stays open for the next try
    }
    EXPECT_TRUE(dialogs.Shown.empty());
}

TEST_F(Form3Test, ArrowKeysSwitchTheSkinAtEachStep)
{
    MakeSkins();
    StartUp();
    ShowChooser();
    QSignalSpy changed(&manager, &TSkinManager::SkinChanged);
    ClickRow("Aqua.asz");
    QStringList names{manager.SkinName()};
    QTest::keyClick(form->FileListBox1, Qt::Key_Down);
    names << manager.SkinName();
    EXPECT_EQ(form->palette().color(QPalette::Window), kBlue);
    QTest::keyClick(form->FileListBox1, Qt::Key_Down);
    names << manager.SkinName();
    EXPECT_EQ(form->palette().color(QPalette::Window), kNight);
    QTest::keyClick(form->FileListBox1, Qt::Key_Up);
    names << manager.SkinName();
    EXPECT_EQ(names, QStringList({"Aqua", "BlueGauze", "Night.Blue", "BlueGauze"}));
    EXPECT_EQ(changed.count(), 4);
}

TEST_F(Form3Test, AMissingSkinsFolderIsReportedOnceAndStartUpGoesOn)
{
    // The folder the program was started in, with a skin file of its own.
    QTemporaryDir startFolder;
    WriteTextFile(startFolder.filePath("Local.asz"), SkinText("#808080"));
    QDir::setCurrent(startFolder.path());

    StartUp();
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown[0].Kind, "error");
    EXPECT_EQ(dialogs.Shown[0].Text, "Cannot change to folder \"" + SkinsFolderPath() + "\". The folder does not exist.");
    EXPECT_FALSE(manager.SkinApplied());  // the plain look
    EXPECT_TRUE(form->isHidden());
    ASSERT_EQ(form->FileListBox1->count(), 1);
    EXPECT_EQ(form->FileListBox1->item(0)->text(), "Local.asz");
    EXPECT_EQ(QDir::currentPath(), QDir(startFolder.path()).canonicalPath());
}

TEST_F(Form3Test, AnEmptySkinsFolderGivesAnEmptyListAndNothingHappens)
{
    QDir(exeFolder.path()).mkdir("skins");
    StartUp();
    ShowChooser();
    QSignalSpy changed(&manager, &TSkinManager::SkinChanged);
    QTest::keyClick(form->FileListBox1, Qt::Key_Down);
    QTest::mouseClick(form->FileListBox1->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
    EXPECT_EQ(form->FileListBox1->count(), 0);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(manager.SkinName(), "BlueGauze");
    EXPECT_TRUE(dialogs.Shown.empty());
}

}  // namespace
