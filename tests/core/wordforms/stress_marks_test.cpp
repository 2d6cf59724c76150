#include "wordforms/stress_marks.h"

#include "wordforms/cp1251.h"

#include <gtest/gtest.h>

namespace lexorama::wordforms {
namespace {

struct StressCase {
    std::string dictionary;
    std::string expected;
};

class MarkStress : public ::testing::TestWithParam<StressCase> {};

TEST_P(MarkStress, RewritesDictionaryMarks)
{
    EXPECT_EQ(cp1251::toUtf8(markStress(cp1251::fromUtf8(GetParam().dictionary))), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MarkStress, ::testing::Values(
    StressCase{"рука',ру'ки", "рукА,рУки"},
    StressCase{"ёж,её',ещё'", "ёж,еЁ,ещЁ"},
    StressCase{"ы'э'ю'я'и'у'", "ЫЭЮЯИУ"},
    StressCase{"а`виаба'за", "`авиабАза"},
    StressCase{"а'дрес-календа'рь", "Адрес-календАрь"},
    StressCase{"о`бщежи'тие", "`общежИтие"},
    // the replacements run vowel by vowel over the whole text, so a mark moved in front of
    // "а" can be moved again by a later vowel
    StressCase{"иа`", "`иа"},
    StressCase{"а", "а"},
    StressCase{"б'", "б'"}));

TEST(StressMarks, StripRemovesBothMarks)
{
    EXPECT_EQ(stripStressMarks("а`виаба'за"), "авиабаза");
    EXPECT_EQ(stripStressMarks("''``"), "");
}

} // namespace
} // namespace lexorama::wordforms
