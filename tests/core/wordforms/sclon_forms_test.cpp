#include "wordforms/sclon_forms.h"

#include "support/temp_dir.h"
#include "wordforms/cp1251.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace lexorama::wordforms {
namespace {

std::string compress(const std::string &text)
{
    uLongf size = compressBound(text.size());
    std::string out(size, '\0');
    compress2(reinterpret_cast<Bytef *>(out.data()), &size, reinterpret_cast<const Bytef *>(text.data()),
              text.size(), 9);
    out.resize(size);
    return out;
}

SclonForms fromText(const std::string &utf8)
{
    return SclonForms::inflate(compress(cp1251::fromUtf8(utf8)));
}

TEST(SclonForms, ReadsTheDictionaryFormat)
{
    const SclonForms forms = SclonForms::inflate(test::readFile(test::dataFile("wordforms/fixture_forms.zlib")));
    ASSERT_EQ(forms.lineCount(), 12u);
    EXPECT_EQ(forms.lineUtf8(0), "а#а");
    EXPECT_EQ(cp1251::toUtf8(forms.lemma(8)), "рука");
    EXPECT_EQ(cp1251::toUtf8(forms.forms(8)),
              "рука',ру'ки,руки',ру'к,руке',рука'м,ру'ку,ру'ки,руко'й,руко'ю,рука'ми,руке',рука'х");
    EXPECT_EQ(forms.findUtf8("ёж"), 3u);
    EXPECT_EQ(forms.findUtf8("адрес-календарь"), 2u);
    EXPECT_FALSE(forms.findUtf8("еж").has_value());
    EXPECT_FALSE(forms.findUtf8("Рука").has_value()); // exact, case-sensitive
    EXPECT_FALSE(forms.findUtf8("sɐbˈakə").has_value());
    EXPECT_GT(forms.textBytes(), forms.lineCount());
}

TEST(SclonForms, FirstLineOfALemmaWins)
{
    const SclonForms forms = fromText("замок#за'мок\r\nзамок#замо'к\r\n");
    EXPECT_EQ(forms.findUtf8("замок"), 0u);
    EXPECT_TRUE(forms.isFirstOfLemma(0));
    EXPECT_FALSE(forms.isFirstOfLemma(1));
}

struct LineEndCase {
    std::string text;
    std::vector<std::string> lines;
};

class SclonFormsLineEnds : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(SclonFormsLineEnds, EndLinesAtCrLfOrCrLf)
{
    const SclonForms forms = fromText(GetParam().text);
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < forms.lineCount(); ++i)
        lines.push_back(forms.lineUtf8(i));
    EXPECT_EQ(lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, SclonFormsLineEnds, ::testing::Values(
    LineEndCase{"а#а\r\nб#б\r\n", {"а#а", "б#б"}},
    LineEndCase{"а#а\nб#б", {"а#а", "б#б"}},
    LineEndCase{"а#а\rб#б\r", {"а#а", "б#б"}},
    LineEndCase{"а#а\r\n\r\nб#б", {"а#а", "", "б#б"}},
    LineEndCase{"", {}}));

TEST(SclonForms, LinesSurviveChunkAndBlockBoundaries)
{
    // Long lines across many inflate chunks, a CR LF pair split between chunks included.
    std::string text;
    for (int i = 0; i < 40000; ++i) // more than one 4 MiB block
        text += "слово" + std::to_string(i) + "#" + std::string(70 + i % 50, 'x') + "\r\n";
    const SclonForms forms = fromText(text);
    ASSERT_EQ(forms.lineCount(), 40000u);
    for (int i : {0, 1234, 39999}) {
        const auto line = forms.findUtf8("слово" + std::to_string(i));
        ASSERT_TRUE(line.has_value());
        EXPECT_EQ(forms.forms(*line), std::string(70 + i % 50, 'x'));
    }
}

TEST(SclonForms, LinesLongerThanABlockAndLineEndsOnItsEdge)
{
    constexpr std::size_t kBlock = 4u << 20;
    const std::string fillsBlock = "a#" + std::string(kBlock - 3, 'x');   // with its CR: one block
    const std::string spansBlocks = "b#" + std::string(3 * kBlock, 'y'); // more than two blocks
    const SclonForms forms = SclonForms::inflate(compress(fillsBlock + "\r\n" + spansBlocks + "\r\nc#c\r\n"));
    ASSERT_EQ(forms.lineCount(), 3u);
    EXPECT_EQ(forms.line(0), fillsBlock);
    EXPECT_EQ(forms.line(1), spansBlocks);
    EXPECT_EQ(forms.line(2), "c#c");
    EXPECT_LT(forms.bytesHeld(), forms.textBytes() * 2); // no block left behind empty
}

TEST(SclonForms, LineWithoutHashHasNoLemma)
{
    const SclonForms forms = fromText("просто строка\r\nа#а");
    EXPECT_EQ(forms.lemma(0), "");
    EXPECT_EQ(forms.forms(0), "");
    EXPECT_FALSE(forms.isFirstOfLemma(0));
    EXPECT_FALSE(forms.find("").has_value());
}

TEST(SclonForms, DamagedStreamsAreErrors)
{
    const std::string good = compress(cp1251::fromUtf8("рука#рука'\r\n"));
    EXPECT_THROW(SclonForms::inflate(good.substr(0, good.size() - 3)), std::runtime_error); // truncated
    EXPECT_THROW(SclonForms::inflate("not a zlib stream"), std::runtime_error);
    EXPECT_THROW(SclonForms::inflate(""), std::runtime_error);
    std::string flipped = good;
    flipped[flipped.size() - 1] ^= 0x55; // checksum
    EXPECT_THROW(SclonForms::inflate(flipped), std::runtime_error);
}

} // namespace
} // namespace lexorama::wordforms
