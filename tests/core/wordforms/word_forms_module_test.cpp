#include "wordforms/word_forms_module.h"

#include "support/temp_dir.h"
#include "wordforms/cp1251.h"

#include <gtest/gtest.h>

namespace lexorama::wordforms {
namespace {

using Forms = std::vector<std::string>;

const std::string &fixtureBytes()
{
    static const std::string bytes = test::readFile(test::dataFile("wordforms/fixture_forms.zlib"));
    return bytes;
}

const Forms kLifehack = {"лайфхак", "лайфхака", "лайфхакам", "лайфхаками", "лайфхаках",
                         "лайфхаке", "лайфхаки", "лайфхаков", "лайфхаком", "лайфхаку"};

class RecordingFeedback : public Feedback {
public:
    void message(const std::string &text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

class WordFormsModuleTest : public ::testing::Test {
protected:
    WordFormsModule module{std::string_view(fixtureBytes())};
};

TEST_F(WordFormsModuleTest, ScloneniePutsStressAndDropsFormsEqualWithoutRegardToCase)
{
    EXPECT_EQ(module.Sclonenie("рука"),
              (Forms{"рУк", "рукА", "рукАм", "рукАми", "рукАх", "рукЕ", "рУки", "рукОй", "рукОю", "рУку"}));
    EXPECT_EQ(module.Sclonenie("ёж"),
              (Forms{"ёж", "ежА", "ежАм", "ежАми", "ежАх", "ежЕ", "ежЕй", "ежИ", "ежОм", "ежУ"}));
}

TEST_F(WordFormsModuleTest, SclonenieKeepsSecondaryStressInFrontOfItsVowel)
{
    const Forms forms = module.Sclonenie("авиабаза");
    ASSERT_FALSE(forms.empty());
    EXPECT_EQ(forms.front(), "`авиабАз");
    EXPECT_NE(std::find(forms.begin(), forms.end(), "`авиабАза"), forms.end());
}

TEST_F(WordFormsModuleTest, SclonenieUsesTheFirstLineOfAHomograph)
{
    const Forms forms = module.Sclonenie("замок");
    EXPECT_EQ(forms.size(), 10u);
    EXPECT_NE(std::find(forms.begin(), forms.end(), "зАмок"), forms.end());
    EXPECT_EQ(std::find(forms.begin(), forms.end(), "замкА"), forms.end());
}

TEST_F(WordFormsModuleTest, SclonenieFallsBackToTheRules)
{
    EXPECT_EQ(module.Sclonenie("лайфхак"), kLifehack);
    EXPECT_EQ(module.Sclonenie("Рука"), module.Spisok("Рука")); // lemmas compare exactly
}

TEST_F(WordFormsModuleTest, SpisokEdgeCases)
{
    EXPECT_EQ(module.Spisok("lifehack"), Forms{""});             // no rule: one empty line
    const Forms time = module.Spisok("время");                   // two blanks: an empty text, first
    ASSERT_EQ(time.size(), 9u);
    EXPECT_EQ(time.front(), "");
    EXPECT_EQ(module.Spisok("лОдка"), (Forms{"лОдка", "лОдкам", "лОдками", "лОдках", "лОдке", "лОдки",
                                             "лОдкой", "лОдкою", "лОдку", "лОдок"}));
    EXPECT_EQ(module.Spisok("café"), Forms{""});                 // é became "?"
}

struct TypedCase {
    std::string typed;
    std::string first;
    std::size_t count;
};

void PrintTo(const TypedCase &c, std::ostream *os)
{
    *os << c.typed;
}

class FormsForTyped : public WordFormsModuleTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(FormsForTyped, PicksDictionaryOrRules)
{
    const Forms forms = module.formsForTyped(GetParam().typed);
    ASSERT_EQ(forms.size(), GetParam().count);
    EXPECT_EQ(forms.front(), GetParam().first);
}

INSTANTIATE_TEST_SUITE_P(Cases, FormsForTyped, ::testing::Values(
    TypedCase{"рука", "рУк", 10},
    TypedCase{"руки", "рУк", 10},
    TypedCase{"рУка", "рУк", 10},
    TypedCase{"РУКАМИ", "рУк", 10},
    TypedCase{"стола", "стОл", 10},       // an inflected form whose lemma begins it
    TypedCase{"замка", "зАмка", 10},      // a form of the first «замок» line
    TypedCase{"шла", "шл", 10},           // «шлагбаум» has no form «шла»: rules
    TypedCase{"лайфхак", "лайфхак", 10},
    TypedCase{"лОдка", "лОдка", 10},      // in the dictionary: its own stress
    TypedCase{"Lifehack", "", 1}));

TEST_F(WordFormsModuleTest, UserRulesReplaceTheBuiltInOnes)
{
    test::TempDir dir;
    // the general "а" rule first: it now wins over the velar one
    test::writeFile(dir.file("rules.txt"), cp1251::fromUtf8("\\b(\\w+)а\\b=_$1а_ _$1ы_\r\n"
                                                            "\\b(\\w+[гкх])а\\b=_$1а_ _$1и_\r\n"
                                                            "\\b(\\w+)о\\b=_$1о_ #_$1а_\r\n"));
    RecordingFeedback feedback;
    ASSERT_TRUE(module.applyUserRules(dir.file("rules.txt"), feedback));
    EXPECT_EQ(module.rules().lineCount(), 2u);
    EXPECT_EQ(module.Spisok("нога"), (Forms{"нога", "ногы"}));
    EXPECT_EQ(module.Spisok("окно"), Forms{""});
    EXPECT_TRUE(feedback.messages.empty());

    module.LoadSclon();
    EXPECT_EQ(module.rules().lineCount(), 169u);
    EXPECT_EQ(module.Spisok("нога").size(), 10u);
}

TEST_F(WordFormsModuleTest, UnreadableUserRulesLeaveNoRule)
{
    RecordingFeedback feedback;
    EXPECT_FALSE(module.applyUserRules("/nonexistent/rules.txt", feedback));
    ASSERT_EQ(feedback.messages.size(), 1u);
    EXPECT_EQ(feedback.messages[0], "Unable to open file \"/nonexistent/rules.txt\"");
    EXPECT_EQ(module.rules().lineCount(), 0u);
    EXPECT_EQ(module.Spisok("лайфхак"), Forms{""});
    EXPECT_EQ(module.Sclonenie("рука").size(), 10u); // the dictionary still answers
    test::TempDir dir;
    EXPECT_FALSE(module.applyUserRules(dir.path(), feedback));
}

TEST_F(WordFormsModuleTest, InvalidUserPatternIsReportedWhenReached)
{
    test::TempDir dir;
    test::writeFile(dir.file("rules.txt"), "([a-\r\n");
    RecordingFeedback feedback;
    ASSERT_TRUE(module.applyUserRules(dir.file("rules.txt"), feedback));
    EXPECT_THROW(module.Spisok("дом"), SclonPatternError);
}

TEST(WordFormsModule, MissingDictionaryLeavesTheRules)
{
    WordFormsModule module(std::nullopt);
    EXPECT_TRUE(module.dictionary().empty());
    EXPECT_NE(module.dictionaryProblem().find("wordforms/all_forms.zlib"), std::string::npos);
    EXPECT_EQ(module.takeDictionaryProblem(), module.dictionaryProblem());
    EXPECT_EQ(module.takeDictionaryProblem(), "");
    EXPECT_EQ(module.formsForTyped("лайфхак"), kLifehack);
    EXPECT_EQ(module.Sclonenie("рука").size(), 10u); // from the rules now
}

TEST(WordFormsModule, DamagedDictionaryLeavesTheRules)
{
    static const std::string damaged = fixtureBytes().substr(0, fixtureBytes().size() / 2);
    WordFormsModule module{std::string_view(damaged)};
    EXPECT_TRUE(module.dictionary().empty());
    EXPECT_NE(module.dictionaryProblem().find("поврежден"), std::string::npos);
    EXPECT_EQ(module.formsForTyped("лайфхак"), kLifehack);
}

TEST(WordFormsModule, BuiltInDictionaryLoadsOrExplainsItsAbsence)
{
    WordFormsModule module;
    EXPECT_EQ(module.dictionary().empty(), !module.dictionaryProblem().empty());
}

} // namespace
} // namespace lexorama::wordforms
