#include "common/feedback.h"
#include "phonetics/phoneme_alphabet.h"
#include "phonetics/phonetics_user_files.h"
#include "phonetics/transcriber.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace lexorama::phonetics {
namespace {

class RecordingFeedback : public Feedback {
public:
    void message(const std::string &text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

class PhoneticsUserFilesTest : public testing::Test {
protected:
    bool apply(std::string_view key, const std::string &file)
    {
        return applyPhoneticsUserFile(key, file, transcriber, alphabet, feedback);
    }

    test::TempDir dir;
    Transcriber transcriber;
    PhonemeAlphabet alphabet;
    RecordingFeedback feedback;
};

TEST_F(PhoneticsUserFilesTest, EmptyNameAndOtherKeysDoNothing)
{
    EXPECT_TRUE(apply(kPhonemesFileKey, ""));
    EXPECT_TRUE(apply("Sclonjator_rexFileName", dir.file("none.txt")));
    EXPECT_TRUE(feedback.messages.empty());
    EXPECT_FALSE(transcriber.toggleEnabled());
}

TEST_F(PhoneticsUserFilesTest, FilesReplaceRulesFixesAndAlphabet)
{
    test::writeFile(dir.file("r.txt"), ";mine\nа=A\n");
    test::writeFile(dir.file("f.txt"), "A</w>=Z</w>\n");
    test::writeFile(dir.file("a.txt"), "x;икс\n");
    EXPECT_TRUE(apply(kPhonemesAlphabetFileKey, dir.file("a.txt")));
    EXPECT_TRUE(apply(kPhonemesFileKey, dir.file("r.txt")));
    EXPECT_TRUE(apply(kPhonemesFixFileKey, dir.file("f.txt")));
    EXPECT_TRUE(feedback.messages.empty());
    EXPECT_TRUE(transcriber.toggleEnabled());
    EXPECT_EQ(transcriber.PhonemeStr("мама"), "мAмZ");
    ASSERT_EQ(alphabet.rows().size(), 1u);
    EXPECT_EQ(alphabet.rows()[0].examples, "икс");
}

TEST_F(PhoneticsUserFilesTest, MissingRuleFileRestoresBuiltInAndStopsTheWalk)
{
    transcriber.applyUserRules(RuleList::fromText("а=A"));
    const std::string missing = dir.file("missing.txt");
    EXPECT_FALSE(apply(kPhonemesFileKey, missing));
    EXPECT_EQ(feedback.messages,
              (std::vector<std::string>{"Не найден файл" + missing, "Unable to open file \"" + missing + "\""}));
    EXPECT_FALSE(transcriber.toggleEnabled());
    EXPECT_EQ(transcriber.Phoneme("мАма"), "mˈamə");
}

TEST_F(PhoneticsUserFilesTest, MissingFixFileLeavesNoFixesAndMissingAlphabetKeepsRows)
{
    EXPECT_FALSE(apply(kPhonemesFixFileKey, dir.file("nofix.txt")));
    EXPECT_EQ(transcriber.Phoneme("мамам"), "mɐmɐm"); // "ɐm" at the end is no longer fixed to "əm"
    EXPECT_FALSE(apply(kPhonemesAlphabetFileKey, dir.file("noalpha.txt")));
    EXPECT_EQ(alphabet.rows().size(), 80u);
}

TEST_F(PhoneticsUserFilesTest, EmptyRuleFileDisablesToggleWithoutMessage)
{
    test::writeFile(dir.file("r.txt"), "а=A\n");
    test::writeFile(dir.file("empty.txt"), "");
    apply(kPhonemesFileKey, dir.file("r.txt"));
    EXPECT_TRUE(apply(kPhonemesFileKey, dir.file("empty.txt")));
    EXPECT_TRUE(feedback.messages.empty());
    EXPECT_FALSE(transcriber.toggleEnabled());
}

TEST_F(PhoneticsUserFilesTest, SwitchingUserFilesOffKeepsToggle)
{
    test::writeFile(dir.file("r.txt"), "а=A\n");
    test::writeFile(dir.file("a.txt"), "x;икс\n");
    apply(kPhonemesFileKey, dir.file("r.txt"));
    apply(kPhonemesAlphabetFileKey, dir.file("a.txt"));
    resetPhoneticsUserFiles(transcriber, alphabet);
    EXPECT_TRUE(transcriber.toggleEnabled());
    EXPECT_EQ(transcriber.Phoneme("мАма"), "mˈamə");
    EXPECT_EQ(alphabet.rows().size(), 80u);
}

} // namespace
} // namespace lexorama::phonetics
