#include "wordforms/sclonenie_command.h"

#include "lexicon/lexicon_layout.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace lexorama::wordforms {
namespace {

using lexicon::Grapheme;
using lexicon::PhonemeField;

const std::string &fixtureBytes()
{
    static const std::string bytes = test::readFile(test::dataFile("wordforms/fixture_forms.zlib"));
    return bytes;
}

class RecordingFeedback : public Feedback {
public:
    void message(const std::string &text) override { messages.push_back(text); }
    void status(const std::string &text) override { statuses.push_back(text); }
    std::vector<std::string> messages;
    std::vector<std::string> statuses;
};

// Marks what it was given, so the test sees which text went to the transcription.
std::string fakePhoneme(std::string_view word)
{
    return "[" + std::string(word) + "]";
}

class SclonenieCommandTest : public ::testing::Test {
protected:
    SclonenieCommandTest()
    {
        table.append();
        table.setText(Grapheme, "кот");
        table.post();
        table.first();
    }

    std::vector<std::string> column(std::size_t field, std::size_t fromRow) const
    {
        std::vector<std::string> values;
        for (std::size_t row = fromRow; row < table.recordCount(); ++row)
            values.emplace_back(table.recordAt(row).value(field).value_or("(null)"));
        return values;
    }

    WordFormsModule module{std::string_view(fixtureBytes())};
    lexicon::RecordTable table{lexicon::lexiconLayout()};
    RecordingFeedback feedback;
};

TEST_F(SclonenieCommandTest, AppendsTheParadigmWithTranscriptions)
{
    int scrolls = 0;
    table.setAfterScroll([&scrolls] { ++scrolls; });
    EXPECT_EQ(SclonenieCommand(module, table, "руки", fakePhoneme, feedback), 10u);
    EXPECT_EQ(column(Grapheme, 1), (std::vector<std::string>{"рУк", "рукА", "рукАм", "рукАми", "рукАх", "рукЕ",
                                                             "рУки", "рукОй", "рукОю", "рУку"}));
    EXPECT_EQ(column(PhonemeField, 1).front(), "[рУк]");
    EXPECT_EQ(table.recordAt(1).value(lexicon::Comment), std::nullopt);
    EXPECT_EQ(table.position(), 1u); // the first appended record
    EXPECT_EQ(scrolls, 1);           // the panel follows only the final move
    EXPECT_EQ(feedback.statuses, std::vector<std::string>{""});
    EXPECT_TRUE(feedback.messages.empty());
}

TEST_F(SclonenieCommandTest, SecondaryStressGoesToTheTranscriptionOnly)
{
    SclonenieCommand(module, table, "авиабаза", fakePhoneme, feedback);
    const auto graphemes = column(Grapheme, 1);
    const auto phonemes = column(PhonemeField, 1);
    const auto at = std::find(graphemes.begin(), graphemes.end(), "авиабАза");
    ASSERT_NE(at, graphemes.end());
    EXPECT_EQ(phonemes[at - graphemes.begin()], "[`авиабАза]");
}

TEST_F(SclonenieCommandTest, EmptyTableEndsOnTheFirstAppendedRecord)
{
    lexicon::RecordTable empty(lexicon::lexiconLayout());
    EXPECT_EQ(SclonenieCommand(module, empty, "стол", fakePhoneme, feedback), 10u);
    EXPECT_EQ(empty.position(), 0u);
}

TEST_F(SclonenieCommandTest, RuleFormsKeepTheTypedStress)
{
    SclonenieCommand(module, table, "лайфхак", fakePhoneme, feedback);
    EXPECT_EQ(column(Grapheme, 1).size(), 10u);
    table.emptyTable();
    WordFormsModule noDictionary(std::nullopt);
    SclonenieCommand(noDictionary, table, "лОдка", fakePhoneme, feedback);
    for (const std::string &grapheme : column(Grapheme, 0))
        EXPECT_TRUE(grapheme.starts_with("лОд")) << grapheme;
    ASSERT_EQ(feedback.messages.size(), 1u); // the missing dictionary, told once
    SclonenieCommand(noDictionary, table, "лОдка", fakePhoneme, feedback);
    EXPECT_EQ(feedback.messages.size(), 1u);
}

TEST_F(SclonenieCommandTest, NoFormsShowsTheMessageAndAddsNothing)
{
    EXPECT_EQ(SclonenieCommand(module, table, "Lifehack", fakePhoneme, feedback), 0u);
    EXPECT_EQ(table.recordCount(), 1u);
    EXPECT_EQ(feedback.statuses, std::vector<std::string>{
        "Список склонения/спряжения для слова \"Lifehack\" пуст. Задайте слово в исходной форме. "
        "Можно указать ударение прописной буквой."});
}

TEST_F(SclonenieCommandTest, SingleFormIsAddedWithTheMessage)
{
    test::TempDir dir;
    test::writeFile(dir.file("rules.txt"), "\\b(\\w+)\\b=_$1_");
    ASSERT_TRUE(module.applyUserRules(dir.file("rules.txt"), feedback));
    EXPECT_EQ(SclonenieCommand(module, table, "Lifehack", fakePhoneme, feedback), 1u);
    EXPECT_EQ(feedback.statuses, std::vector<std::string>{emptyDeclensionMessage("Lifehack")});
    EXPECT_EQ(column(Grapheme, 1), std::vector<std::string>{"Lifehack"});
}

TEST_F(SclonenieCommandTest, RuleErrorIsReportedAndAddsNothing)
{
    test::TempDir dir;
    test::writeFile(dir.file("rules.txt"), "(x=_$1_");
    ASSERT_TRUE(module.applyUserRules(dir.file("rules.txt"), feedback));
    EXPECT_EQ(SclonenieCommand(module, table, "дом", fakePhoneme, feedback), 0u);
    ASSERT_EQ(feedback.messages.size(), 1u);
    EXPECT_NE(feedback.messages[0].find("(x"), std::string::npos);
    EXPECT_EQ(table.recordCount(), 1u);
}

TEST_F(SclonenieCommandTest, TranscriptionErrorKeepsWhatWasAdded)
{
    int calls = 0;
    const PhonemeFunction failing = [&calls](std::string_view word) {
        if (++calls == 3)
            throw std::runtime_error("broken transcription rule");
        return std::string(word);
    };
    EXPECT_EQ(SclonenieCommand(module, table, "стол", failing, feedback), 2u);
    EXPECT_EQ(feedback.messages, std::vector<std::string>{"broken transcription rule"});
    EXPECT_EQ(table.recordCount(), 3u);
    EXPECT_FALSE(table.isEditing());
    EXPECT_EQ(table.position(), 1u);
}

TEST_F(SclonenieCommandTest, EmptyInputDoesNothing)
{
    EXPECT_EQ(SclonenieCommand(module, table, "", fakePhoneme, feedback), 0u);
    EXPECT_TRUE(feedback.statuses.empty());
    EXPECT_EQ(table.recordCount(), 1u);
}

} // namespace
} // namespace lexorama::wordforms
