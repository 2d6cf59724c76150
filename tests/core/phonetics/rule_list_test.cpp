#include "phonetics/rule_list.h"

#include <gtest/gtest.h>

namespace lexorama::phonetics {
namespace {

TEST(RuleListTest, SplitsAtEveryLineEndAndKeepsLinesAsTheyAre)
{
    const RuleList list = RuleList::fromText("\xEF\xBB\xBF;c\r\nа=b \rб=\n\nв");
    EXPECT_EQ(list.lines(), (std::vector<std::string>{";c", "а=b ", "б=", "", "в"}));
    EXPECT_FALSE(list.entry(0));
    EXPECT_EQ(list.entry(1)->replacement, "b ");
    EXPECT_EQ(list.entry(2)->replacement, "");
    EXPECT_FALSE(list.entry(3));
    EXPECT_FALSE(list.entry(4));
}

TEST(RuleListTest, LoadedFormTurnsMarkersIntoAnchors)
{
    RuleList list = RuleList::fromText(
        "ое</w>=#əjʲə#</w>\n<w>е=<w>#jɪ#\n<w>а</w>=x<w>y</w>\n;<w>а=<w>b\nа=x=</w>");
    list.toLoadedForm();
    EXPECT_EQ(list.lines(), (std::vector<std::string>{"ое($)=#əjʲə#", "(^)е=#jɪ#", "(^)а($)=xy",
                                                      ";<w>а=<w>b", "а=x="}));
}

} // namespace
} // namespace lexorama::phonetics
