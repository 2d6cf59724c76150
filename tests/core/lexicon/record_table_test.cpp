#include "lexicon/copy_by_name.h"
#include "lexicon/lexicon_layout.h"
#include "lexicon/record_table.h"

#include <gtest/gtest.h>

namespace lexorama::lexicon {
namespace {

void addWord(RecordTable &t, std::string_view word, std::optional<std::string_view> phoneme = std::nullopt)
{
    t.append();
    t.setText(Grapheme, word);
    if (phoneme)
        t.setText(PhonemeField, *phoneme);
    t.post();
}

std::vector<std::string> words(const RecordTable &t)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < t.recordCount(); ++i)
        out.emplace_back(t.recordAt(i).text(Grapheme));
    return out;
}

TEST(RecordTable, FieldLookupIgnoresCase)
{
    RecordTable t(lexiconLayout());
    EXPECT_EQ(t.field("Grapheme"), Grapheme);
    EXPECT_EQ(t.field("ALIAS"), Alias);
    EXPECT_EQ(t.field("tag"), Tag);
    EXPECT_THROW(t.field("nosuch"), std::invalid_argument);
}

TEST(RecordTable, TypedValuesAreCutAtWholeCharacters)
{
    RecordTable t(lexiconLayout());
    t.append();
    std::string cyr;
    for (int i = 0; i < 75; ++i)
        cyr += "ж";
    t.setText(Grapheme, cyr);
    t.setText(Grapheme2, cyr); // width 70 bytes = 35 letters
    t.setText(Lexname, std::string(29, 'a') + "ж"); // width 30: the two-byte letter does not fit
    t.post();
    EXPECT_EQ(t.text(Grapheme).size(), 140u);
    EXPECT_EQ(t.text(Grapheme2).size(), 70u);
    EXPECT_EQ(t.text(Lexname), std::string(29, 'a'));
}

TEST(RecordTable, StoredValuesKeepTheirLength)
{
    RecordTable t(lexiconLayout());
    t.append();
    t.setStored(Grapheme, std::string(500, 'a'));
    t.post();
    EXPECT_EQ(t.text(Grapheme).size(), 500u);
}

TEST(RecordTable, EditingAnEmptyTableAppends)
{
    RecordTable t(lexiconLayout());
    t.edit();
    EXPECT_EQ(t.state(), TableState::Insert);
    t.setText(Grapheme, "кот");
    t.post();
    EXPECT_EQ(t.recordCount(), 1u);
    t.edit();
    EXPECT_EQ(t.state(), TableState::Edit);
    t.setText(Grapheme, "кит");
    t.cancel();
    EXPECT_EQ(t.text(Grapheme), "кот");
}

TEST(RecordTable, AssigningOutsideEditStateFails)
{
    RecordTable t(lexiconLayout());
    addWord(t, "a");
    EXPECT_THROW(t.setText(Grapheme, "b"), std::logic_error);
}

TEST(RecordTable, MovingTheCursorPostsAPendingEdit)
{
    RecordTable t(lexiconLayout());
    addWord(t, "a");
    addWord(t, "b");
    t.first();
    t.edit();
    t.setText(Grapheme, "z");
    t.next();
    EXPECT_EQ(words(t), (std::vector<std::string>{"z", "b"}));
}

TEST(RecordTable, WalkWithEof)
{
    RecordTable t(lexiconLayout());
    for (auto w : {"a", "b", "c"})
        addWord(t, w);
    std::vector<std::string> seen;
    for (t.first(); !t.eof(); t.next())
        seen.emplace_back(t.text(Grapheme));
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "b", "c"}));
    RecordTable empty(lexiconLayout());
    empty.first();
    EXPECT_TRUE(empty.eof());
}

TEST(RecordTable, AfterScrollFiresOnMovesAndCanBeDetached)
{
    RecordTable t(lexiconLayout());
    addWord(t, "a");
    addWord(t, "b");
    int calls = 0;
    t.setAfterScroll([&] { ++calls; });
    t.first();
    t.next();
    EXPECT_EQ(calls, 2);
    {
        AfterScrollPause pause(t);
        t.first();
        t.next();
    }
    EXPECT_EQ(calls, 2);
    t.prior();
    EXPECT_EQ(calls, 3);
}

TEST(RecordTable, DeleteKeepsTheCursorOnTheNextRecord)
{
    RecordTable t(lexiconLayout());
    for (auto w : {"a", "b", "c"})
        addWord(t, w);
    t.moveTo(1);
    t.deleteCurrent();
    EXPECT_EQ(t.text(Grapheme), "c");
    t.deleteCurrent();
    EXPECT_EQ(t.text(Grapheme), "a");
    t.deleteCurrent();
    EXPECT_TRUE(t.isEmpty());
    t.deleteCurrent(); // nothing to delete: no effect
}

TEST(RecordTable, SortIsStableRussianAndIgnoresCase)
{
    RecordTable t(lexiconLayout());
    addWord(t, "яблоко", "1");
    addWord(t, "Арбуз", "2");
    addWord(t, "ёж", "3");
    addWord(t, "арбуз", "4");
    addWord(t, "Ель", "5");
    addWord(t, "банан", "6");
    t.sortBy(Grapheme);
    EXPECT_EQ(words(t), (std::vector<std::string>{"Арбуз", "арбуз", "банан", "ёж", "Ель", "яблоко"})); // ё sorts as е
    EXPECT_EQ(t.recordAt(0).text(PhonemeField), "2");
    t.sortBy(Grapheme, true);
    EXPECT_EQ(words(t).front(), "яблоко");
}

