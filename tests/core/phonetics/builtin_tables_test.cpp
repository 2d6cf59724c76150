#include "common/resources.h"
#include "phonetics/rule_list.h"
#include "phonetics/rule_matcher.h"

#include <gtest/gtest.h>

namespace lexorama::phonetics {
namespace {

const std::string kRuler = ";" + std::string(66, '=');

RuleList stored(std::string_view name) { return RuleList::fromText(*resources::find(name)); }

TEST(BuiltInTablesTest, RuleTableHeaderAndBaseRules)
{
    const RuleList rules = stored("phonetics/rules.txt");
    const auto &l = rules.lines();
    ASSERT_GT(l.size(), 1000u);
    EXPECT_EQ(l[0], kRuler);
    EXPECT_EQ(l[1], ";Фонетический словарь формирующий правила разбиения слов на фонемы");
    EXPECT_EQ(l[2], ";24.07.2016");
    EXPECT_EQ(l[3], kRuler);
    EXPECT_EQ(l[4], "ое</w>=#əjʲə#</w>");
    EXPECT_EQ(l[5], "ую</w>=#ʊjʲʊ#</w>");
    const std::vector<std::string> base = {
        "-=", "а</w>=#ə#</w>", "<w>а=<w>#ɐ#", "А=#ˈa#", "а=#ɐ#", "б=#b#", "в=#v#", "г=#ɡ#", "д=#d#",
        "<w>е=<w>#jɪ#", "<w>Е=<w>#jˈe#", "Е=#ʲˈe#", "е=#ʲɪ#", "<w>Ё=<w>#jˈo#", "<w>ё=<w>#jˈo#",
        "Ё=#ʲˈo#", "ё=#ʲˈo#", "ж=#ʐ#", "з=#z#", "И=#ˈi#", "и=#ɪ#", "й=#j#", "к=#k#", "л=#l#",
        "м=#m#", "н=#n#", "о</w>=#ə#</w>", "<w>о=<w>#ɐ#", "О=#ˈo#", "о=#ɐ#", "п=#p#", "р=#r#",
        "с=#s#", "т=#t#", "У=#ˈu#", "у=#ʊ#", "ф=#f#", "х=#x#", "ц=#t͡s#", "ч=#t͡ɕ#", "ш=#ʂ#",
        "щ=#ɕː#", "ъ=", "Ы=#ˈɨ#", "ы=#ᵻ#", "ь=#ʲ#", "<w>э=<w>#ɛ#", "Э=#ˈɛ#", "э=#ɪ#",
        "Ю=#jˈʉ#", "ю=#jʉ#", "<w>я=<w>#jɪ#", "<w>Я=<w>#jˈæ#", "Я=#jˈæ#", "я=#jɐ#"};
    ASSERT_EQ(base.size(), 55u);
    EXPECT_EQ(std::vector<std::string>(l.end() - 55, l.end()), base);
}

TEST(BuiltInTablesTest, FixList)
{
    const RuleList fixes = stored("phonetics/fixes.txt");
    EXPECT_EQ(fixes.lines(),
              (std::vector<std::string>{kRuler, ";Словарь замен для коррекции транскрипций", ";06.03.2016",
                                        kRuler, "ʲɪjˈe</w>=ʲɪj ˈe</w>", "ʲɪsʲə</w>=ʲɪ sʲə</w>",
                                        "jʉsʲə</w>=jʉ sʲə</w>", "<w>əftɐ=<w>ɐftɐ", "nʲˈi</w>=nʲˈ i</w>",
                                        "ʲɪv</w>=ʲɪf</w>", "lˈo</w>=lˈ o</w>", "ɐf</w>=əf</w>",
                                        "ɐm</w>=əm</w>", "ɐ</w>=ə</w>", "<w>ə=<w>ɐ"}));
}

TEST(BuiltInTablesTest, EveryRuleCompiles)
{
    RuleList rules = stored("phonetics/rules.txt");
    rules.toLoadedForm();
    const RuleMatcher matcher(rules);
    EXPECT_EQ(matcher.ruleCount(), rules.size() - 4);
    std::string text = "абвгдеёжзийклмнопрстуфхцчшщъыьэюяАЕЁИОУЫЭЮЯ";
    EXPECT_NO_THROW(matcher.apply(text));
}

} // namespace
} // namespace lexorama::phonetics
