#include "phonetics/rule_error.h"
#include "phonetics/transcriber.h"

#include <gtest/gtest.h>

namespace lexorama::phonetics {
namespace {

const Transcriber &builtIn()
{
    static const Transcriber transcriber;
    return transcriber;
}

RuleList lines(std::string_view text) { return RuleList::fromText(text); }

struct Case {
    const char *word;
    const char *expected;
};

class PhonemeExamples : public testing::TestWithParam<Case> {};

TEST_P(PhonemeExamples, TranscribesAsTheReferenceShows)
{
    EXPECT_EQ(builtIn().Phoneme(GetParam().word), GetParam().expected) << GetParam().word;
}

INSTANTIATE_TEST_SUITE_P(
    ReferenceWords, PhonemeExamples,
    testing::Values(Case{"собАка", "sɐbˈakə"}, Case{"Ехать", "jˈexətʲ"}, Case{"вОдка", "vˈotkə"},
                    Case{"мАма", "mˈamə"}, Case{"красное винО", "krɐsnɐʲɪ vʲɪnˈo"}, Case{"Москва", "mɐskvə"},
                    Case{"ещЁ", "jɪɕːˈo"}, Case{"из-зА", "ɪz zˈa"}, Case{"кто-нибудь", "ktɐ nʲɪbʊdʲ"},
                    Case{"рУк", "rˈuk"}, Case{"рукА", "rʊkˈa"}, Case{"рукАм", "rʊkˈam"},
                    Case{"рукАми", "rʊkˈamʲɪ"}, Case{"рукАх", "rʊkˈax"}, Case{"рукЕ", "rʊkʲˈe"},
                    Case{"рУки", "rˈukʲɪ"}, Case{"рукОй", "rʊkˈoj"}, Case{"рукОю", "rʊkˈojʉ"},
                    Case{"рУку", "rˈukʊ"}, Case{"лайфхак", "lɐjfxɐk"}, Case{"лайфхака", "lɐjfxəkə"},
                    Case{"`авиабАза", "`əvʲɪɐbˈazə"}));

class BulkExamples : public testing::TestWithParam<Case> {};

TEST_P(BulkExamples, KeepHyphenAndCapitalYo)
{
    EXPECT_EQ(builtIn().CreateCurrentPhoneme(GetParam().word), GetParam().expected) << GetParam().word;
}

INSTANTIATE_TEST_SUITE_P(ReferenceWords, BulkExamples,
                         testing::Values(Case{"ещЁ", "jɪɕːˈo"}, Case{"из-зА", "ɪzzˈa"},
                                         Case{"кто-нибудь", "ktɐnʲɪbʊdʲ"}, Case{"собАка", "sɐbˈakə"}));

TEST(PhonemeStrTest, TextsWithoutRussianLettersPassThrough)
{
    EXPECT_EQ(builtIn().Phoneme(""), "");
    EXPECT_EQ(builtIn().Phoneme("123"), "123");
    EXPECT_EQ(builtIn().Phoneme("abc"), "abc");
    EXPECT_EQ(builtIn().Phoneme("ABC"), "abc");
    EXPECT_EQ(builtIn().Phoneme("ь"), "ʲ");
    EXPECT_EQ(builtIn().Phoneme("ъ"), "");
}

TEST(PhonemeStrTest, NumberSignNeverReachesTheResultAndSeparatesLetters)
{
    EXPECT_EQ(builtIn().PhonemeStr("#"), "");
    // "сч" reads as one sound, "с#ч" as two
    EXPECT_EQ(builtIn().PhonemeStr("счёт"), "ɕːˈot");
    EXPECT_EQ(builtIn().PhonemeStr("с#чёт"), "st͡ɕˈot");
}

TEST(PhonemeStrTest, CapitalFirstVowelIsStress)
{
    EXPECT_EQ(builtIn().Phoneme("Анна"), "ˈanə");
    EXPECT_EQ(builtIn().Phoneme("АННА"), "ˈanˈa"); // every capital vowel is a stress
}

TEST(PhonemeStrTest, EndRulesActOnlyOnTheLastWordOfAPhrase)
{
    // final devoicing and final reduction only at the very end of the text
    EXPECT_EQ(builtIn().Phoneme("гОрод гОрод"), "ɡˈorəd ɡˈorət");
    EXPECT_EQ(builtIn().Phoneme("эх эх"), "ɛx ɪx");
}

TEST(TranscriberSetsTest, ToggleStartsDisabledAndSwapsIdenticalSets)
{
    Transcriber t;
    EXPECT_FALSE(t.toggleEnabled());
    const std::string before = t.Phoneme("собАка");
    t.swapSets();
    EXPECT_EQ(t.Phoneme("собАка"), before);
}

TEST(TranscriberSetsTest, UserRuleFileEnablesToggleAndSwapBringsBuiltInBack)
{
    Transcriber t;
    t.applyUserRules(lines("а=A"));
    EXPECT_TRUE(t.toggleEnabled());
    EXPECT_EQ(t.PhonemeStr("мама"), "мAмA"); // built-in fixes still apply, none matches
    t.swapSets();
    EXPECT_EQ(t.Phoneme("мАма"), "mˈamə");
    t.swapSets();
    EXPECT_EQ(t.PhonemeStr("мама"), "мAмA");
}

TEST(TranscriberSetsTest, EmptyUserRuleFileRestoresBuiltInFixListToo)
{
    Transcriber t;
    t.applyUserFixes(lines("ə=E"));
    t.applyUserRules(lines("а=A"));
    t.applyUserRules(RuleList{});
    EXPECT_FALSE(t.toggleEnabled());
    EXPECT_EQ(t.Phoneme("мАма"), "mˈamə");
    EXPECT_EQ(t.altRules().lines(), Transcriber::builtInRules().lines());
}

TEST(TranscriberSetsTest, LoadBuiltInLeavesAlternateSetAndToggle)
{
    Transcriber t;
    t.applyUserRules(lines("а=A"));
    t.swapSets(); // built-in in force, user rules in the alternate slot
    t.loadBuiltIn();
    EXPECT_TRUE(t.toggleEnabled());
    EXPECT_EQ(t.altRules().lines(), std::vector<std::string>{"а=A"});
}

TEST(UserRulesTest, FileFormatCases)
{
    struct Row {
        const char *rules;
        const char *text;
        const char *expected;
    };
    const Row rows[] = {
        {"абв", "абв", "абв"},                  // a line without "=" changes nothing
        {"а=x=y", "ма", "мx=y"},                 // split at the first "="
        {"<w>а</w>=Z", "а", "Z"},                 // both markers: the letter alone
        {"<w>а</w>=Z", "ма", "ма"},
        {"а</w>=#o#</w>", "мама", "мамo"},        // marker in a replacement is dropped
        {";а=Z", "а", "а"},                       // comment line
        {"а=$1\\", "а", "$1\\"},                  // replacement is literal
        {"к=k\nK=Q", "к", "Q"},                   // ASCII letters caseless, later rules see earlier output
        {"А=Z", "а", "а"},                        // Cyrillic case-sensitive
        {"x*=-", "аб", "-а-б-"},                   // empty matches advance one character
        {"<w>.=S", "аб аб", "Sб аб"},             // anchors on the whole text
        {"б=\nаа=Q", "аба", "Q"},                // letters brought together by a deletion
        {"а=б\nбб=X", "аб", "X"},                // letters a replacement writes
        {"аб=#\nаб=Z", "абаб", ""},              // letters a replacement took away
        {"б(?=а)=B", "ба бо", "Bа бо"},           // look-ahead cannot be written: "=" splits
    };
    for (const Row &row : rows) {
        Transcriber t;
        t.applyUserRules(lines(row.rules));
        t.applyUserFixes(RuleList{});
        if (std::string_view(row.rules).starts_with("б(?"))
            EXPECT_THROW(t.PhonemeStr(row.text), RuleError);
        else
            EXPECT_EQ(t.PhonemeStr(row.text), row.expected) << row.rules;
    }
}

TEST(UserRulesTest, BadPatternIsReportedWithItsLineWhenReached)
{
    Transcriber t;
    t.applyUserRules(lines(";comment\nа=b\n(а=c\n"));
    try {
        t.PhonemeStr("а");
        FAIL() << "no error";
    } catch (const RuleError &e) {
        EXPECT_EQ(e.line(), 3u);
        EXPECT_NE(std::string(e.what()).find("строка 3"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("missing closing parenthesis"), std::string::npos) << e.what();
    }
}

TEST(UserRulesTest, RunawayPatternIsStoppedAndReported)
{
    Transcriber t;
    t.applyUserRules(lines("(x+x+)+\\d=z"));
    try {
        t.PhonemeStr(std::string(40, 'x'));
        FAIL() << "no error";
    } catch (const RuleError &e) {
        EXPECT_EQ(e.line(), 1u);
        EXPECT_NE(std::string(e.what()).find("остановлено"), std::string::npos) << e.what();
    }
}

TEST(UserRulesTest, InvalidUtf8InTheTextDoesNotStopConversion)
{
    Transcriber t;
    EXPECT_EQ(t.PhonemeStr("м\xFFа"), "m\xFFə");
}

} // namespace
} // namespace lexorama::phonetics
