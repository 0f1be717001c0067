#include "SkinTexts.h"
#include "appearance/Form4.h"
#include "appearance/HelpCommand.h"
#include "appearance/ProgramFolder.h"
#include "platform/ErrorBoundary.h"
#include "shell/VertexStore.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QPointer>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString Page(const QString& body)
{
    return "<html><head><meta charset=\"utf-8\"><title>Довідка</title></head><body><p>" + body +
           "</p></body></html>";
}

class HelpTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    void TearDown() override { SetExecutableFolder({}); }

    QTemporaryDir dir;
    TForm4 form;
};

TEST_F(HelpTest, TheWindowIsCreatedHiddenWithTheViewFillingIt)
{
    EXPECT_TRUE(form.isHidden());
    EXPECT_EQ(form.objectName(), "Form4");
    EXPECT_EQ(form.windowTitle(), "Допомога");
    EXPECT_EQ(form.pos(), QPoint(404, 320));
    EXPECT_EQ(form.WebBrowser1->objectName(), "WebBrowser1");
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.WebBrowser1->geometry(), form.rect());
    form.resize(500, 300);
    QApplication::processEvents();
    EXPECT_EQ(form.WebBrowser1->geometry(), QRect(0, 0, 500, 300));
    QPointer<TForm4> alive(&form);
    form.close();
    EXPECT_TRUE(alive);
    EXPECT_TRUE(form.isHidden());
}

TEST_F(HelpTest, ShowsThePageBesideTheExecutableAndReloadsItEachTime)
{
    // Spaces and Cyrillic letters in the folder reach the view unchanged.
    const QString folder = dir.filePath("Геометрія 7 клас") + "/";
    QDir().mkpath(folder);
    WriteTextFile(folder + "help.htm", Page("Перша версія"));
    SetExecutableFolder(folder);

    ShowHelpPage(form);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(BasePath, folder.toStdString());
    EXPECT_EQ(form.WebBrowser1->LocationUrl(), folder + "help.htm");
    EXPECT_EQ(form.WebBrowser1->toPlainText(), "Перша версія");

    WriteTextFile(folder + "help.htm", Page("Друга версія"));
    const QRect placed = form.geometry();
    ShowHelpPage(form);
    EXPECT_EQ(form.WebBrowser1->toPlainText(), "Друга версія");
    EXPECT_EQ(form.geometry(), placed);
    int helpWindows = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) helpWindows += w->objectName() == "Form4" && w->isVisible();
    EXPECT_EQ(helpWindows, 1);
}

TEST_F(HelpTest, BackslashesOfTheFolderBecomeSlashes)
{
    SetExecutableFolder("C:\\geo\\");
    ShowHelpPage(form);
    EXPECT_EQ(BasePath, "C:\\geo\\");
    EXPECT_EQ(form.WebBrowser1->LocationUrl(), "C:/geo/help.htm");
}

TEST_F(HelpTest, AMissingPageIsReportedInTheWindowWithoutAMessageBox)
{
    ScriptedDialogs dialogs;
    SetExecutableFolder(dir.path());
    platform::RunHandler([&] { ShowHelpPage(form); });
    EXPECT_TRUE(dialogs.Shown.empty());
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.WebBrowser1->toPlainText().contains("Сторінку не вдалося відкрити"));
}

TEST_F(HelpTest, AVisibleWindowIsNotBroughtToTheFront)
{
    WriteTextFile(dir.filePath("help.htm"), Page("Сторінка"));
    SetExecutableFolder(dir.path());
    ShowHelpPage(form);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    ShowHelpPage(form);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &other);
}

TEST(ShippedHelp, ThePageIsUkrainianUtf8AndCoversTheProgram)
{
    const QString path = QCoreApplication::applicationDirPath() + "/help.htm";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("charset=utf-8"));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString source = utf8.decode(bytes);
    EXPECT_FALSE(utf8.hasError());
    EXPECT_TRUE(source.contains("<html lang=\"uk\">"));

    TForm4 form;
    SetExecutableFolder(QCoreApplication::applicationDirPath());
    ShowHelpPage(form);
    SetExecutableFolder({});
    EXPECT_EQ(form.WebBrowser1->documentTitle(), "Ortalis — довідка");
    const QString text = form.WebBrowser1->toPlainText().simplified();
    const char* const mentioned[] = {
        // tabs and their fields
        "«Трикутник»", "«Чотирикутни»", "«N-кутник»", "«Правильні n-кутники»", "x1, y1, x2, y2, x3, y3",
        "«Герона»", "«Векторний добуток»", "«Піка»", "«Додати»", "«додати»", "«Випадкові точки»",
        "«Кількість вершин»", "«Введені координати вершин»", "«Опуклість»", "«Площа»", "«Периметр»",
        "«Довжина сторони»", "«Початковий кут»", "«Описане коло»", "«Вписане коло»",
        // menus
        "Меню «Трикутник»", "«Побудова»", "«Довжини сторін»", "Меню «Чотирикутник»", "«Плоша»",
        "Меню «N-кутник»", "«Побудова опуклої оболонки (Авт.)»", "«Побудова опуклої оболонки (Джарвіса)»",
        "Меню «Правильний n-кутник»", "«Побудувати»", "Меню «Налаштування»", "«Змінити...»", "Меню «Допомога»",
        // task files
        "«Відкрити завдання…»", "«Зберегти завдання…»", "«Вихід»", "«.ortalis»", "Завдання у файлах",
        // the drawing window
        "X=, Y=", "«цілі»", "«Очищення»", "«Перебудувати»", "«Колір»", "«Товщина»", "«min», «max»",
        "«статичний»", "«очищення»", "Маркери рамки", "Меню «Файл»", "«Записати»", "«Прочитати»",
        "«Надрукувати»",
        // the check and the other messages
        "Многокутник:", "Виконувати?", "неопуклий", "співбадання точок", "перетин сторін",
        "три точки розміщені на прямій", "не задано вершин", "«Не правильно введені координати»",
        "is not a valid integer value", "is not a valid floating point value", "Floating point division by zero",
        "Invalid floating point operation",
        // the methods
        "Формула Герона", "Векторний добуток.", "Формула Піка", "повторні перегляди", "Джарвіса",
        "BlueGauze",
    };
    for (const char* phrase : mentioned) EXPECT_TRUE(text.contains(QString::fromUtf8(phrase))) << phrase;
}

}  // namespace
