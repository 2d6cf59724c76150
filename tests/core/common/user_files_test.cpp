#include "common/user_files.h"

#include <gtest/gtest.h>

namespace lexorama {
namespace {

TEST(UserFiles, AppliesInOrderSkipsEmptyPathsAndStopsOnFailure)
{
    std::vector<std::string> seen;
    applyUserFiles({"PhonemesAlphabetFileName=", "PhonemesFileName=/a=b.txt", "garbage", "Sclonjator_rexFileName=/x",
                    "PhonemesFixFileName=/never"},
                   [&](const std::string &name, const std::string &path) {
                       seen.push_back(name + "|" + path);
                       return name != "Sclonjator_rexFileName";
                   });
    EXPECT_EQ(seen, (std::vector<std::string>{"PhonemesFileName|/a=b.txt", "Sclonjator_rexFileName|/x"}));
}

} // namespace
} // namespace lexorama
