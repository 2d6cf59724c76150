#include "lexicon/lexicon_layout.h"
#include "lexicon/record_table.h"
#include "tools/record_marks.h"

#include <gtest/gtest.h>

namespace lexorama::tools {
namespace {

using namespace lexicon;

class RecordMarksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (auto w : {"a", "b", "c", "d", "e"}) {
            table.append();
            table.setText(Grapheme, w);
            table.post();
        }
    }
    void mark(std::initializer_list<std::size_t> rows)
    {
        for (std::size_t r : rows)
            table.setMarked(table.bookmarkAt(r), true);
    }
    std::string words() const
    {
        std::string out;
        for (std::size_t i = 0; i < table.recordCount(); ++i)
            out += table.recordAt(i).text(Grapheme);
        return out;
    }
    void hide(std::string_view word)
    {
        table.setFilter([word](const Record &r) { return r.text(Grapheme) != word; });
    }

    RecordTable table{lexiconLayout()};
};

TEST_F(RecordMarksTest, DeleteSelectedRemovesEveryMarkedRecord)
{
    mark({0, 2, 4});
    RecordMarks::deleteSelected(table);
    EXPECT_EQ(words(), "bd");
    EXPECT_TRUE(table.marks().empty());
}

TEST_F(RecordMarksTest, DeleteUnselectedKeepsMarkedAndHiddenRecords)
{
    mark({1});
    hide("d");
    RecordMarks::deleteUnselected(table);
    table.clearFilter();
    EXPECT_EQ(words(), "bd");
    EXPECT_EQ(table.position(), 0u);
}

TEST_F(RecordMarksTest, SelectAllMarksOnlyWhatIsShown)
{
    hide("c");
    table.last();
    RecordMarks::selectAll(table);
    EXPECT_EQ(table.position(), 0u);
    EXPECT_EQ(table.marks().size(), 4u);
    table.clearFilter();
    EXPECT_FALSE(table.isMarked(table.bookmarkAt(2)));
}

} // namespace
} // namespace lexorama::tools
