// The real progress dialog behind the progress seam, watched and cancelled as a user would.
#include "platform/ErrorBoundary.h"
#include "platform/Progress.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <gtest/gtest.h>

namespace {

QProgressDialog* ShownProgressDialog()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QProgressDialog*>(w); d && d->isVisible()) return d;
    return nullptr;
}

}  // namespace

TEST(ProgressDialog, ShortWorkNeverShowsIt)
{
    {
        std::unique_ptr<platform::ProgressReport> report = platform::Progress().Begin(nullptr, "коротка робота");
        for (int i = 1; i <= 100; ++i) EXPECT_TRUE(report->Update(i / 100.0));
        EXPECT_EQ(ShownProgressDialog(), nullptr);
    }
    EXPECT_EQ(ShownProgressDialog(), nullptr);
}

TEST(ProgressDialog, LongWorkShowsItAndCancelStopsIt)
{
    std::unique_ptr<platform::ProgressReport> report = platform::Progress().Begin(nullptr, "довга робота");
    QElapsedTimer clock;
    clock.start();
    QProgressDialog* dialog = nullptr;
    // Slow work: a hundredth every 20 ms would take two seconds, so the dialog
    // soon sees it is worth showing.
    for (int i = 1; !dialog && clock.elapsed() < 5000; ++i) {
        QThread::msleep(20);
        ASSERT_TRUE(report->Update(std::min(i, 99) / 100.0));
        dialog = ShownProgressDialog();
    }
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), platform::ApplicationTitle());
    EXPECT_EQ(dialog->labelText(), "довга робота");
    EXPECT_GT(dialog->value(), 0);

    QPushButton* cancel = nullptr;
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->text() == "Скасувати") cancel = b;
    ASSERT_NE(cancel, nullptr);
    cancel->click();
    EXPECT_FALSE(report->Update(0.5));
    report.reset();
    EXPECT_EQ(ShownProgressDialog(), nullptr);
}