TEST(RecordTable, SortKeepsTheCursorOnItsRecordAndAppendGoesToTheEnd)
{
    RecordTable t(lexiconLayout());
    for (auto w : {"в", "б", "а"})
        addWord(t, w);
    t.moveTo(0);
    t.sortBy(Grapheme);
    EXPECT_EQ(t.text(Grapheme), "в");
    addWord(t, "аа");
    EXPECT_EQ(words(t), (std::vector<std::string>{"а", "б", "в", "аа"}));
}

TEST(RecordTable, FilterShowsMatchingRecordsAndBookmarksSurvive)
{
    RecordTable t(lexiconLayout());
    for (auto w : {"a", "b", "c", "d"})
        addWord(t, w);
    t.moveTo(2);
    const Bookmark c = *t.bookmark();
    t.setFilter([](const Record &r) { return r.text(Grapheme) != "b"; });
    EXPECT_EQ(words(t), (std::vector<std::string>{"a", "c", "d"}));
    EXPECT_TRUE(t.gotoBookmark(c));
    EXPECT_EQ(t.text(Grapheme), "c");
    t.clearFilter();
    EXPECT_EQ(t.recordCount(), 4u);
}

TEST(RecordTable, MarksAreKeptInCreationOrder)
{
    RecordTable t(lexiconLayout());
    for (auto w : {"в", "б", "а"})
        addWord(t, w);
    t.sortBy(Grapheme);
    t.setMarked(t.bookmarkAt(0), true); // "а", created last
    t.setMarked(t.bookmarkAt(2), true); // "в", created first
    const auto marks = t.marks();
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_LT(marks[0], marks[1]);
    EXPECT_EQ(t.recordAt(*t.rowOf(marks[0])).text(Grapheme), "в");
    t.emptyTable();
    EXPECT_TRUE(t.marks().empty());
}

TEST(RecordTable, LocateWithOptions)
{
    RecordTable t(lexiconLayout());
    for (auto w : {"Собака", "кошка", "собачка"})
        addWord(t, w);
    EXPECT_FALSE(t.locate(Grapheme, "собака"));
    EXPECT_TRUE(t.locate(Grapheme, "собака", {.caseInsensitive = true}));
    EXPECT_EQ(t.position(), 0u);
    EXPECT_TRUE(t.locate(Grapheme, "соба", {.partialKey = true}));
    EXPECT_EQ(t.text(Grapheme), "собачка");
}

class CountingObserver : public TableObserver {
public:
    void tableReset() override { ++resets; }
    void rowInserted(std::size_t) override { ++inserts; }
    int resets = 0;
    int inserts = 0;
};

TEST(RecordTable, SuspendedDisplayGetsOneResetAtTheEnd)
{
    RecordTable t(lexiconLayout());
    CountingObserver o;
    t.addObserver(&o);
    {
        DisplayPause pause(t);
        for (int i = 0; i < 100; ++i)
            addWord(t, "x");
    }
    EXPECT_EQ(o.inserts, 0);
    EXPECT_EQ(o.resets, 1);
    addWord(t, "y");
    EXPECT_EQ(o.inserts, 1);
    t.removeObserver(&o);
}

TEST(RecordTable, RequiredFieldMustBeSetBeforePost)
{
    RecordTable t(scratchLayout());
    t.append();
    t.setText(Alias, "x");
    EXPECT_THROW(t.post(), std::runtime_error);
    t.setText(Grapheme, std::string(200, 'a'));
    t.post();
    EXPECT_EQ(t.text(Grapheme).size(), 200u); // the scratch table keeps words of any length
}

TEST(CopyByName, CopiesNullsAndValuesAndNeedsEditState)
{
    RecordTable from(lexiconLayout());
    from.append();
    from.setStored(Grapheme, std::string(100, 'g'));
    from.setText(Alias, "");
    from.setInt(Tag, 2);
    from.post();

    RecordTable to(lexiconLayout());
    EXPECT_THROW(copyByName(from, to), std::logic_error);
    to.edit();
    copyByName(from, to);
    to.post();
    EXPECT_EQ(to.text(Grapheme).size(), 100u);
    EXPECT_TRUE(to.value(Grapheme2) == std::nullopt);
    EXPECT_EQ(to.value(Alias), std::string_view());
    EXPECT_EQ(to.intValue(Tag), 2);
}

TEST(CopyByName, CutsWhenWidthsDiffer)
{
    const FieldLayout narrow({{"GRAPHEME", FieldType::String, 4}, {"other", FieldType::String, 10}});
    RecordTable from(lexiconLayout());
    addWord(from, "собака");
    RecordTable to(narrow);
    to.append();
    copyByName(from, to);
    to.post();
    EXPECT_EQ(to.text(0), "со");
    EXPECT_TRUE(to.value(1) == std::nullopt);
}

} // namespace
} // namespace lexorama::lexicon
