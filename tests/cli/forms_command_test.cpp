#include "cli/cli_run.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace lexorama::cli {
namespace {

const std::string kFixture = test::dataFile("wordforms/fixture_forms.zlib");

CliRun forms(const std::string &word)
{
    return runCliCaptured({"forms", "--dictionary", kFixture, word});
}

TEST(FormsCommand, PrintsTheDictionaryParadigm)
{
    const std::string ruka = "рУк\nрукА\nрукАм\nрукАми\nрукАх\nрукЕ\nрУки\nрукОй\nрукОю\nрУку\n";
    for (const std::string typed : {"рука", "руки", "рУка"}) {
        const CliRun r = forms(typed);
        EXPECT_EQ(r.code, Success) << typed;
        EXPECT_EQ(r.out, ruka) << typed;
        EXPECT_EQ(r.err, "") << typed;
    }
    EXPECT_EQ(forms("стола").out, "стОл\nстолА\nстолАм\nстолАми\nстолАх\nстолЕ\nстолОв\nстолОм\nстолУ\nстолЫ\n");
}

TEST(FormsCommand, IpaAddsTheTranscriptionOfEachForm)
{
    const CliRun ruka = runCliCaptured({"forms", "--ipa", "--dictionary", kFixture, "рУка"});
    EXPECT_EQ(ruka.code, Success);
    EXPECT_EQ(ruka.out, "рУк\trˈuk\nрукА\trʊkˈa\nрукАм\trʊkˈam\nрукАми\trʊkˈamʲɪ\nрукАх\trʊkˈax\n"
                        "рукЕ\trʊkʲˈe\nрУки\trˈukʲɪ\nрукОй\trʊkˈoj\nрукОю\trʊkˈojʉ\nрУку\trˈukʊ\n");
    // a form with secondary stress keeps its mark in the transcription only
    const CliRun base = runCliCaptured({"forms", "--ipa", "--dictionary", kFixture, "авиабаза"});
    EXPECT_NE(base.out.find("\nавиабАза\t`əvʲɪɐbˈazə\n"), std::string::npos) << base.out;
    const CliRun hack = runCliCaptured({"forms", "--ipa", "--dictionary", kFixture, "лайфхак"});
    EXPECT_EQ(hack.out.substr(0, hack.out.find("\nлайфхакам")), "лайфхак\tlɐjfxɐk\nлайфхака\tlɐjfxəkə");
}

// The same examples through the dictionary built into the program.
TEST(FormsCommand, BuiltInDictionaryGivesTheReferenceParadigms)
{
    const CliRun ruka = runCliCaptured({"forms", "--ipa", "руки"});
    EXPECT_EQ(ruka.code, Success) << ruka.err;
    EXPECT_EQ(ruka.out, "рУк\trˈuk\nрукА\trʊkˈa\nрукАм\trʊkˈam\nрукАми\trʊkˈamʲɪ\nрукАх\trʊkˈax\n"
                        "рукЕ\trʊkʲˈe\nрУки\trˈukʲɪ\nрукОй\trʊkˈoj\nрукОю\trʊkˈojʉ\nрУку\trˈukʊ\n");
    const CliRun base = runCliCaptured({"forms", "--ipa", "авиабаза"});
    EXPECT_NE(base.out.find("\nавиабАза\t`əvʲɪɐbˈazə\n"), std::string::npos) << base.out;
    EXPECT_NE(runCliCaptured({"forms", "стола"}).out.find("\nстолОм\n"), std::string::npos);
    EXPECT_NE(runCliCaptured({"forms", "замок"}).out.find("\nзАмок\n"), std::string::npos);
    EXPECT_EQ(runCliCaptured({"forms", "шла"}).out, forms("шла").out); // not a form of «шлагбаум»
    EXPECT_EQ(runCliCaptured({"forms", "лайфхак"}).out, forms("лайфхак").out);
}

TEST(FormsCommand, HomographUsesItsFirstLine)
{
    EXPECT_EQ(forms("замок").out,
              "зАмка\nзАмкам\nзАмками\nзАмках\nзАмке\nзАмки\nзАмков\nзАмком\nзАмку\nзАмок\n");
}

TEST(FormsCommand, SecondaryStressMarkIsNotPartOfTheGrapheme)
{
    const CliRun r = forms("авиабаза");
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "авиабАз");
    EXPECT_NE(r.out.find("\nавиабАза\n"), std::string::npos);
    EXPECT_EQ(r.out.find('`'), std::string::npos);
}

