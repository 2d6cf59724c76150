#include "phonetics/phoneme_alphabet.h"

#include <gtest/gtest.h>

namespace lexorama::phonetics {
namespace {

TEST(PhonemeAlphabetTest, BuiltInHasFourSectionsOfEightyLines)
{
    const PhonemeAlphabet alphabet;
    ASSERT_EQ(alphabet.rows().size(), 80u);
    std::vector<std::pair<std::string, std::size_t>> sections;
    for (const auto &row : alphabet.rows()) {
        if (row.symbol.empty())
            sections.emplace_back(row.examples, 0);
        else
            ++sections.back().second;
        EXPECT_LT(row.symbol.size() + row.examples.size(), 2 * PhonemeAlphabet::kFieldWidth);
    }
    EXPECT_EQ(sections, (std::vector<std::pair<std::string, std::size_t>>{
                            {"Ударные гласные", 13}, {"Безударные гласные", 8}, {"Согласные", 38}, {"Символы", 17}}));
    EXPECT_EQ(alphabet.rows()[1].symbol, "a");
    EXPECT_NE(alphabet.rows()[1].examples.find("\u0301"), std::string::npos);
    for (const auto &row : alphabet.rows()) // nothing of the built-in text is cut
        EXPECT_NE(std::string(PhonemeAlphabet::builtInText()).find(row.symbol + ";" + row.examples), std::string::npos);
}

TEST(PhonemeAlphabetTest, UserTextRows)
{
    PhonemeAlphabet alphabet;
    alphabet.load("ʃ;шум\r\nnosemicolon\n;Согласные\n" + std::string(80, 'x') + ";y\n");
    ASSERT_EQ(alphabet.rows().size(), 4u);
    EXPECT_EQ(alphabet.rows()[0].examples, "шум");
    EXPECT_EQ(alphabet.rows()[1].symbol, "nosemicolon");
    EXPECT_EQ(alphabet.rows()[1].examples, "");
    EXPECT_EQ(alphabet.rows()[2].symbol, "");
    EXPECT_EQ(alphabet.rows()[2].examples, "Согласные");
    EXPECT_EQ(alphabet.rows()[3].symbol.size(), PhonemeAlphabet::kFieldWidth);
}

} // namespace
} // namespace lexorama::phonetics
