#include "platform/Errors.h"
#include "platform/HtmlBrowser.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

void WritePage(const QString& path, const QString& body)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(("<html><head><meta charset=\"utf-8\"></head><body><p>" + body + "</p></body></html>").toUtf8());
}

TEST(HtmlBrowser, ShowsAPageAndReadsItAgainOnEveryNavigation)
{
    QTemporaryDir dir;
    const QString page = dir.filePath("help.htm");
    WritePage(page, "Перша версія");
    platform::THtmlBrowser browser;
    browser.Navigate(page);
    EXPECT_EQ(browser.LocationUrl(), page);
    EXPECT_EQ(browser.toPlainText(), "Перша версія");

    WritePage(page, "Друга версія");
    browser.Navigate(page);
    EXPECT_EQ(browser.toPlainText(), "Друга версія");

    WritePage(page, "Третя версія");
    browser.Navigate(QUrl::fromLocalFile(page).toString());
    EXPECT_EQ(browser.toPlainText(), "Третя версія");
}

TEST(HtmlBrowser, AMissingPageIsReportedInsideTheView)
{
    QTemporaryDir dir;
    const QString page = dir.filePath("help.htm");
    platform::THtmlBrowser browser;
    EXPECT_NO_THROW(browser.Navigate(page));
    EXPECT_TRUE(browser.toPlainText().contains("Сторінку не вдалося відкрити"));
    EXPECT_TRUE(browser.toPlainText().contains(page));
    // Once the page is there, the same address shows it.
    WritePage(page, "Тепер є");
    browser.Navigate(page);
    EXPECT_EQ(browser.toPlainText(), "Тепер є");
}

TEST(HtmlBrowser, RefusesAddressesItCanNotOpen)
{
    QTemporaryDir dir;
    const QString page = dir.filePath("help.htm");
    WritePage(page, "Лишається");
    platform::THtmlBrowser browser;
    browser.Navigate(page);
    const std::pair<QString, std::string> cases[] = {
        {"", "Cannot navigate to \"\". The address is empty"},
        {"http://example.org/help.htm",
         "Cannot navigate to \"http://example.org/help.htm\". Only pages on this computer can be shown"},
    };
    for (const auto& [url, message] : cases) {
        SCOPED_TRACE(url.toStdString());
        try {
            browser.Navigate(url);
            ADD_FAILURE() << "no error";
        } catch (const platform::PlatformError& e) {
            EXPECT_EQ(e.Message(), message);
        }
        EXPECT_EQ(browser.toPlainText(), "Лишається");
        EXPECT_EQ(browser.LocationUrl(), page);
    }
}

}  // namespace
