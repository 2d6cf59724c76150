#include "cli_run.h"
#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>

namespace lexorama::cli {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

std::uint32_t le32(const std::string &bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

TEST(SayCommand, WritesTheTranscriptionAsEspeakSpeaksIt)
{
    test::TempDir dir;
    const std::string wav = dir.file("x.wav");
    const CliRun run = runCliCaptured({"say", "--ipa", "--wav", wav, "--phonemes", "sɐbˈakə"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "s V# b A k @\n"); // s-ɐ-b-ˈa-k-ə: the stressed a is espeak's A

    const std::string bytes = test::readFile(wav);
    ASSERT_GT(bytes.size(), 44u);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(le32(bytes, 24), 22050u);                 // samples per second
    EXPECT_EQ(le32(bytes, 28), 44100u);                 // bytes per second: mono, 16 bits
    EXPECT_EQ(bytes.substr(36, 4), "data");
    EXPECT_EQ(le32(bytes, 40), bytes.size() - 44);
    EXPECT_GT(bytes.size() - 44, 22050u / 4);           // at least a quarter of a second
}

TEST(SayCommand, HelpGoesToTheOutput)
{
    const CliRun run = runCliCaptured({"say", "--help"});
    EXPECT_EQ(run.code, 0);
    EXPECT_THAT(run.out, HasSubstr("--list-voices"));
}

TEST(SayCommand, ListsTheRussianVoiceFirst)
{
    const CliRun run = runCliCaptured({"say", "--list-voices"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_THAT(run.out, StartsWith("Russian\tzle/ru\n"));
}

TEST(SayCommand, SpeaksPlainTextWithAChosenVoiceAndRate)
{
    test::TempDir dir;
    const CliRun russian = runCliCaptured({"say", "--wav", dir.file("a.wav"), "--phonemes", "дом"});
    EXPECT_EQ(russian.out, "d o m\n");
    const CliRun english =
        runCliCaptured({"say", "--voice", "gmw/en", "--rate", "5", "--wav", dir.file("b.wav"), "--phonemes", "home"});
    ASSERT_EQ(english.code, 0) << english.err;
    EXPECT_NE(english.out, russian.out);
}

struct BadArgs {
    std::vector<std::string> args;
    int code;
    std::string message;
};

void PrintTo(const BadArgs &bad, std::ostream *out)
{
    for (const std::string &arg : bad.args)
        *out << arg << ' ';
}

class SayCommandErrors : public ::testing::TestWithParam<BadArgs> {};

TEST_P(SayCommandErrors, Refuses)
{
    const CliRun run = runCliCaptured(GetParam().args);
    EXPECT_EQ(run.code, GetParam().code);
    EXPECT_THAT(run.err, HasSubstr(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(Cases, SayCommandErrors, ::testing::Values(
    BadArgs{{"say"}, 2, "Usage"},
    BadArgs{{"say", "--rate", "11", "дом"}, 2, "Usage"},
    BadArgs{{"say", "--rate", "x", "дом"}, 2, "Usage"},
    BadArgs{{"say", "--wav"}, 2, "Usage"},
    BadArgs{{"say", "--loud", "дом"}, 2, "Usage"},
    BadArgs{{"say", "--voice", "Vulcan", "дом"}, 1, "Unknown voice: Vulcan"},
    BadArgs{{"say", "--wav", "/nonexistent-folder/x.wav", "дом"}, 1, "nonexistent-folder"}));

} // namespace
} // namespace lexorama::cli
