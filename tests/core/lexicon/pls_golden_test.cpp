// Real lexicons from other projects: each reads as the reading rules say, is written in the
// program's layout (compared with a golden file) and reads back with every value unchanged.
// Set LEXORAMA_UPDATE_GOLDEN=1 to rewrite the golden files after a deliberate change.
#include "lexicon/lexicon_layout.h"
#include "lexicon/pls_reader.h"
#include "lexicon/pls_writer.h"
#include "lexicon/record_table.h"
#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace lexorama::lexicon {
namespace {

struct GoldenCase {
    const char *input;
    std::size_t records;
};

class PlsGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(PlsGolden, WritesTheExactLayoutAndReadsBackUnchanged)
{
    const std::string input = test::dataFile(std::string("lexicon/pls/") + GetParam().input);
    const auto read = PlsReader::readFile(input);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_TRUE(read.elementErrors.empty());
    ASSERT_EQ(read.records.size(), GetParam().records);

    RecordTable table(lexiconLayout());
    for (const Record &r : read.records)
        table.appendRecord(r);
    const std::string written = PlsWriter::write(table, true, "01.01.2000");

    const std::string golden = test::dataFile(std::string("lexicon/golden/")
                                              + std::filesystem::path(GetParam().input).stem().string() + ".pls");
    if (std::getenv("LEXORAMA_UPDATE_GOLDEN"))
        test::writeFile(golden, written);
    EXPECT_EQ(written, test::readFile(golden));

    const auto back = PlsReader::readBytes(written, "written");
    ASSERT_TRUE(back.ok()) << back.error;
    EXPECT_EQ(back.records, read.records);
}

INSTANTIATE_TEST_SUITE_P(RealFiles, PlsGolden, ::testing::Values(
    GoldenCase{"en_telnyx_medical_polly_01.pls", 100},
    GoldenCase{"en_texttotalk_characters_locations_system.pls", 205},
    GoldenCase{"en_texttotalk_chat_acronyms_alias.pls", 50},
    GoldenCase{"en_texttotalk_stutter_replacers.pls", 18},
    GoldenCase{"en_texttotalk_unit_test.pls", 68},
    GoldenCase{"ja_redhat_lexicon_alias.pls", 30},
    GoldenCase{"la_medieval_latina_1427_no_alphabet_no_lang.pls", 1427},
    GoldenCase{"la_medieval_latina_Latin00_nodecl_ws.pls", 276},
    GoldenCase{"zh_azure_tts_lexicon_cn_sapi.xml", 31},
    GoldenCase{"ru_bom_crlf.pls", 6}),
    [](const auto &info) {
        std::string name = std::filesystem::path(info.param.input).stem().string();
        for (char &c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

} // namespace
} // namespace lexorama::lexicon
