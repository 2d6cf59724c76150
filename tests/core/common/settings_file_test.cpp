#include "common/settings_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace lexorama {
namespace {

TEST(SettingsFile, RoundTripsValuesAndLists)
{
    test::TempDir dir;
    SettingsFile s;
    s.setValue("TForm1", "AutoloadDicMenuItem.Checked", "True");
    s.setList("TForm1", "UserFiles.Strings", {"PhonemesFileName=/home/u/правила.txt", "", "a=b&<c>"});
    ASSERT_EQ(s.save(dir.file("lexorama.xml")), "");

    SettingsFile back;
    ASSERT_EQ(back.load(dir.file("lexorama.xml")), "");
    EXPECT_EQ(back.value("TForm1", "AutoloadDicMenuItem.Checked"), "True");
    EXPECT_EQ(back.list("TForm1", "UserFiles.Strings"),
              (std::vector<std::string>{"PhonemesFileName=/home/u/правила.txt", "", "a=b&<c>"}));
    EXPECT_EQ(back.value("TForm1", "Missing"), std::nullopt);
    EXPECT_EQ(back.value("TOptionsForm", "x"), std::nullopt);
}

TEST(SettingsFile, MissingFileGivesNoValuesAndDamagedFileIsReported)
{
    test::TempDir dir;
    SettingsFile s;
    EXPECT_EQ(s.load(dir.file("none.xml")), "");
    test::writeFile(dir.file("bad.xml"), "<settings><window");
    EXPECT_NE(s.load(dir.file("bad.xml")), "");
    EXPECT_EQ(s.value("TForm1", "x"), std::nullopt);
}

} // namespace
} // namespace lexorama
