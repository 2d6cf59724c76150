#include "wordforms/locate_list.h"

#include "support/temp_dir.h"
#include "wordforms/cp1251.h"

#include <gtest/gtest.h>

namespace lexorama::wordforms {
namespace {

class LocateListTest : public ::testing::Test {
protected:
    const SclonForms forms = SclonForms::inflate(test::readFile(test::dataFile("wordforms/fixture_forms.zlib")));
    const LocateList list{forms};

    std::string found(const std::string &text) const
    {
        const auto line = list.longestKnownBeginning(cp1251::fromUtf8(text));
        return line ? cp1251::toUtf8(forms.lemma(*line)) : "(none)";
    }
};

TEST_F(LocateListTest, HoldsEveryDistinctLemmaButA)
{
    std::vector<std::string> words;
    for (std::size_t i = 0; i < list.size(); ++i)
        words.push_back(list.wordUtf8(i));
    EXPECT_EQ(words, (std::vector<std::string>{"авиабаза", "адрес-календарь", "ёж", "замок", "идти", "лодка",
                                               "рука", "стол", "столб", "шлагбаум"}));
}

TEST_F(LocateListTest, FindsTheLongestKnownBeginning)
{
    EXPECT_EQ(found("рука"), "рука");
    EXPECT_EQ(found("руки"), "рука");      // "рук" is the longest beginning a word has
    EXPECT_EQ(found("стола"), "стол");
    EXPECT_EQ(found("столбы"), "столб");
    EXPECT_EQ(found("шла"), "шлагбаум");
    EXPECT_EQ(found("лайфхак"), "лодка");  // "л" only
    EXPECT_EQ(found("а"), "авиабаза");     // «а» itself is not in the list
    EXPECT_EQ(found("замок"), "замок");
    EXPECT_EQ(found("ёжик"), "ёж");
    EXPECT_EQ(found("бук"), "(none)");
    EXPECT_EQ(found("Рука"), "(none)");    // exact comparison; the command lower-cases first
    EXPECT_EQ(found(""), "(none)");
}

TEST(LocateList, EmptyDictionaryGivesEmptyList)
{
    const SclonForms forms;
    const LocateList list(forms);
    EXPECT_EQ(list.size(), 0u);
    EXPECT_FALSE(list.longestKnownBeginning("a").has_value());
}

} // namespace
} // namespace lexorama::wordforms
