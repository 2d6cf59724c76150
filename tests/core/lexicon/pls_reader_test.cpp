#include "lexicon/lexicon_layout.h"
#include "lexicon/pls_reader.h"

#include <gtest/gtest.h>

namespace lexorama::lexicon {
namespace {

std::string lexicon(const std::string &body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<lexicon version=\"1.0\" "
           "xmlns=\"http://www.w3.org/2005/01/pronunciation-lexicon\" alphabet=\"ipa\" xml:lang=\"ru-RU\">\n"
        + body + "\n</lexicon>\n";
}

// A record as "field=value" pairs for its non-null fields, "|" between them.
std::string describe(const Record &r)
{
    static const char *names[] = {"g", "g2", "g3", "ph", "alias", "grammar", "lexname", "comment", "tag"};
    std::string out;
    for (std::size_t f = 0; f < LexiconFieldCount; ++f) {
        if (auto v = r.value(f)) {
            if (!out.empty())
                out += "|";
            out += std::string(names[f]) + "=" + std::string(*v);
        }
    }
    return out.empty() ? "<all null>" : out;
}

std::vector<std::string> read(const std::string &body)
{
    const PlsReader::Result result = PlsReader::readBytes(lexicon(body), "test.pls");
    EXPECT_TRUE(result.ok()) << result.error;
    std::vector<std::string> out;
    for (const Record &r : result.records)
        out.push_back(describe(r));
    for (const std::string &e : result.elementErrors)
        out.push_back("message: " + e);
    return out;
}

struct ReadCase {
    const char *name;
    std::string body;
    std::vector<std::string> expected;
};

class PlsReaderCases : public ::testing::TestWithParam<ReadCase> {};

TEST_P(PlsReaderCases, ReadsEntries)
{
    EXPECT_EQ(read(GetParam().body), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Entries, PlsReaderCases, ::testing::Values(
    ReadCase{"ThreeGraphemesAndAFourthDropped",
             "<lexeme><grapheme>a</grapheme><grapheme>b</grapheme><grapheme>c</grapheme>"
             "<grapheme>d</grapheme><phoneme>x</phoneme></lexeme>",
             {"g=a|g2=b|g3=c|ph=x"}},
    ReadCase{"LastPhonemeWins",
             "<lexeme><grapheme>a</grapheme><phoneme>1</phoneme><phoneme>2</phoneme></lexeme>",
             {"g=a|ph=2"}},
    ReadCase{"AllFields",
             "<lexeme><grapheme>a</grapheme><phoneme>p</phoneme><alias>al</alias><grammar>n</grammar>"
             "<lexname>d</lexname><comment>c</comment></lexeme>",
             {"g=a|ph=p|alias=al|grammar=n|lexname=d|comment=c"}},
    ReadCase{"OnlyExampleGivesAnAllNullRecord",
             "<lexeme><example>text</example></lexeme>", {"<all null>"}},
    ReadCase{"EmptyLexemeAndCommentsGiveNothing",
             "<lexeme/><!-- note --><lexeme>  </lexeme><lexeme><grapheme>a</grapheme></lexeme>", {"g=a"}},
    ReadCase{"StrayElementAfterTheFirstEntryIsAnEntry",
             "<lexeme><grapheme>a</grapheme></lexeme><meta>text</meta>", {"g=a", "<all null>"}},
    ReadCase{"ElementsBeforeTheFirstLexemeAreNotLookedAt",
             "<meta>text</meta><lexeme><grapheme>a</grapheme></lexeme>", {"g=a"}},
    ReadCase{"NoLexemeNoRecord", "<meta>text</meta>", {}},
    ReadCase{"EmptyElementsReadAsEmptyStrings",
             "<lexeme><grapheme>a</grapheme><alias/><comment></comment></lexeme>", {"g=a|alias=|comment="}},
    ReadCase{"ElementWithoutTextIsReportedAndTheEntryKept",
             "<lexeme><alias><!--x--></alias><grapheme>слово</grapheme><phoneme><b/></phoneme>"
             "<lexname>d</lexname></lexeme>",
             {"g=слово|lexname=d", "message: ERROR:  - ошибка при обработке.",
              "message: ERROR: слово - ошибка при обработке."}},
    ReadCase{"EntitiesCdataAndAttributes",
             "<lexeme><grapheme>a&amp;b &lt;c&gt;</grapheme><phoneme alphabet=\"x-sampa\"><![CDATA[<p>]]></phoneme>"
             "</lexeme>",
             {"g=a&b <c>|ph=<p>"}},
    ReadCase{"PaddingAndLineBreaksAreKept",
             "<lexeme><grapheme>\r\n  et\r\n  </grapheme><alias> </alias></lexeme>", {"g=\n  et\n  |alias= "}},
    ReadCase{"NamesAreCaseSensitive",
             "<lexeme><Grapheme>a</Grapheme><grapheme>b</grapheme></lexeme>", {"g=b"}},
    ReadCase{"CharacterReferencesKeepControlCharacters",
             "<lexeme><grapheme>a&#x9;b&#xD;</grapheme></lexeme>", {"g=a\tb\r"}},
    ReadCase{"LongValuesAreKeptWhole",
             "<lexeme><grapheme>" + std::string(400, 'x') + "</grapheme></lexeme>",
             {"g=" + std::string(400, 'x')}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PlsReader, RootNameAndAttributesAreIgnored)
{
    const auto result = PlsReader::readBytes(
        "<whatever alphabet=\"x-sampa\"><lexeme><grapheme>a</grapheme></lexeme></whatever>", "x.pls");
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.records.size(), 1u);
}

struct BadCase {
    const char *name;
    std::string bytes;
    std::string expectedStart;
};

class PlsReaderErrors : public ::testing::TestWithParam<BadCase> {};

TEST_P(PlsReaderErrors, RefusesWithLineAndColumn)
{
    const auto result = PlsReader::readBytes(GetParam().bytes, "bad.pls");
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.records.empty());
    EXPECT_EQ(result.error.substr(0, GetParam().expectedStart.size()), GetParam().expectedStart) << result.error;
}

INSTANTIATE_TEST_SUITE_P(Broken, PlsReaderErrors, ::testing::Values(
    BadCase{"MismatchedEndTag", "<lexicon>\n<lexeme>\n<grapheme>a</graphem>\n</lexeme></lexicon>",
            "ERROR: bad.pls: строка 3, позиция 14: "},
    BadCase{"Unclosed", "<lexicon><lexeme>", "ERROR: bad.pls: строка 1"},
    BadCase{"Empty", "", "ERROR: bad.pls: строка 1, позиция 1: нет корневого элемента"},
    BadCase{"InvalidUtf8InAValue", "<lexicon>\n<lexeme><grapheme>ab\xFF</grapheme></lexeme></lexicon>",
            "ERROR: bad.pls: строка 2, позиция 21: недопустимая последовательность UTF-8"},
    BadCase{"UnknownEncoding", "<?xml version=\"1.0\" encoding=\"x-no-such\"?><lexicon/>",
            "ERROR: bad.pls: неподдерживаемая кодировка x-no-such"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PlsReader, AcceptsByteOrderMarkUtf16AndDeclaredWindows1251)
{
    const std::string body = "<lexicon><lexeme><grapheme>кот</grapheme></lexeme></lexicon>";
    auto withBom = PlsReader::readBytes("\xEF\xBB\xBF" + body, "bom.pls");
    ASSERT_TRUE(withBom.ok());
    EXPECT_EQ(withBom.records.at(0).text(Grapheme), "кот");

    std::string utf16 = "\xFF\xFE";
    for (char16_t c : std::u16string(u"<lexicon><lexeme><grapheme>кот</grapheme></lexeme></lexicon>")) {
        utf16 += static_cast<char>(c & 0xFF);
        utf16 += static_cast<char>(c >> 8);
    }
    auto fromUtf16 = PlsReader::readBytes(utf16, "utf16.pls");
    ASSERT_TRUE(fromUtf16.ok()) << fromUtf16.error;
    EXPECT_EQ(fromUtf16.records.at(0).text(Grapheme), "кот");

    auto cp1251 = PlsReader::readBytes("<?xml version=\"1.0\" encoding=\"windows-1251\"?>"
                                       "<lexicon><lexeme><grapheme>\xEA\xEE\xF2</grapheme></lexeme></lexicon>",
                                       "cp1251.pls");
    ASSERT_TRUE(cp1251.ok()) << cp1251.error;
    EXPECT_EQ(cp1251.records.at(0).text(Grapheme), "кот");
}

TEST(PlsReader, MissingFileIsReported)
{
    const auto result = PlsReader::readFile("/nonexistent/x.pls");
    EXPECT_EQ(result.error.rfind("ERROR: /nonexistent/x.pls: ", 0), 0u) << result.error;
}

} // namespace
} // namespace lexorama::lexicon
