#include "platform/Progress.h"

#include "platform/ErrorBoundary.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr int kSteps = 1000;
constexpr int kShowAfterMs = 500;
// While the dialog is up the program handles its events this often at least.
constexpr int kEventsEveryMs = 20;

class DialogReport : public ProgressReport {
public:
    DialogReport(QWidget* owner, const QString& text) : dialog_(text, "Скасувати", 0, kSteps, owner)
    {
        dialog_.setWindowTitle(ApplicationTitle());
        // Every window waits: no other command may touch the figure meanwhile.
        dialog_.setWindowModality(Qt::ApplicationModal);
        dialog_.setMinimumDuration(kShowAfterMs);
        dialog_.setAutoClose(false);
        dialog_.setAutoReset(false);
        dialog_.setValue(0);  // starts the dialog's own clock
        sinceEvents_.start();
    }

    bool Update(double done) override
    {
        const int value = std::isfinite(done) ? int(std::clamp(done, 0.0, 1.0) * kSteps) : 0;
        // Below the maximum, so the dialog neither resets nor closes on its own.
        if (value != dialog_.value()) dialog_.setValue(std::min(value, kSteps - 1));
        if (dialog_.isVisible() && sinceEvents_.elapsed() >= kEventsEveryMs) {
            QCoreApplication::processEvents();
            sinceEvents_.restart();
        }
        return !dialog_.wasCanceled();
    }

private:
    QProgressDialog dialog_;
    QElapsedTimer sinceEvents_;
};

ProgressHost realHost;
ProgressHost* currentHost = &realHost;

}  // namespace

std::unique_ptr<ProgressReport> ProgressHost::Begin(QWidget* owner, const QString& text)
{
    return std::make_unique<DialogReport>(owner, text);
}

ProgressHost& Progress() { return *currentHost; }

void SetProgressHost(ProgressHost* host) { currentHost = host ? host : &realHost; }

}  // namespace platform
