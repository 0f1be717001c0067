// The real Qt dialogs behind the dialog seam, answered as a user would.
#include "QtPrinters.h"
#include "platform/Dialogs.h"
#include "shell/Application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs `answer` on the next modal dialog as soon as it is shown.
void WhenModal(std::function<void(QWidget*)> answer)
{
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        }
    });
    timer->start(10);
}

class RealDialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InstallTranslations(*qApp); }
};

struct Seen {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption, text;
    QStringList buttons;
};

void Inspect(QWidget* modal, Seen& seen, QMessageBox::StandardButton press)
{
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    seen.icon = box->icon();
    seen.caption = box->windowTitle();
    seen.text = box->text();
    for (QAbstractButton* b : box->buttons()) seen.buttons << b->text().remove('&');
    box->button(press)->click();
}

}  // namespace

TEST_F(RealDialogs, MessageBoxesShowTheirIconButtonsAndText)
{
    Seen error;
    WhenModal([&](QWidget* m) { Inspect(m, error, QMessageBox::Ok); });
    platform::Dialogs().ErrorBox(nullptr, "Ortalis", "Floating point overflow.");
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    EXPECT_EQ(error.caption, "Ortalis");
    EXPECT_EQ(error.text, "Floating point overflow.");
    EXPECT_EQ(error.buttons.size(), 1);

    Seen message;
    WhenModal([&](QWidget* m) { Inspect(m, message, QMessageBox::Ok); });
    platform::Dialogs().MessageBox(nullptr, "Помилка", "Не правильно введені координати");
    EXPECT_EQ(message.icon, QMessageBox::NoIcon);
    EXPECT_EQ(message.caption, "Помилка");
    EXPECT_EQ(message.buttons.size(), 1);

    Seen question;
    WhenModal([&](QWidget* m) { Inspect(m, question, QMessageBox::No); });
    EXPECT_EQ(platform::Dialogs().Question(nullptr, "Перевірка", "Многокутник: ? Виконувати?"), platform::TAnswer::No);
    EXPECT_EQ(question.icon, QMessageBox::Question);
    EXPECT_EQ(question.buttons.size(), 2);
    WhenModal([&](QWidget* m) { Inspect(m, question, QMessageBox::Yes); });
    EXPECT_EQ(platform::Dialogs().Question(nullptr, "Перевірка", "?"), platform::TAnswer::Yes);
}

TEST_F(RealDialogs, QuestionButtonsSpeakUkrainianWhenTranslationsAreInstalled)
{
    if (QCoreApplication::translate("QPlatformTheme", "&Yes") == "&Yes") GTEST_SKIP() << "qtbase_uk not installed";
    Seen question;
    WhenModal([&](QWidget* m) { Inspect(m, question, QMessageBox::Yes); });
    platform::Dialogs().Question(nullptr, "Перевірка", "?");
    EXPECT_TRUE(question.buttons.contains("Так")) << question.buttons.join(",").toStdString();
    EXPECT_TRUE(question.buttons.contains("Ні"));
}

TEST_F(RealDialogs, ColourDialogReturnsTheChosenColourOrNothing)
{
    WhenModal([](QWidget* m) {
        auto* dialog = qobject_cast<QColorDialog*>(m);
        ASSERT_NE(dialog, nullptr);
        dialog->setCurrentColor(QColor(10, 20, 30));
        dialog->accept();
    });
    EXPECT_EQ(platform::Dialogs().ChooseColor(nullptr, Qt::black), QColor(10, 20, 30));

    WhenModal([](QWidget* m) { qobject_cast<QDialog*>(m)->reject(); });
    EXPECT_EQ(platform::Dialogs().ChooseColor(nullptr, Qt::black), std::nullopt);
}

TEST_F(RealDialogs, SaveAndOpenDialogsReturnTheNameAndFilter)
{
    QTemporaryDir dir;
    const QString filter = "*.bmp|*.bmp|*.jpg|*.jpg";
    WhenModal([&](QWidget* m) {
        auto* dialog = qobject_cast<QFileDialog*>(m);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->selectedNameFilter(), "*.bmp (*.bmp)");
        dialog->selectNameFilter("*.jpg (*.jpg)");
        dialog->findChild<QLineEdit*>()->setText("picture");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    auto saved = platform::Dialogs().SaveFile(nullptr, filter, 1, dir.path());
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->FileName, dir.filePath("picture"));
    EXPECT_EQ(saved->FilterIndex, 2);

    WhenModal([](QWidget* m) { qobject_cast<QDialog*>(m)->reject(); });
    EXPECT_EQ(platform::Dialogs().OpenFile(nullptr, filter, 1, dir.path()).has_value(), false);
}

TEST_F(RealDialogs, PrintDialogCancelReportsFalse)
{
    QPrinter printer;
    WhenModal([](QWidget* m) { qobject_cast<QDialog*>(m)->reject(); });
    EXPECT_FALSE(platform::Dialogs().Print(nullptr, printer));
}

TEST_F(RealDialogs, SaveDialogAsksBeforeReplacingTheFileTheSaveWillWrite)
{
    QTemporaryDir dir;
    QFile existing(dir.filePath("picture.bmp"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    const auto target = [](const platform::TFileChoice& choice) { return choice.FileName + ".bmp"; };

    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        SCOPED_TRACE(answer == QMessageBox::No ? "no" : "yes");
        Seen question;
        bool stillOpen = false;
        WhenModal([&](QWidget* m) {
            auto* dialog = qobject_cast<QFileDialog*>(m);
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QLineEdit*>()->setText("picture");  // the save adds ".bmp"
            WhenModal([&](QWidget* box) { Inspect(box, question, answer); });
            QMetaObject::invokeMethod(dialog, "accept");
            stillOpen = dialog->isVisible();
            if (stillOpen) dialog->reject();
        });
        const auto chosen = platform::Dialogs().SaveFile(nullptr, "*.bmp|*.bmp", 1, dir.path(), target);
        EXPECT_TRUE(question.text.contains("picture.bmp")) << question.text.toStdString();
        EXPECT_EQ(question.icon, QMessageBox::Warning);
        EXPECT_EQ(stillOpen, answer == QMessageBox::No);
        EXPECT_EQ(chosen.has_value(), answer == QMessageBox::Yes);
        if (QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?") !=
            "%1 already exists.\nDo you want to replace it?") {
            EXPECT_FALSE(question.text.contains("already exists"));  // in Ukrainian
        }
    }

    // A name that will not replace anything is taken without a question.
    WhenModal([&](QWidget* m) {
        auto* dialog = qobject_cast<QFileDialog*>(m);
        dialog->findChild<QLineEdit*>()->setText("other");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const auto other = platform::Dialogs().SaveFile(nullptr, "*.bmp|*.bmp", 1, dir.path(), target);
    ASSERT_TRUE(other.has_value());
    EXPECT_EQ(other->FileName, dir.filePath("other"));
}
