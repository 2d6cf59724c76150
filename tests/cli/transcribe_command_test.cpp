#include "cli/cli_run.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <iostream>

namespace lexorama::cli {
namespace {

CliRun withStdin(const std::string &input, const std::vector<std::string> &args)
{
    std::istringstream in(input);
    std::streambuf *saved = std::cin.rdbuf(in.rdbuf());
    CliRun run = runCliCaptured(args);
    std::cin.rdbuf(saved);
    return run;
}

TEST(TranscribeCommand, WordsFromArgumentsOneLineEach)
{
    const CliRun r = runCliCaptured({"transcribe", "собАка", "из-зА", "красное винО"});
    EXPECT_EQ(r.code, Success);
    EXPECT_EQ(r.out, "sɐbˈakə\nɪz zˈa\nkrɐsnɐʲɪ vʲɪnˈo\n");
    EXPECT_EQ(r.err, "");
}

TEST(TranscribeCommand, BulkKeepsHyphenAndCapitalYo)
{
    const CliRun r = runCliCaptured({"transcribe", "--bulk", "из-зА", "кто-нибудь", "ещЁ"});
    EXPECT_EQ(r.out, "ɪzzˈa\nktɐnʲɪbʊdʲ\njɪɕːˈo\n");
}

TEST(TranscribeCommand, ReadsStandardInputWithoutWords)
{
    const CliRun r = withStdin("мАма\r\n\nМосква\n", {"transcribe"});
    EXPECT_EQ(r.code, Success);
    EXPECT_EQ(r.out, "mˈamə\n\nmɐskvə\n");
}

TEST(TranscribeCommand, UserRuleAndFixFiles)
{
    test::TempDir dir;
    test::writeFile(dir.file("rules.txt"), ";mine\nа=#A#\n");
    test::writeFile(dir.file("fixes.txt"), "A</w>=Z</w>\n");
    const CliRun r = runCliCaptured({"transcribe", "--rules", dir.file("rules.txt"), "--fixes",
                                     dir.file("fixes.txt"), "мама"});
    EXPECT_EQ(r.code, Success);
    EXPECT_EQ(r.out, "мAмZ\n");
}

TEST(TranscribeCommand, BadRuleFileAndUsage)
{
    test::TempDir dir;
    test::writeFile(dir.file("bad.txt"), ";c\n(а=x\n");
    const CliRun bad = runCliCaptured({"transcribe", "--rules", dir.file("bad.txt"), "мама"});
    EXPECT_EQ(bad.code, BadInput);
    EXPECT_NE(bad.err.find("строка 2"), std::string::npos) << bad.err;
    const CliRun missing = runCliCaptured({"transcribe", "--rules", dir.file("none.txt"), "мама"});
    EXPECT_EQ(missing.code, BadInput);
    EXPECT_NE(missing.err.find("Unable to open file"), std::string::npos);
    EXPECT_EQ(runCliCaptured({"transcribe", "--rules"}).code, BadUsage);
    EXPECT_EQ(runCliCaptured({"transcribe", "--fast", "мама"}).code, BadUsage);
}

} // namespace
} // namespace lexorama::cli
