#include "wordforms/word_forms_module.h"

#include "common/resources.h"
#include "common/text_case.h"
#include "wordforms/cp1251.h"
#include "wordforms/stress_marks.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace lexorama::wordforms {

struct WordFormsModule::Dictionary {
    SclonForms forms;
    LocateList locate;
    std::string problem;
};

namespace {

const std::string kFallbackNote = ": формы слов строятся только по правилам генератора.";

// Calls visit for every piece of text between separators (empty pieces included) until it
// returns true; returns whether it did.
template <typename Visit>
bool anyPiece(std::string_view text, char separator, Visit visit)
{
    for (std::size_t start = 0;;) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        if (visit(text.substr(start, end - start)))
            return true;
        if (end == text.size())
            return false;
        start = end + 1;
    }
}

} // namespace

WordFormsModule::WordFormsModule()
    : WordFormsModule(resources::find(kDictionaryResource))
{
}

WordFormsModule::WordFormsModule(std::optional<std::string_view> compressedDictionary)
    : dictionary_(std::async(std::launch::async, [compressedDictionary] { return load(compressedDictionary); }))
    , rules_(SclonRules::builtIn())
{
}

std::shared_ptr<const WordFormsModule::Dictionary>
WordFormsModule::load(std::optional<std::string_view> compressedDictionary)
{
    auto dictionary = std::make_shared<Dictionary>();
    const std::string name(kDictionaryResource);
    if (!compressedDictionary) {
        dictionary->problem = "Словарь словоформ " + name + " отсутствует в программе" + kFallbackNote;
        return dictionary;
    }
    try {
        dictionary->forms = SclonForms::inflate(*compressedDictionary);
    } catch (const std::exception &e) {
        dictionary->problem = "Словарь словоформ " + name + " поврежден (" + e.what() + ")" + kFallbackNote;
    }
    dictionary->locate = LocateList(dictionary->forms);
    return dictionary;
}

WordFormsModule::~WordFormsModule() = default;

bool WordFormsModule::dictionaryReady() const
{
    return dictionary_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

const WordFormsModule::Dictionary &WordFormsModule::loaded() const
{
    return *dictionary_.get();
}

const SclonForms &WordFormsModule::dictionary() const
{
    return loaded().forms;
}

const LocateList &WordFormsModule::locateList() const
{
    return loaded().locate;
}

const std::string &WordFormsModule::dictionaryProblem() const
{
    return loaded().problem;
}

std::string WordFormsModule::takeDictionaryProblem()
{
    if (problemTaken_)
        return {};
    problemTaken_ = true;
    return dictionaryProblem();
}

std::vector<std::string> WordFormsModule::Sclonenie(std::string_view lemma)
{
    const auto line = dictionary().findUtf8(lemma);
    return line ? formsOfLine(*line) : Spisok(lemma);
}

std::vector<std::string> WordFormsModule::formsOfLine(std::size_t line)
{
    return listFromPieces(cp1251::toUtf8(markStress(dictionary().forms(line))), ',', true);
}

std::vector<std::string> WordFormsModule::Spisok(std::string_view word)
{
    std::string result = rules_.apply(cp1251::fromUtf8(word)).value_or(std::string());
    std::erase(result, '_');
    return listFromPieces(cp1251::toUtf8(result), ' ', false);
}

std::vector<std::string> WordFormsModule::listFromPieces(std::string_view text, char separator, bool skipEmpty)
{
    list_.clear();
    anyPiece(text, separator, [&](std::string_view piece) {
        if (!(skipEmpty && piece.empty()))
            list_.add(piece);
        return false;
    });
    return list_.items();
}

void WordFormsModule::LoadSclon()
{
    rules_ = SclonRules::builtIn();
}

bool WordFormsModule::applyUserRules(const std::string &path, Feedback &feedback)
{
    rules_ = SclonRules();
    list_.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in || std::filesystem::is_directory(path)) {
        feedback.message("Unable to open file \"" + path + "\"");
        return false;
    }
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        feedback.message("Unable to read file \"" + path + "\"");
        return false;
    }
    rules_ = SclonRules::fromUserFile(bytes);
    return true;
}

std::vector<std::string> WordFormsModule::formsForTyped(std::string_view typed)
{
    const std::string lowered = cp1251::fromUtf8(toLower(typed));
    if (const auto line = locateList().longestKnownBeginning(lowered)) {
        const std::string forms = stripStressMarks(dictionary().forms(*line));
        if (anyPiece(forms, ',', [&lowered](std::string_view form) { return form == lowered; }))
            return formsOfLine(*line);
    }
    return Spisok(typed);
}

} // namespace lexorama::wordforms
