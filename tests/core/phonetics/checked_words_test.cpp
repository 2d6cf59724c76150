#include "phonetics/transcriber.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace lexorama::phonetics {
namespace {

// Ordinary stressed words whose transcriptions were checked by hand (generators/phonetics/
// README.md says how); a change of the rule table that alters any of them shows here.
TEST(CheckedWordsTest, BuiltInTableGivesTheCheckedTranscriptions)
{
    const std::string data = test::readFile(test::dataFile("phonetics/checked_words.tsv"));
    ASSERT_FALSE(data.empty());
    const Transcriber transcriber;
    std::istringstream lines(data);
    std::string line;
    std::size_t count = 0;
    while (std::getline(lines, line)) {
        const std::size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        const std::string word = line.substr(0, tab);
        EXPECT_EQ(transcriber.Phoneme(word), line.substr(tab + 1)) << word;
        ++count;
    }
    EXPECT_GT(count, 300u);
}

} // namespace
} // namespace lexorama::phonetics
