#include "wordforms/sclon_rules.h"

#include "wordforms/cp1251.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace lexorama::wordforms {
namespace {

using cp1251::fromUtf8;

TEST(SclonRules, BuiltInSetKeepsEveryLine)
{
    const SclonRules rules = SclonRules::builtIn();
    ASSERT_EQ(rules.lineCount(), 169u);
    std::size_t ruleLines = 0, comments = 0, blanks = 0;
    for (std::size_t i = 0; i < rules.lineCount(); ++i) {
        const std::string line(rules.line(i));
        if (SclonRules::isRuleLine(line))
            ++ruleLines;
        else if (line.find('#') != std::string::npos)
            ++comments;
        else
            ++blanks;
    }
    EXPECT_EQ(ruleLines, 58u);
    EXPECT_EQ(comments, 89u);
    EXPECT_EQ(blanks, 22u);
}

TEST(SclonRules, BuiltInRuleOrderPutsSpecialCasesFirst)
{
    const SclonRules rules = SclonRules::builtIn();
    auto rowOf = [&rules](const std::string &start) {
        for (std::size_t i = 0; i < rules.lineCount(); ++i)
            if (rules.line(i).starts_with(fromUtf8(start)))
                return i;
        return rules.lineCount();
    };
    EXPECT_LT(rowOf(R"(\b(\w+ш)ить\b=)"), rowOf(R"(\b(\w+)ить\b=)"));
    EXPECT_LT(rowOf(R"(\b(\w+[жчшщ])ий\b=)"), rowOf(R"(\b(\w+)ий\b=)"));
    EXPECT_LT(rowOf(R"(\b(\w+)оваться\b=)"), rowOf(R"(\b(\w+)аться\b=)"));
    EXPECT_LT(rowOf(R"(\bзаяц\b=)"), rules.lineCount());
}

struct RuleCase {
    std::string word;
    std::string expected;
};

class BuiltInRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(BuiltInRules, FirstMatchingRuleRewritesTheWord)
{
    const auto result = SclonRules::builtIn().apply(fromUtf8(GetParam().word));
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(cp1251::toUtf8(*result), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, BuiltInRules, ::testing::Values(
    RuleCase{"стол", "_стол_ _стола_ _столу_ _столом_ _столе_ _столы_ _столам_ _столами_ _столах_"},
    RuleCase{"лодка", "_лодка_ _лодки_ _лодке_ _лодку_ _лодкой_ _лодкою_ _лодок_ _лодкам_ _лодками_ _лодках_"},
    RuleCase{"бУй", "_бУй_ _бУя_ _бУю_ _бУем_ _бУе_ _бУи_ _бУев_ _бУям_ _бУями_ _бУях_"},
    RuleCase{"заяц", "_заяц_ _зайца_ _зайцу_ _зайцем_ _зайце_ _зайцы_ _зайцев_ _зайцам_ _зайцами_ _зайцах_"},
    RuleCase{"время", "_время_ _времени_  _временем_ _времена_ _времён_ _временам_ _временами_ _временах_"},
    RuleCase{"крошить", "_крошить_ _крошишь_ _крошит_ _крошим_ _крошите_ _крошат_ _крошу_ _крошил_ _крошила_ "
                        "_крошило_ _крошили_ _кроши_ _кроша_ _крошив_"},
    RuleCase{"проводящий", "_проводящий_ _проводящего_ _проводящему_ _проводящим_ _проводящем_ _проводящая_ "
                           "_проводящей_ _проводящую_ _проводящею_ _проводящее_ _проводящие_ _проводящих_ "
                           "_проводящими_"}));

TEST(SclonRules, OvatsyaRuleGivesThirtyFiveForms)
{
    const auto result = SclonRules::builtIn().apply(fromUtf8("оперироваться"));
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(std::count(result->begin(), result->end(), ' ') + 1, 35);
    EXPECT_TRUE(result->starts_with(fromUtf8("_оперироваться_ _оперируешься_ _оперируется_")));
}

TEST(SclonRules, NothingMatchesLatinWords)
{
    EXPECT_FALSE(SclonRules::builtIn().apply("lifehack").has_value());
    EXPECT_FALSE(SclonRules::builtIn().apply("").has_value());
}

TEST(SclonRules, UserFileKeepsOnlyRuleLinesUntrimmed)
{
    const std::string text = fromUtf8("# заголовок\r\n"
                                      "\r\n"
                                      "  \t\r\n"
                                      "\\b(\\w+)а\\b=_$1а_ _$1ы_  \r\n"
                                      "\\b(\\w+)о\\b=_$1о_ # отключено комментарием в конце\r\n"
                                      "\\bстол\\b=_стол_\n"
                                      "\\bдом\\b=_дом_");
    const SclonRules rules = SclonRules::fromUserFile(text);
    ASSERT_EQ(rules.lineCount(), 3u);
    EXPECT_EQ(rules.line(0), fromUtf8("\\b(\\w+)а\\b=_$1а_ _$1ы_  "));
    EXPECT_EQ(rules.line(1), fromUtf8("\\bстол\\b=_стол_"));
    EXPECT_EQ(rules.line(2), fromUtf8("\\bдом\\b=_дом_"));
    EXPECT_FALSE(rules.apply(fromUtf8("окно")).has_value());
}

TEST(SclonRules, UserFileInUtf8IsRecognised)
{
    for (const std::string &prefix : {std::string(), std::string("\xEF\xBB\xBF")}) {
        const SclonRules rules = SclonRules::fromUserFile(prefix + "\\b(\\w+)а\\b=_$1ы_");
        ASSERT_EQ(rules.lineCount(), 1u);
        EXPECT_EQ(cp1251::toUtf8(*rules.apply(fromUtf8("мама"))), "_мамы_");
    }
}

TEST(SclonRules, InvalidPatternFailsWhenReached)
{
    const SclonRules rules = SclonRules::fromUserFile(fromUtf8("\\bдом\\b=_дом_\r\n(\\w+=_$1_\r\n"));
    EXPECT_TRUE(rules.apply(fromUtf8("дом")).has_value()); // the broken rule is never reached
    EXPECT_THROW(rules.apply(fromUtf8("кот")), SclonPatternError);
}

TEST(SclonRules, RuleWithoutEqualsSignDeletesTheMatch)
{
    const SclonRules rules = SclonRules::fromUserFile(fromUtf8("ка"));
    EXPECT_EQ(cp1251::toUtf8(*rules.apply(fromUtf8("рука"))), "ру");
}

} // namespace
} // namespace lexorama::wordforms
