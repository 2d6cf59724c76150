#include "lexicon/edit_panel_sync.h"
#include "lexicon/lexicon_layout.h"
#include "lexicon/record_table.h"

#include <gtest/gtest.h>

namespace lexorama::lexicon {
namespace {

class EditPanelSyncTest : public ::testing::Test {
protected:
    void type(std::string_view word)
    {
        panel.edit();
        panel.setText(Grapheme, word);
    }
    std::vector<std::string> words() const
    {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < lexicon.recordCount(); ++i)
            out.emplace_back(lexicon.recordAt(i).text(Grapheme));
        return out;
    }

    RecordTable lexicon{lexiconLayout()};
    RecordTable panel{lexiconLayout()};
};

TEST_F(EditPanelSyncTest, AddAppendsThePanelRecordEachTime)
{
    type("кот");
    EditPanelSync::add(panel, lexicon);
    EditPanelSync::add(panel, lexicon);
    EXPECT_EQ(words(), (std::vector<std::string>{"кот", "кот"}));
    EXPECT_EQ(panel.recordCount(), 1u);
}

TEST_F(EditPanelSyncTest, SaveAppendsOnEmptyAndOneRecordThenReplaces)
{
    type("a");
    EditPanelSync::save(panel, lexicon);
    EXPECT_EQ(words(), (std::vector<std::string>{"a"}));
    type("b");
    EditPanelSync::save(panel, lexicon); // one record: appends a second
    EXPECT_EQ(words(), (std::vector<std::string>{"a", "b"}));
    lexicon.first();
    type("c");
    EditPanelSync::save(panel, lexicon); // two records: replaces the current one
    EXPECT_EQ(words(), (std::vector<std::string>{"c", "b"}));
}

TEST_F(EditPanelSyncTest, ScrollingOverwritesTypedValues)
{
    lexicon.setAfterScroll([this] { EditPanelSync::showCurrent(lexicon, panel); });
    type("x");
    EditPanelSync::add(panel, lexicon);
    type("y");
    EditPanelSync::add(panel, lexicon);
    lexicon.first();
    type("typed");
    lexicon.next();
    EXPECT_EQ(panel.text(Grapheme), "y");
    EXPECT_EQ(words(), (std::vector<std::string>{"x", "y"}));
}

TEST_F(EditPanelSyncTest, ClearedBoxHoldsEmptyStringNotNull)
{
    type("слово");
    EditPanelSync::add(panel, lexicon);
    EXPECT_FALSE(lexicon.value(Grapheme2).has_value());
    panel.edit();
    panel.setText(Grapheme2, "x");
    panel.setText(Grapheme2, "");
    EditPanelSync::save(panel, lexicon);
    lexicon.last();
    EXPECT_EQ(lexicon.value(Grapheme2), std::string_view());
}

TEST_F(EditPanelSyncTest, AddAndSaveDoNotRefreshThePanelFromTheLexicon)
{
    int syncs = 0;
    lexicon.setAfterScroll([&] { ++syncs; });
    type("a");
    EditPanelSync::add(panel, lexicon);
    EditPanelSync::save(panel, lexicon);
    EXPECT_EQ(syncs, 0);
    lexicon.first();
    EXPECT_EQ(syncs, 1); // and the handler is back afterwards
}

} // namespace
} // namespace lexorama::lexicon
