#include "wordforms/cp1251.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace lexorama::wordforms::cp1251 {
namespace {

TEST(Cp1251, RoundTripsRussianLettersAndMarks)
{
    const std::string text = "Съешь ещё этих мягких булок, ЁЖ: а`виаба'за №1 «—»";
    const std::string bytes = fromUtf8(text);
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    EXPECT_EQ(bytes.size(), static_cast<std::size_t>(characters)); // one byte a character
    EXPECT_EQ(toUtf8(bytes), text);
    EXPECT_EQ(fromUtf8("ёЁаяАЯ"), "\xB8\xA8\xE0\xFF\xC0\xDF");
}

TEST(Cp1251, UnknownCharactersBecomeQuestionMarks)
{
    EXPECT_EQ(toUtf8(fromUtf8("café ɐ 😀x")), "caf? ? ?x");
    EXPECT_EQ(toUtf8(fromUtf8("a\xD1")), "a?");   // broken sequence
    EXPECT_EQ(toUtf8("\x98"), "\xEF\xBF\xBD");     // the unassigned byte
}

TEST(Cp1251, ExactConversionRefusesUnknownCharacters)
{
    EXPECT_EQ(fromUtf8Exact("рука"), fromUtf8("рука"));
    EXPECT_FALSE(fromUtf8Exact("sɐbˈakə").has_value());
    EXPECT_FALSE(fromUtf8Exact("\xFF").has_value());
}

} // namespace
} // namespace lexorama::wordforms::cp1251
