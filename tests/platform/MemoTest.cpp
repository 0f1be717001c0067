#include "platform/Memo.h"

#include <QApplication>
#include <gtest/gtest.h>

// The lines a command appended are what the box shows, empty lines included, and
// what the user types becomes the lines.
TEST(Memo, ShownTextFollowsTheLines)
{
    const QStringList sequences[] = {
        {"a"},
        {"", "x"},
        {"", ""},
        {"2,89      0", "-1,44      2,5", ""},
    };
    for (const QStringList& lines : sequences) {
        SCOPED_TRACE(lines.join('|').toStdString());
        platform::TMemo memo;
        memo.Add("before");
        memo.Clear();
        EXPECT_TRUE(memo.Lines().isEmpty());
        EXPECT_EQ(memo.toPlainText(), "");
        for (const QString& line : lines) memo.Add(line);
        EXPECT_EQ(memo.Lines(), lines);
        EXPECT_EQ(memo.toPlainText(), lines.join('\n'));
        EXPECT_EQ(memo.textCursor().position(), memo.toPlainText().size());  // scrolled to the end
    }
    platform::TMemo memo;
    memo.Add("1");
    memo.setPlainText("typed\nby hand");
    EXPECT_EQ(memo.Lines(), QStringList({"typed", "by hand"}));
    memo.Add("added");
    EXPECT_EQ(memo.toPlainText(), "typed\nby hand\nadded");
}