TEST(FormsCommand, UnknownWordsGoThroughTheRules)
{
    EXPECT_EQ(forms("лайфхак").out, "лайфхак\nлайфхака\nлайфхакам\nлайфхаками\nлайфхаках\nлайфхаке\nлайфхаки\n"
                                    "лайфхаков\nлайфхаком\nлайфхаку\n");
    EXPECT_EQ(forms("шла").out, "шл\nшла\nшлам\nшлами\nшлах\nшле\nшлой\nшлою\nшлу\nшлы\n");
    // «лодка» is in the dictionary and brings its own stress; without the dictionary the rules
    // keep the stress typed in every form
    const CliRun known = forms("лОдка");
    EXPECT_EQ(known.out.substr(0, known.out.find('\n')), "лОдка");
    test::TempDir dir;
    test::writeFile(dir.file("none.zlib"), "");
    const CliRun rules = runCliCaptured({"forms", "--dictionary", dir.file("none.zlib"), "лОдка"});
    EXPECT_EQ(rules.out, "лОдка\nлОдкам\nлОдками\nлОдках\nлОдке\nлОдки\nлОдкой\nлОдкою\nлОдку\nлОдок\n");
}

TEST(FormsCommand, UserRulesFileApplies)
{
    test::TempDir dir;
    test::writeFile(dir.file("rules.txt"), "# пробные\r\n\\b(\\w+)\\b=_$1_ _$1s_\r\n");
    const CliRun r = runCliCaptured({"forms", "--rules", dir.file("rules.txt"), "--dictionary", kFixture, "cat"});
    EXPECT_EQ(r.code, Success);
    EXPECT_EQ(r.out, "cat\ncats\n");
}

TEST(FormsCommand, NoFormsIsBadInputWithTheStatusMessage)
{
    const CliRun r = forms("Lifehack");
    EXPECT_EQ(r.code, BadInput);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Список склонения/спряжения для слова \"Lifehack\" пуст. Задайте слово в исходной форме. "
                     "Можно указать ударение прописной буквой.\n");
}

TEST(FormsCommand, DumpPrintsTheDictionaryAsUtf8)
{
    const CliRun r = runCliCaptured({"forms", "--dump", "--dictionary", kFixture});
    EXPECT_EQ(r.code, Success);
    EXPECT_EQ(r.out, test::readFile(test::dataFile("wordforms/fixture_forms.txt")));
}

TEST(FormsCommand, BrokenDictionaryFilesAreReported)
{
    test::TempDir dir;
    test::writeFile(dir.file("bad.zlib"), "not zlib");
    const CliRun dump = runCliCaptured({"forms", "--dump", "--dictionary", dir.file("bad.zlib")});
    EXPECT_EQ(dump.code, BadInput);
    EXPECT_NE(dump.err.find("поврежден"), std::string::npos) << dump.err;
    // the rules still answer, after telling what is wrong
    const CliRun word = runCliCaptured({"forms", "--dictionary", dir.file("bad.zlib"), "лайфхак"});
    EXPECT_EQ(word.code, Success);
    EXPECT_EQ(std::count(word.out.begin(), word.out.end(), '\n'), 10);
    EXPECT_NE(word.err.find("поврежден"), std::string::npos) << word.err;
    EXPECT_EQ(runCliCaptured({"forms", "--dictionary", dir.file("missing.zlib"), "рука"}).code, BadInput);
    EXPECT_EQ(runCliCaptured({"forms", "--rules", dir.file("missing.txt"), "рука"}).code, BadInput);
}

TEST(FormsCommand, BadUsage)
{
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {"forms"}, {"forms", "--dump", "рука"}, {"forms", "рука", "нога"}, {"forms", "--bogus", "рука"},
             {"forms", "--dictionary"}, {"forms", "--dump", "--ipa"}}) {
        const CliRun r = runCliCaptured(args);
        EXPECT_EQ(r.code, BadUsage) << args.size();
        EXPECT_NE(r.err.find("Usage"), std::string::npos);
    }
}

} // namespace
} // namespace lexorama::cli
