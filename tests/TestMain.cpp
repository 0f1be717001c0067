// Every test program runs Qt headless on the offscreen platform.
#include <QApplication>
#include <gtest/gtest.h>

namespace {

QtMessageHandler qtDefaultHandler = nullptr;

// The offscreen platform cannot stack windows and says so at every raise, which
// every construction asks for; the rest of Qt's messages pass.
void DropOffscreenRaiseNotice(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message == QLatin1String("This plugin does not support raise()")) return;
    qtDefaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qtDefaultHandler = qInstallMessageHandler(DropOffscreenRaiseNotice);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
