#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lexorama::phonetics {

/// The phoneme alphabet shown beside the lexicon grid (Table2 / DBGrid2): rows of a symbol and
/// its examples, read from ";"-delimited text, one row a line. A line without ";" is all
/// symbol; a section line such as ";Согласные" has an empty symbol. Each value keeps at most
/// 68 bytes, cut at a whole character.
class PhonemeAlphabet {
public:
    struct Row {
        std::string symbol;  // Field1, column "Символ"
        std::string examples; // Field2, column "Примеры"
    };

    static constexpr std::size_t kFieldWidth = 68;

    /// Starts with the built-in alphabet.
    PhonemeAlphabet();

    /// Replaces every row with the rows of a whole text (built-in or a user file).
    void load(std::string_view text);
    /// Puts the built-in alphabet back.
    void loadBuiltIn();

    const std::vector<Row> &rows() const { return rows_; }
    /// The text the built-in alphabet is read from.
    static std::string_view builtInText();

private:
    std::vector<Row> rows_;
};

} // namespace lexorama::phonetics
