#include "common/utf8.h"

#include <gtest/gtest.h>

namespace lexorama::utf8 {
namespace {

struct CutCase {
    std::string text;
    std::size_t width;
    std::string expected;
};

class CutToWidth : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutToWidth, KeepsWholeCharacters)
{
    EXPECT_EQ(cutToWidth(GetParam().text, GetParam().width), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CutToWidth, ::testing::Values(
    CutCase{"abc", 5, "abc"},
    CutCase{"abcdef", 3, "abc"},
    CutCase{"мама", 8, "мама"},
    CutCase{"мама", 7, "мам"},        // the fourth letter would be split
    CutCase{"aмама", 2, "a"},
    CutCase{"sɐbˈakə", 4, "sɐb"},     // ˈ is two bytes
    CutCase{"😀x", 3, ""},
    CutCase{"", 0, ""}));

TEST(Utf8, FindsInvalidSequences)
{
    EXPECT_EQ(findInvalid("собака sɐbˈakə"), std::string_view::npos);
    EXPECT_EQ(findInvalid("ab\xD1"), 2u);               // truncated
    EXPECT_EQ(findInvalid("a\xC0\x80"), 1u);            // overlong
    EXPECT_EQ(findInvalid("\xED\xA0\x80"), 0u);         // surrogate
    EXPECT_EQ(findInvalid("ok\xF0\x9F\x98\x80\xFF"), 6u);
}

TEST(Utf8, PositionCountsLinesAndCharacters)
{
    const std::string text = "ab\nпри<x";
    const Position p = positionOf(text, text.find('<'));
    EXPECT_EQ(p.line, 2);
    EXPECT_EQ(p.column, 4);
}

} // namespace
} // namespace lexorama::utf8
