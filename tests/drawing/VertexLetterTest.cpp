#include "drawing/VertexLetter.h"

#include <gtest/gtest.h>

TEST(VertexLetter, FollowsTheCodePageFromA)
{
    struct Case {
        int32_t vertex;
        char16_t expected;
    };
    const Case cases[] = {
        {1, u'A'},      {26, u'Z'},     {27, u'['},     {28, u'\\'},    {29, u']'},     {30, u'^'},
        {63, u'\x7F'},  {64, 0x0402},   {88, 0x0098},   {104, 0x0401},  {106, 0x0404},  {111, 0x0407},
        {114, 0x0406},  {115, 0x0456},  {116, 0x0491},  {121, 0x2116},  {128, u'А'},    {159, u'Я'},
        {160, u'а'},    {191, u'я'},    {192, u'\0'},   {256, u'@'},    {1000, u'('},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.vertex);
        const QString letter = VertexLetter(c.vertex);
        ASSERT_EQ(letter.size(), 1);
        EXPECT_EQ(letter.at(0).unicode(), c.expected);
    }
}

TEST(VertexLetter, CodePageHighHalf)
{
    // The punctuation block, spot-checked against the code page's table.
    EXPECT_EQ(Windows1251ToUnicode(0x80).unicode(), 0x0402);
    EXPECT_EQ(Windows1251ToUnicode(0x88).unicode(), 0x20AC);
    EXPECT_EQ(Windows1251ToUnicode(0x99).unicode(), 0x2122);
    EXPECT_EQ(Windows1251ToUnicode(0xA5).unicode(), 0x0490);
    EXPECT_EQ(Windows1251ToUnicode(0xBF).unicode(), 0x0457);
    // The Cyrillic alphabet is contiguous from 0xC0.
    for (int code = 0xC0; code <= 0xFF; ++code)
        EXPECT_EQ(Windows1251ToUnicode(uint8_t(code)).unicode(), 0x0410 + (code - 0xC0)) << code;
    for (int code = 0; code < 0x80; ++code) EXPECT_EQ(Windows1251ToUnicode(uint8_t(code)).unicode(), code);
}
