#include "cli/cli_run.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace lexorama::cli {
namespace {

CliRun run(const std::vector<std::string> &args)
{
    return runCliCaptured(args);
}

TEST(DumpCommand, PrintsNineFieldsWithNullsAndEscapes)
{
    test::TempDir dir;
    test::writeFile(dir.file("x.pls"),
                    "<lexicon><lexeme><grapheme>a\\b&#x9;c</grapheme><phoneme>l1\nl2&#xD;</phoneme><alias/></lexeme>"
                    "<lexeme><grapheme>x</grapheme><comment><b/></comment></lexeme></lexicon>");
    const CliRun r = run({"dump", dir.file("x.pls")});
    EXPECT_EQ(r.code, Success);
    EXPECT_EQ(r.out, "a\\\\b\\tc\t\\N\t\\N\tl1\\nl2\\r\t\t\\N\t\\N\t\\N\t\\N\n"
                     "x\t\\N\t\\N\t\\N\t\\N\t\\N\t\\N\t\\N\t\\N\n");
    EXPECT_EQ(r.err, "ERROR: x - ошибка при обработке.\n");
}

TEST(DumpCommand, RefusesBrokenFilesAndBadUsage)
{
    test::TempDir dir;
    test::writeFile(dir.file("bad.pls"), "<lexicon><lexeme>");
    const CliRun bad = run({"dump", dir.file("bad.pls")});
    EXPECT_EQ(bad.code, BadInput);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err.rfind("ERROR: " + dir.file("bad.pls") + ": строка 1", 0), 0u) << bad.err;
    EXPECT_EQ(run({"dump"}).code, BadUsage);
    EXPECT_EQ(run({"no-such-command"}).code, BadUsage);
    EXPECT_EQ(run({}).code, BadUsage);
}

TEST(ConvertCommand, WritesTheProgramLayoutWithOrWithoutByteOrderMark)
{
    test::TempDir dir;
    const std::string in = test::dataFile("lexicon/pls/en_texttotalk_stutter_replacers.pls");
    ASSERT_EQ(run({"convert", in, dir.file("a.pls")}).code, Success);
    ASSERT_EQ(run({"convert", in, dir.file("b.pls"), "--no-bom"}).code, Success);
    const std::string a = test::readFile(dir.file("a.pls"));
    const std::string b = test::readFile(dir.file("b.pls"));
    EXPECT_EQ(a.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(a.substr(3), b);
    EXPECT_EQ(run({"dump", in}).out, run({"dump", dir.file("a.pls")}).out);
}

TEST(ConvertCommand, UnreadableInputLeavesTheOutputUntouched)
{
    test::TempDir dir;
    test::writeFile(dir.file("bad.pls"), "<lexicon>");
    test::writeFile(dir.file("out.pls"), "precious");
    EXPECT_EQ(run({"convert", dir.file("bad.pls"), dir.file("out.pls")}).code, BadInput);
    EXPECT_EQ(run({"convert", dir.file("missing.pls"), dir.file("new.pls")}).code, BadInput);
    EXPECT_EQ(test::readFile(dir.file("out.pls")), "precious");
    EXPECT_EQ(test::readFile(dir.file("new.pls")), "");
    EXPECT_EQ(run({"convert", dir.file("bad.pls")}).code, BadUsage);
}

} // namespace
} // namespace lexorama::cli
