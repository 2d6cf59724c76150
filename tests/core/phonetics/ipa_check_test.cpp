#include "phonetics/ipa_check.h"

#include <gtest/gtest.h>

namespace lexorama::phonetics {
namespace {

TEST(BadIPACharTest, ForbiddenAndAllowedCharacters)
{
    for (const char32_t c : std::u32string_view(U"АЯаяжЁё№!\"#$%&()*+,-/;<=>?[]_`{|}~"))
        EXPECT_TRUE(BadIPAChar(c)) << static_cast<std::uint32_t>(c);
    for (const char32_t c : std::u32string_view(U"aZ09 ˈʲː‿.:'@\\^\u0301\u0400\u0450ѣɕ"))
        EXPECT_FALSE(BadIPAChar(c)) << static_cast<std::uint32_t>(c);
    EXPECT_FALSE(acceptsTypedKey(U'а'));
    EXPECT_TRUE(acceptsTypedKey(U'a'));
}

TEST(BadIPACharTest, WholeTranscriptions)
{
    EXPECT_TRUE(isAcceptableTranscription("mʲˈæ‿t͡sə 12"));
    EXPECT_FALSE(isAcceptableTranscription("mы"));
    EXPECT_FALSE(isAcceptableTranscription("a=b"));
    EXPECT_FALSE(isAcceptableTranscription("a\xFF"));
}

} // namespace
} // namespace lexorama::phonetics
