#include "phonetics/ascii_caseless.h"
#include "phonetics/required_literal.h"

#include <gtest/gtest.h>

namespace lexorama::phonetics {
namespace {

TEST(AsciiCaselessTest, RewritesLettersButNotSyntax)
{
    const std::pair<const char *, const char *> rows[] = {
        {"ab", "[aA][bB]"},
        {"ка", "ка"},
        {"[a-cя]", "[a-cA-Cя]"},
        {"[a-c]", "[a-cA-C]"},
        {"[^xZ]", "[^xXZz]"},
        {"\\d\\w\\K\\s", "\\d\\w\\K\\s"},
        {"\\x41\\x{62}", "[Aa][bB]"},
        {"\\Qa.b\\E", "[aA]\\.[bB]"},
        {"(?<name>q)\\k<name>", "(?<name>[qQ])\\k<name>"},
        {"(?i)x", "(?i)[xX]"},
        {"(*pla:t)(?<=u)(?<!v)(?!w)", "(*pla:[tT])(?<=[uU])(?<![vV])(?![wW])"},
        {"x{2,3}\\p{Lu}", "[xX]{2,3}\\p{Lu}"},
        {"(?#note)[[:alpha:]]", "(?#note)[[:alpha:]]"},
    };
    for (const auto &[in, out] : rows)
        EXPECT_EQ(asciiCaseless(in), out) << in;
}

TEST(RequiredLiteralTest, FindsTextEveryMatchContains)
{
    const std::pair<const char *, const char *> rows[] = {
        {"ка", "ка"},
        {"(^)ое($)", "ое"},
        {"[АЕ][^\\s]*?\\Kкал(*pla:[аб])", "кал"},
        {"ка?б", "к"},
        {"кб+в", "кб"},
        {"а|б", ""},
        {"[АЕ]\\Kка|ка(*pla:б)|ока", "ка"}, // every branch holds it
        {"ка|кб", ""},
        {"(*plb:с)т(*pla:н)", "стн"},                 // fixed look-around text counts
        {"н(*pla:н)", "нн"},
        {"(?<=[^\\s])д($)", "д"},
        {"д(*pla:[кп]|#k)", "д"},
        {"[аб]", ""},
        {"(ка)", ""},
        {"с\\.т", "с.т"},
        {"сто*р", "ст"},
        {"во{0,2}д", "в"},
    };
    for (const auto &[in, out] : rows)
        EXPECT_EQ(requiredLiteral(in), out) << in;
}

TEST(RequiredLiteralTest, PlainLiteralsWithAnchors)
{
    std::string literal;
    bool atStart = false, atEnd = false;
    EXPECT_TRUE(isPlainLiteral("(^)ая($)", literal, atStart, atEnd));
    EXPECT_EQ(literal, "ая");
    EXPECT_TRUE(atStart && atEnd);
    EXPECT_TRUE(isPlainLiteral("(^)əftɐ", literal, atStart, atEnd));
    EXPECT_TRUE(atStart && !atEnd);
    EXPECT_FALSE(isPlainLiteral("(^)", literal, atStart, atEnd));
    EXPECT_FALSE(isPlainLiteral("к.", literal, atStart, atEnd));
}

} // namespace
} // namespace lexorama::phonetics
