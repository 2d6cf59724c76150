#include "speech/phoneme_markup.h"

#include <gtest/gtest.h>

namespace lexorama::speech {
namespace {

TEST(PhonemeMarkup, WrapsTheTranscriptionUnescaped)
{
    EXPECT_EQ(phonemeMarkup("sɐbˈakə"), "<phoneme ph=\"sɐbˈakə\"></phoneme>");
    EXPECT_EQ(phonemeMarkup("a\"&<b"), "<phoneme ph=\"a\"&<b\"></phoneme>");
}

TEST(PhonemeMarkup, RecognisesOnlyTheExactForm)
{
    EXPECT_EQ(parsePhonemeMarkup(phonemeMarkup("dˈom")), "dˈom");
    EXPECT_EQ(parsePhonemeMarkup(phonemeMarkup("a\"b")), "a\"b");
    EXPECT_EQ(parsePhonemeMarkup(phonemeMarkup("")), "");
    EXPECT_FALSE(parsePhonemeMarkup("<phoneme ph='dom'></phoneme>"));
    EXPECT_FALSE(parsePhonemeMarkup("<phoneme ph=\"dom\">дом</phoneme>"));
    EXPECT_FALSE(parsePhonemeMarkup(" <phoneme ph=\"dom\"></phoneme>"));
    EXPECT_FALSE(parsePhonemeMarkup("<speak>дом</speak>"));
    EXPECT_FALSE(parsePhonemeMarkup("<phoneme ph=\"></phoneme>"));
}

} // namespace
} // namespace lexorama::speech
