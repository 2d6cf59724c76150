#include "wordforms/sclon_matcher.h"

#include "wordforms/cp1251.h"

#include <gtest/gtest.h>

namespace lexorama::wordforms {
namespace {

using cp1251::fromUtf8;
using cp1251::toUtf8;

struct MatchCase {
    std::string pattern;
    std::string subject;
    bool matches;
};

void PrintTo(const MatchCase &c, std::ostream *os)
{
    *os << c.pattern << " ~ " << c.subject;
}

class SclonMatching : public ::testing::TestWithParam<MatchCase> {};

TEST_P(SclonMatching, FollowsTheRuleSemantics)
{
    const SclonMatcher matcher(fromUtf8(GetParam().pattern));
    EXPECT_EQ(matcher.matches(fromUtf8(GetParam().subject)), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(WordCharacters, SclonMatching, ::testing::Values(
    MatchCase{R"(^\w+$)", "ёжик", true},
    MatchCase{R"(^\w+$)", "ЁЖИК_42", true},
    MatchCase{R"(^\w+$)", "café", false},             // é has no Windows-1251 form
    MatchCase{R"(^\w+$)", "їжак", false},             // Ukrainian ї is not a Russian letter
    MatchCase{R"(^\w{4}$)", "рука", true},            // one letter, one character
    MatchCase{R"(^.{4}$)", "ёжик", true},
    MatchCase{R"(\bкалендарь\b)", "адрес-календарь", true},
    MatchCase{R"(\bрук\b)", "рука", false},
    MatchCase{R"(\b(\w+)ять\b)", "гулять", true}));

TEST(SclonMatcher, EveryRussianLetterIsAWordCharacter)
{
    const std::string letters = "абвгдеёжзийклмнопрстуфхцчшщъыьэюяАБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ";
    const std::string bytes = fromUtf8(letters);
    ASSERT_EQ(bytes.size(), 66u);
    for (const char letter : bytes) {
        const std::string l(1, letter);
        EXPECT_TRUE(SclonMatcher("^\\w+" + l + "$").matches("\xE0\xE0" + l)) << toUtf8(l); // backtracks into \w+
        EXPECT_TRUE(SclonMatcher("\\b" + l + "\\w*" + l + "\\b").matches(l + l)) << toUtf8(l);
        EXPECT_FALSE(SclonMatcher("\\b" + l + "$").matches("\xE0" + l)) << toUtf8(l);
        EXPECT_FALSE(SclonMatcher("\\W").matches(l)) << toUtf8(l);
    }
}

INSTANTIATE_TEST_SUITE_P(Blanks, SclonMatching, ::testing::Values(
    MatchCase{R"(^\w+\s\w+$)", "адрес-календарь", true},
    MatchCase{R"(^\w+\s\w+$)", "два\tслова", true},
    MatchCase{R"(^\w+\s\w+$)", "два.слова", false},
    MatchCase{R"([\s])", "-", true}));

INSTANTIATE_TEST_SUITE_P(LetterCase, SclonMatching, ::testing::Values(
    MatchCase{"рука", "РУКА", false},                 // Russian letters keep their case
    MatchCase{"рука", "рУка", false},
    MatchCase{R"(\b(\w+[Уу])й\b)", "бУй", true},
    MatchCase{R"(\b(\w+[у])й\b)", "бУй", false},
    MatchCase{"lifehack", "LifeHack", true},          // ASCII letters do not
    MatchCase{"[a-c]x", "BX", true}));

INSTANTIATE_TEST_SUITE_P(Anchors, SclonMatching, ::testing::Values(
    MatchCase{"^а.б$", "а\nб", true},                 // "." takes line breaks
    MatchCase{"а$", "а\n", false},                    // "$" is the very end
    MatchCase{"^б", "а\nб", false}));

INSTANTIATE_TEST_SUITE_P(RussianRanges, SclonMatching, ::testing::Values(
    MatchCase{"^[а-я]+$", "ёжик", true},
    MatchCase{"^[А-Я]+$", "ЁЖИК", true},
    MatchCase{"^[А-я]+$", "Ёё", true},
    MatchCase{"^[а-ж]$", "ё", true},
    MatchCase{"^[а-е]$", "ё", false},
    MatchCase{"^[ж-я]$", "ё", false},
    MatchCase{"^[^а-я]$", "ё", false},
    MatchCase{"^[]а-я]$", "]", true},
    MatchCase{"^[а\\-я]$", "ё", false},            // an escaped "-" is no range
    MatchCase{"^а-я$", "а-я", true}));               // outside a class it is plain text

struct ReplaceCase {
    std::string pattern;
    std::string replacement;
    std::string subject;
    std::string expected;
};

void PrintTo(const ReplaceCase &c, std::ostream *os)
{
    *os << c.pattern << " = " << c.replacement << " on " << c.subject;
}

class SclonReplacing : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(SclonReplacing, ReplacesEveryMatch)
{
    const SclonMatcher matcher(fromUtf8(GetParam().pattern));
    EXPECT_EQ(toUtf8(matcher.replaceAll(fromUtf8(GetParam().subject), fromUtf8(GetParam().replacement))),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SclonReplacing, ::testing::Values(
    ReplaceCase{R"(\b(\w+)ки\b)", "_$1ки_ _$1ек_", "сумки", "_сумки_ _сумек_"},
    ReplaceCase{R"((\w+)(\w))", "$1|$2", "рука", "рук|а"},   // greedy
    ReplaceCase{"а", "о", "мама", "момо"},
    ReplaceCase{"x*", "-", "аб", "-а-б-"},                   // empty matches step on
    ReplaceCase{R"(\w+)", "<$0>", "два слова", "<два> <слова>"},
    ReplaceCase{"(x)?а", "[$1$9]", "а", "[]"},               // unset and absent groups
    ReplaceCase{"а", "$$b$", "а", "$$b$"},                   // other "$" is literal
    ReplaceCase{R"(\bзаяц\b)", "_заяц_ _зайца_", "заяц", "_заяц_ _зайца_"}));

TEST(SclonMatcher, InvalidPatternNamesItsPosition)
{
    try {
        SclonMatcher matcher(fromUtf8(R"(\b(\w+а\b)"));
        FAIL() << "no error";
    } catch (const SclonPatternError &e) {
        EXPECT_NE(std::string(e.what()).find(R"(\b(\w+а\b)"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("позиция"), std::string::npos) << e.what();
    }
}

} // namespace
} // namespace lexorama::wordforms
