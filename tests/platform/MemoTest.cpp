#include "platform/Memo.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <stdexcept>

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

// Lines appended in one edit give the box what one Add per line gives, after
// whatever it held; gathered lines reach it also when the command stops.
TEST(Memo, LinesInOneEditAreTheLinesAddedOneByOne)
{
    const QStringList earlier[] = {{}, {"earlier"}, {""}};
    const QStringList added[] = {{}, {"a"}, {"", "x", ""}, {"2,89      0", "-1,44      2,5"}};
    for (const QStringList& before : earlier) {
        for (const QStringList& lines : added) {
            SCOPED_TRACE(before.join('|').toStdString() + " + " + lines.join('|').toStdString());
            platform::TMemo oneByOne;
            platform::TMemo atOnce;
            for (const QString& line : before) {
                oneByOne.Add(line);
                atOnce.Add(line);
            }
            for (const QString& line : lines) oneByOne.Add(line);
            atOnce.AddLines(lines);
            EXPECT_EQ(atOnce.Lines(), oneByOne.Lines());
            EXPECT_EQ(atOnce.toPlainText(), oneByOne.toPlainText());
            EXPECT_EQ(atOnce.textCursor().position(), atOnce.toPlainText().size());
        }
    }

    platform::TMemo memo;
    try {
        platform::TMemoLines list(memo);
        list.Add("1");
        list.Add("2");
        EXPECT_TRUE(memo.Lines().isEmpty());  // not yet
        throw std::runtime_error("the third line could not be formatted");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(memo.Lines(), QStringList({"1", "2"}));
}
