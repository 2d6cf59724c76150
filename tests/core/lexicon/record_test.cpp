#include "lexicon/record.h"

#include <gtest/gtest.h>

namespace lexorama::lexicon {
namespace {

TEST(Record, NullIsDistinctFromEmpty)
{
    Record r(3);
    EXPECT_TRUE(r.isNull(0));
    r.setValue(1, std::string_view());
    EXPECT_FALSE(r.isNull(1));
    EXPECT_EQ(r.value(1), std::string_view());
    EXPECT_TRUE(r.isNull(2));
}

TEST(Record, SetValueKeepsOtherFields)
{
    Record r(4);
    r.setValue(0, "собака");
    r.setValue(2, "sɐbˈakə");
    r.setValue(0, "кот");
    r.setValue(3, std::string(300, 'x')); // a length over one varint byte
    EXPECT_EQ(r.text(0), "кот");
    EXPECT_TRUE(r.isNull(1));
    EXPECT_EQ(r.text(2), "sɐbˈakə");
    EXPECT_EQ(r.text(3).size(), 300u);
    r.setValue(2, std::nullopt);
    EXPECT_TRUE(r.isNull(2));
    EXPECT_EQ(r.text(3).size(), 300u);
}

TEST(Record, SetValueFromItsOwnField)
{
    Record r(2);
    r.setValue(0, "abc");
    r.setValue(1, r.value(0));
    EXPECT_EQ(r.text(1), "abc");
}

} // namespace
} // namespace lexorama::lexicon
