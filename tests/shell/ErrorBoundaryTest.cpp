#include "ScriptedDialogs.h"
#include "platform/ErrorBoundary.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

TEST(ErrorBoundary, CaptionComesFromTheExecutableName)
{
    EXPECT_EQ(platform::CaptionFromFileName("/opt/geo/Ortalis"), "Ortalis");
    EXPECT_EQ(platform::CaptionFromFileName("C:/geo/ORTALIS.EXE"), "Ortalis");
    EXPECT_EQ(platform::CaptionFromFileName("ortalis.v2.exe"), "ortalis");
    EXPECT_EQ(platform::CaptionFromFileName("my_GEO"), "my_geo");
}

TEST(ErrorBoundary, AppendsAFullStopOnlyAfterCharactersSortingAfterIt)
{
    EXPECT_EQ(platform::ErrorBoxText("Floating point division by zero"), "Floating point division by zero.");
    EXPECT_EQ(platform::ErrorBoxText("'a' is not a valid integer value"), "'a' is not a valid integer value.");
    EXPECT_EQ(platform::ErrorBoxText("Готово."), "Готово.");
    EXPECT_EQ(platform::ErrorBoxText("Що?"), "Що?.");
    EXPECT_EQ(platform::ErrorBoxText("кінець!"), "кінець!");
    EXPECT_EQ(platform::ErrorBoxText("Помилка"), "Помилка.");
}

TEST(ErrorBoundary, ShowsTheErrorBoxAndKeepsWhatTheHandlerChanged)
{
    ScriptedDialogs dialogs;
    int changed = 0;
    platform::RunHandler([&] {
        changed = 1;
        platform::RaiseDivisionByZero();
        changed = 2;
    });
    EXPECT_EQ(changed, 1);
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown[0].Kind, "error");
    EXPECT_EQ(dialogs.Shown[0].Caption, platform::ApplicationTitle());
    EXPECT_EQ(dialogs.Shown[0].Text, "Floating point division by zero.");
}

// A message is shown whole, even with a NUL from the field's text inside it.
TEST(ErrorBoundary, ShowsAMessageWithANulWhole)
{
    ScriptedDialogs dialogs;
    const std::string text("1\0" "2", 3);
    platform::RunHandler([&] { throw platform::ConvertError("'" + text + "' is not a valid integer value"); });
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown[0].Text, QString::fromStdString("'" + text + "' is not a valid integer value."));
}

