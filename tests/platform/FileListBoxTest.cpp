#include "platform/Errors.h"
#include "platform/FileListBox.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

class FileListBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(empty.isValid());
        for (const char* name : {"BlueGauze.asz", "Aqua.asz", "night.Blue.asz", "Ember.asz", "notes.txt",
                                 "Aqua.asz.bak", "LOUD.ASZ", ".hidden.asz"})
            Touch(dir.filePath(name));
        QDir(dir.path()).mkdir("Folder.asz");
        QFile::link(dir.filePath("nowhere"), dir.filePath("Dangling.asz"));
        list.SetMask("*.asz");
    }
    void TearDown() override { QDir::setCurrent(startFolder); }

    static void Touch(const QString& path)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QStringList Rows() const
    {
        QStringList rows;
        for (int i = 0; i < list.count(); ++i) rows << list.item(i)->text();
        return rows;
    }

    // Shows the list so that pointer and keys reach it as they would on screen.
    void Show()
    {
        list.resize(170, 393);
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    void ClickRow(int row)
    {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
    }

    const QString startFolder = QDir::currentPath();
    QTemporaryDir dir;
    QTemporaryDir empty;
    platform::TFileListBox list;
};

TEST_F(FileListBoxTest, ListsThePlainFilesMatchingTheMaskByName)
{
    list.SetFileName(dir.path());
    // Letter case plays no part in the order, but does in the mask; folders,
    // hidden files and links to nothing are left out.
    EXPECT_EQ(Rows(), QStringList({"Aqua.asz", "BlueGauze.asz", "Ember.asz", "night.Blue.asz"}));
    EXPECT_EQ(list.Directory(), Native(dir.path()));
    EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).canonicalPath());
    EXPECT_EQ(list.selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(list.FileName(), "");
    Show();
    EXPECT_EQ(list.visualItemRect(list.item(0)).height(), 13);
    EXPECT_EQ(list.visualItemRect(list.item(1)).top(), 13);
}

TEST_F(FileListBoxTest, AFolderThatDoesNotExistRaisesAndChangesNothing)
{
    list.SetFileName(dir.path());
    const QString missing = dir.filePath("skins");
    try {
        list.SetFileName(missing);
        FAIL() << "no error";
    } catch (const platform::PlatformError& e) {
        EXPECT_EQ(e.Message(), ("Cannot change to folder \"" + missing + "\". The folder does not exist").toStdString());
    }
    EXPECT_EQ(list.Directory(), Native(dir.path()));
    EXPECT_EQ(Rows().size(), 4);
    EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).canonicalPath());
}

TEST_F(FileListBoxTest, StartsInTheCurrentFolder)
{
    QDir::setCurrent(dir.path());
    platform::TFileListBox fresh;
    fresh.SetMask("*.asz");
    EXPECT_EQ(fresh.Directory(), Native(QDir(dir.path()).canonicalPath()));
    EXPECT_EQ(fresh.count(), 4);
}

TEST_F(FileListBoxTest, AnEmptyFolderGivesAnEmptyList)
{
    list.SetFileName(dir.path());
    list.SetFileName(empty.path());
    QSignalSpy clicks(&list, &platform::TFileListBox::Click);
    Show();
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(20, 5));
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.FileName(), "");
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(FileListBoxTest, PointerAndArrowKeysSelectAndFireClick)
{
    list.SetFileName(dir.path());
    Show();
    QSignalSpy clicks(&list, &platform::TFileListBox::Click);
    QStringList chosen;
    QObject::connect(&list, &platform::TFileListBox::Click, [&] { chosen << list.FileName(); });

    ClickRow(1);
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Down);  // past the last row: nothing moves
    QTest::keyClick(&list, Qt::Key_Up);
    ClickRow(2);  // the row already selected: a click all the same
    const QString folder = Native(dir.path()) + QDir::separator();
    EXPECT_EQ(chosen, QStringList({folder + "BlueGauze.asz", folder + "Ember.asz", folder + "night.Blue.asz",
                                   folder + "Ember.asz", folder + "Ember.asz"}));
    EXPECT_EQ(clicks.count(), 5);
}

TEST_F(FileListBoxTest, NamingAFileSelectsItWithoutAClick)
{
    QSignalSpy clicks(&list, &platform::TFileListBox::Click);
    list.SetFileName(dir.filePath("Ember.asz"));
    EXPECT_EQ(list.FileName(), Native(dir.filePath("Ember.asz")));
    EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).canonicalPath());
    // Read again when shown: a new file appears, the selection stays.
    Touch(dir.filePath("Coral.asz"));
    Show();
    EXPECT_EQ(Rows(), QStringList({"Aqua.asz", "BlueGauze.asz", "Coral.asz", "Ember.asz", "night.Blue.asz"}));
    EXPECT_EQ(list.FileName(), Native(dir.filePath("Ember.asz")));
    EXPECT_EQ(clicks.count(), 0);
}

}  // namespace
