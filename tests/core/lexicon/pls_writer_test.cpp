#include "common/feedback.h"
#include "lexicon/lexicon_layout.h"
#include "lexicon/pls_file.h"
#include "lexicon/pls_reader.h"
#include "lexicon/pls_writer.h"
#include "lexicon/record_table.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/resource.h>

namespace lexorama::lexicon {
namespace {

const std::string kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<lexicon id=\"http://www.w3.org/2005/01/pronunciation-lexicon\" "
    "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
    "xsi:schemaLocation=\"http://www.w3.org/2005/01/pronunciation-lexicon "
    "http://www.w3.org/TR/2007/CR-pronunciation-lexicon-20071212/pls.xsd\" "
    "alphabet=\"x-sampa\" xml:lang=\"ru-RU\">\r\n"
    "  <!--\r\n11.12.2026\r\n-->\r\n";

class RecordingFeedback : public Feedback {
public:
    void message(const std::string &text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

void add(RecordTable &t, const std::vector<std::pair<LexiconField, std::string>> &values)
{
    t.append();
    for (const auto &[field, value] : values)
        t.setStored(field, value);
    t.post();
}

TEST(PlsWriter, EmptyTableGivesRootAndDateComment)
{
    RecordTable t(lexiconLayout());
    EXPECT_EQ(PlsWriter::write(t, true, "11.12.2026"), "\xEF\xBB\xBF" + kHead + "</lexicon>\r\n");
    EXPECT_EQ(PlsWriter::write(t, false, "11.12.2026"), kHead + "</lexicon>\r\n");
}

TEST(PlsWriter, WritesFieldsInOrderSkippingNullsAndTag)
{
    RecordTable t(lexiconLayout());
    add(t, {{Grapheme, "собАка"}, {Grapheme3, "собака"}, {PhonemeField, "sɐbˈakə"}, {Alias, ""}, {Tag, "2"}});
    add(t, {{Grapheme, "кот"}});
    add(t, {});
    EXPECT_EQ(PlsWriter::write(t, false, "11.12.2026"), kHead +
              "  <lexeme>\r\n"
              "    <grapheme>собАка</grapheme>\r\n"
              "    <grapheme>собака</grapheme>\r\n"
              "    <phoneme>sɐbˈakə</phoneme>\r\n"
              "    <alias></alias>\r\n"
              "  </lexeme>\r\n"
              "  <lexeme>\r\n"
              "    <grapheme>кот</grapheme>\r\n"
              "  </lexeme>\r\n"
              "  <lexeme/>\r\n"
              "</lexicon>\r\n");
}

struct EscapeCase {
    std::string value;
    std::string written;
};

class PlsWriterEscaping : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(PlsWriterEscaping, EscapesAndReadsBack)
{
    RecordTable t(lexiconLayout());
    add(t, {{Comment, GetParam().value}});
    const std::string bytes = PlsWriter::write(t, true, "d");
    EXPECT_NE(bytes.find("<comment>" + GetParam().written + "</comment>"), std::string::npos) << bytes;
    const auto back = PlsReader::readBytes(bytes, "x");
    ASSERT_TRUE(back.ok()) << back.error;
    EXPECT_EQ(back.records.at(0).text(Comment), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Values, PlsWriterEscaping, ::testing::Values(
    EscapeCase{"a&b", "a&amp;b"},
    EscapeCase{"<x> \"q\" 'a'", "&lt;x&gt; \"q\" 'a'"},
    EscapeCase{"line1\nline2", "line1\r\nline2"},
    EscapeCase{"a\tb\x01", "a&#x9;b&#x1;"},
    EscapeCase{"cr\r\nlf", "cr&#xD;\r\nlf"},
    EscapeCase{"ɐ ʲ ˈ ɕː", "ɐ ʲ ˈ ɕː"}));

TEST(SaveFilePLS, WritesOnlyTheFilteredRecordsAndKeepsTheCursor)
{
    RecordTable t(lexiconLayout());
    for (auto w : {"a", "b", "c"})
        add(t, {{Grapheme, w}});
    t.setFilter([](const Record &r) { return r.text(Grapheme) != "b"; });
    t.moveTo(1);
    test::TempDir dir;
    RecordingFeedback feedback;
    ASSERT_TRUE(SaveFilePLS(t, dir.file("out.pls"), false, feedback));
    EXPECT_EQ(t.text(Grapheme), "c");
    const auto back = PlsReader::readFile(dir.file("out.pls"));
    ASSERT_EQ(back.records.size(), 2u);
    EXPECT_EQ(back.records[1].text(Grapheme), "c");
    EXPECT_EQ(test::readFile(dir.file("out.pls")).substr(0, 3), "\xEF\xBB\xBF");
}

// A file-size limit makes the write fail half-way, as a full disk would (and works for root too).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_ {};
    void (*previousHandler_)(int) = nullptr;
};

TEST(SaveFilePLS, FailedWriteLeavesTheOldFileAndReportsTheSystemMessage)
{
    test::TempDir dir;
    const std::string path = dir.file("keep.pls");
    test::writeFile(path, "old contents");
    RecordTable t(lexiconLayout());
    for (int i = 0; i < 100; ++i)
        add(t, {{Grapheme, "слово"}});
    RecordingFeedback feedback;
    {
        FileSizeLimit limit(1000);
        EXPECT_FALSE(SaveFilePLS(t, path, false, feedback));
    }
    EXPECT_EQ(test::readFile(path), "old contents");
    EXPECT_EQ(std::filesystem::directory_iterator(dir.path())->path().filename(), "keep.pls");
    ASSERT_EQ(feedback.messages.size(), 1u);
    EXPECT_NE(feedback.messages[0].find("File too large"), std::string::npos) << feedback.messages[0];
}

TEST(SaveFilePLS, MissingFolderIsReported)
{
    RecordTable t(lexiconLayout());
    RecordingFeedback feedback;
    EXPECT_FALSE(SaveFilePLS(t, "/nonexistent-folder/x.pls", false, feedback));
    ASSERT_EQ(feedback.messages.size(), 1u);
    EXPECT_NE(feedback.messages[0].find("No such file or directory"), std::string::npos);
}

TEST(CreateNewPLS, WritesAnEmptyLexiconWithByteOrderMark)
{
    test::TempDir dir;
    RecordingFeedback feedback;
    ASSERT_TRUE(CreateNewPLS(dir.file("new.pls"), feedback));
    const std::string bytes = test::readFile(dir.file("new.pls"));
    EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(bytes.find("<lexeme"), std::string::npos);
    EXPECT_TRUE(bytes.ends_with("</lexicon>\r\n"));
}

TEST(OpenFilePLS, AppendsAfterExistingRecordsAndAddsNothingOnError)
{
    test::TempDir dir;
    test::writeFile(dir.file("a.pls"), "<lexicon><lexeme><grapheme>x</grapheme><alias><b/></alias></lexeme></lexicon>");
    test::writeFile(dir.file("bad.pls"), "<lexicon><lexeme>");
    RecordTable t(lexiconLayout());
    add(t, {{Grapheme, "first"}});
    RecordingFeedback feedback;
    EXPECT_TRUE(OpenFilePLS(t, dir.file("a.pls"), feedback));
    EXPECT_EQ(t.recordCount(), 2u);
    EXPECT_EQ(feedback.messages, std::vector<std::string>{"ERROR: x - ошибка при обработке."});
    EXPECT_FALSE(OpenFilePLS(t, dir.file("bad.pls"), feedback));
    EXPECT_EQ(t.recordCount(), 2u);
    EXPECT_EQ(feedback.messages.size(), 2u);
}

} // namespace
} // namespace lexorama::lexicon
