#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexorama::wordforms {

/// The word-form dictionary: lines "lemma#form,form,..." in Windows-1251, in file order.
/// The stream is inflated straight into a few large blocks that then hold the text as it came,
/// line ends included; lines are offsets into them, and lemmas are found through an
/// open-addressing hash of line numbers (the first line of a lemma wins), so the whole
/// dictionary costs little more than its inflated text.
class SclonForms {
public:
    SclonForms() = default;

    /// Inflates a zlib stream (RFC 1950) of Windows-1251 text; CR, LF or CR LF end a line.
    /// Throws std::runtime_error when the stream is damaged or truncated.
    static SclonForms inflate(std::string_view zlibStream);

    std::size_t lineCount() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    /// The whole line (Windows-1251).
    std::string_view line(std::size_t index) const;
    /// Text before the first "#"; empty when the line has none.
    std::string_view lemma(std::size_t index) const;
    /// Text after the first "#"; empty when the line has none.
    std::string_view forms(std::size_t index) const;
    /// The line as UTF-8.
    std::string lineUtf8(std::size_t index) const;

    /// The first line whose lemma equals this Windows-1251 text exactly.
    std::optional<std::size_t> find(std::string_view lemmaCp1251) const;
    /// The same for a UTF-8 lemma.
    std::optional<std::size_t> findUtf8(std::string_view lemma) const;
    /// True when this line is the first one of its lemma.
    bool isFirstOfLemma(std::size_t index) const;

    /// Bytes of inflated text (line ends included) the dictionary was read from.
    std::size_t textBytes() const { return textBytes_; }
    /// Bytes this object holds on the heap.
    std::size_t bytesHeld() const;

private:
    struct LineRef {
        std::uint32_t block;
        std::uint32_t offset;
        std::uint32_t length;
        std::uint32_t lemmaLength; // up to "#", or ~0u when the line has no "#"
    };
    struct Block {
        struct Free {
            void operator()(char *data) const;
        };
        std::unique_ptr<char[], Free> data;
        std::size_t size = 0;
        std::size_t capacity = 0;
    };
    class Builder;

    void buildIndex();

    std::vector<Block> blocks_;
    std::vector<LineRef> lines_;
    std::vector<std::uint32_t> slots_; // line index + 1, 0 = free
    std::size_t textBytes_ = 0;
};

} // namespace lexorama::wordforms
