#include "common/feedback.h"
#include "lexicon/edit_panel_sync.h"
#include "lexicon/lexicon_layout.h"
#include "lexicon/record_table.h"
#include "phonetics/bulk_phonemes.h"
#include "phonetics/transcriber.h"

#include <gtest/gtest.h>

namespace lexorama::phonetics {
namespace {

using lexicon::Grapheme;
using lexicon::PhonemeField;

class BulkPhonemesTest : public testing::Test {
protected:
    BulkPhonemesTest()
    {
        lexicon.setAfterScroll([this] {
            ++syncs;
            lexicon::EditPanelSync::showCurrent(lexicon, panel);
        });
    }

    void add(const std::string &word, std::optional<std::string> phoneme)
    {
        lexicon.append();
        lexicon.setText(Grapheme, word);
        if (phoneme)
            lexicon.setText(PhonemeField, *phoneme);
        lexicon.post();
    }

    std::vector<std::string> phonemes() const
    {
        std::vector<std::string> out;
        for (std::size_t row = 0; row < lexicon.recordCount(); ++row)
            out.emplace_back(lexicon.recordAt(row).value(PhonemeField).value_or("<null>"));
        return out;
    }

    static const Transcriber &transcriber()
    {
        static const Transcriber t;
        return t;
    }

    lexicon::RecordTable lexicon{lexicon::lexiconLayout()};
    lexicon::RecordTable panel{lexicon::lexiconLayout()};
    SilentFeedback feedback;
    int syncs = 0;
};

TEST_F(BulkPhonemesTest, NewPhonemesFillOnlyEmptyOnesAndReturnToTheCurrentRecord)
{
    add("мАма", std::nullopt);
    add("кто-нибудь", std::string());
    add("собАка", "kept");
    lexicon.moveTo(1);
    syncs = 0;
    AllNewPhonemes(lexicon, transcriber(), feedback);
    EXPECT_EQ(phonemes(), (std::vector<std::string>{"mˈamə", "ktɐnʲɪbʊdʲ", "kept"}));
    EXPECT_EQ(lexicon.position(), 1u);
    EXPECT_EQ(syncs, 1); // detached during the walk, one sync on the way back
    EXPECT_EQ(panel.text(PhonemeField), "ktɐnʲɪbʊdʲ");
    EXPECT_FALSE(lexicon.controlsDisabled());
}

TEST_F(BulkPhonemesTest, RenewBelowCursorOverwritesFromTheCurrentRecord)
{
    add("мАма", "old");
    add("из-зА", "old");
    add("ещЁ", "old");
    lexicon.moveTo(1);
    RenewAllPhonemes(lexicon, transcriber(), feedback);
    EXPECT_EQ(phonemes(), (std::vector<std::string>{"old", "ɪzzˈa", "jɪɕːˈo"}));
    lexicon.moveTo(0);
    lexicon.last();
    lexicon.edit();
    lexicon.setText(PhonemeField, "old");
    lexicon.post();
    RenewAllPhonemes(lexicon, transcriber(), feedback); // on the last record: that one only
    EXPECT_EQ(phonemes(), (std::vector<std::string>{"old", "ɪzzˈa", "jɪɕːˈo"}));
}

TEST_F(BulkPhonemesTest, MarkedRecordsGoThroughThePanelWithPhoneme)
{
    add("кто-нибудь", std::nullopt);
    add("мАма", "old");
    add("собАка", std::nullopt);
    lexicon.setMarked(lexicon.bookmarkAt(0), true);
    lexicon.setMarked(lexicon.bookmarkAt(2), true);
    UpdateMarkedPhonemes(lexicon, panel, transcriber(), Grapheme);
    EXPECT_EQ(phonemes(), (std::vector<std::string>{"ktɐ nʲɪbʊdʲ", "old", "sɐbˈakə"}));
    EXPECT_EQ(lexicon.position(), 2u);
    EXPECT_EQ(lexicon.marks().size(), 2u);
}

TEST_F(BulkPhonemesTest, PopupTakesTheSelectedCellWhenPanelHasNoPhoneme)
{
    add("first", std::nullopt);
    add("ignored", std::nullopt);
    lexicon.edit();
    lexicon.setText(lexicon::Comment, "мАма");
    lexicon.post();
    lexicon.moveTo(1); // panel sync copies the record into the panel
    PhonemePopup(lexicon, panel, transcriber(), lexicon::Comment);
    ASSERT_EQ(lexicon.recordCount(), 2u);
    EXPECT_EQ(lexicon.recordAt(1).value(Grapheme), "мАма");
    EXPECT_EQ(lexicon.recordAt(1).value(PhonemeField), "mˈamə");
}

TEST_F(BulkPhonemesTest, NothingMarkedNothingDone)
{
    add("мАма", "old");
    UpdateMarkedPhonemes(lexicon, panel, transcriber(), Grapheme);
    EXPECT_EQ(phonemes(), std::vector<std::string>{"old"});
}

} // namespace
} // namespace lexorama::phonetics
