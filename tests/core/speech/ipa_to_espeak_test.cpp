#include "speech/ipa_to_espeak.h"

#include <gtest/gtest.h>

namespace lexorama::speech {
namespace {

struct ConversionCase {
    std::string ipa;
    std::string espeak;
};

class IpaToEspeakCases : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(IpaToEspeakCases, Converts)
{
    EXPECT_EQ(ipaToEspeak(GetParam().ipa), GetParam().espeak);
}

INSTANTIATE_TEST_SUITE_P(Transcriptions, IpaToEspeakCases, ::testing::Values(
    ConversionCase{"sɐbˈakə", "s|V#|b|'A|k|@"},
    ConversionCase{"", ""},
    // a-like vowels take the stressed code only under stress, also when consonants stand between
    ConversionCase{"ˈmama", "'m|A|m|a#"},
    ConversionCase{"mʲˈæ", "m;|'A"},
    ConversionCase{"ˌaˈa", ",A|'A"},
    // soft consonants: a soft sign of their own, or ";" for the following vowel; n and l before
    // no vowel have codes of their own
    ConversionCase{"tʲa", "t;|a#"},
    ConversionCase{"bʲa", "b;|a#"},
    ConversionCase{"dʲenʲ", "d;|e|n^"},
    ConversionCase{"sʲolʲ", "s;|o|l^"},
    ConversionCase{"lʲa", "l;|a#"},
    ConversionCase{"ɕʲi", "S;|i"},
    ConversionCase{"ʲa", "a#"},
    // long consonants repeat, long vowels do not exist
    ConversionCase{"ɕːˈi", "S;|S;|'i"},
    ConversionCase{"aː", "a#"},
    // affricates with the tie bar; a tie bar before anything else joins nothing
    ConversionCase{"t͡sɨ", "ts|y"},
    ConversionCase{"t͡ɕʲɪ", "tS;|I"},
    ConversionCase{"d͡ʑ", "dZ;"},
    ConversionCase{"t͡x", "t|x"},
    ConversionCase{"ts", "t|s"},
    // words: blanks and hyphens break them, the tie below joins them, repeated breaks collapse
    ConversionCase{"dom  dom", "d|o|m d|o|m"},
    ConversionCase{"a-b", "a# b"},
    ConversionCase{"a‿b", "a#|b"},
    ConversionCase{" ", ""},
    // characters without a sound are left out
    ConversionCase{"mˈa!ma", "m|'A|m|a#"},
    ConversionCase{"ma.ma", "m|a#|m|a#"},
    ConversionCase{"tʰʷa", "t|a#"},
    ConversionCase{"дом", ""},
    ConversionCase{"\xFF" "a", "a#"}));

} // namespace
} // namespace lexorama::speech
