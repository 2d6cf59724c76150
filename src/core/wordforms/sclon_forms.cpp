#include "wordforms/sclon_forms.h"

#include "wordforms/cp1251.h"

#include <functional>
#include <stdexcept>
#include <zlib.h>

namespace lexorama::wordforms {

namespace {

constexpr std::size_t kBlockSize = 4u << 20;
constexpr std::size_t kChunkSize = 64u << 10;
constexpr std::uint32_t kNoLemma = ~0u;

std::size_t hashOf(std::string_view text)
{
    return std::hash<std::string_view>{}(text);
}

} // namespace

// Cuts the inflated text into lines and stores them into blocks as they arrive.
class SclonForms::Builder {
public:
    explicit Builder(SclonForms &forms) : forms_(forms) {}

    void feed(std::string_view chunk)
    {
        forms_.textBytes_ += chunk.size();
        std::size_t start = 0;
        for (std::size_t i = 0; i < chunk.size(); ++i) {
            const char c = chunk[i];
            if (c != '\r' && c != '\n')
                continue;
            if (!(c == '\n' && afterCr_ && i == start && pending_.empty()))
                endLine(chunk.substr(start, i - start));
            afterCr_ = c == '\r';
            start = i + 1;
        }
        if (start < chunk.size()) {
            pending_.append(chunk.substr(start));
            afterCr_ = false;
        }
    }

    void finish()
    {
        if (!pending_.empty())
            endLine({});
        if (!forms_.blocks_.empty())
            forms_.blocks_.back().shrink_to_fit();
    }

private:
    void endLine(std::string_view tail)
    {
        if (!pending_.empty()) {
            pending_.append(tail);
            store(pending_);
            pending_.clear();
        } else {
            store(tail);
        }
    }

    void store(std::string_view text)
    {
        auto &blocks = forms_.blocks_;
        if (blocks.empty() || blocks.back().size() + text.size() > blocks.back().capacity()) {
            if (!blocks.empty())
                blocks.back().shrink_to_fit();
            blocks.emplace_back().reserve(std::max(kBlockSize, text.size()));
        }
        std::string &block = blocks.back();
        const std::size_t hash = text.find('#');
        forms_.lines_.push_back({static_cast<std::uint32_t>(blocks.size() - 1),
                                 static_cast<std::uint32_t>(block.size()),
                                 static_cast<std::uint32_t>(text.size()),
                                 hash == std::string_view::npos ? kNoLemma
                                                                : static_cast<std::uint32_t>(hash)});
        block.append(text);
    }

    SclonForms &forms_;
    std::string pending_;
    bool afterCr_ = false;
};

SclonForms SclonForms::inflate(std::string_view zlibStream)
{
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        throw std::runtime_error("zlib: cannot start inflating");
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(zlibStream.data()));
    z.avail_in = static_cast<uInt>(zlibStream.size());

    SclonForms forms;
    Builder builder(forms);
    std::string chunk(kChunkSize, '\0');
    int status = Z_OK;
    while (status == Z_OK) {
        z.next_out = reinterpret_cast<Bytef *>(chunk.data());
        z.avail_out = static_cast<uInt>(chunk.size());
        status = ::inflate(&z, Z_NO_FLUSH);
        if (status == Z_BUF_ERROR && z.avail_in == 0)
            break; // the input ended before the stream did
        builder.feed(std::string_view(chunk).substr(0, chunk.size() - z.avail_out));
    }
    const std::string message = z.msg ? z.msg : "";
    inflateEnd(&z);
    if (status != Z_STREAM_END)
        throw std::runtime_error(message.empty() ? "the zlib stream is truncated" : "zlib: " + message);
    builder.finish();
    forms.buildIndex();
    return forms;
}

std::string_view SclonForms::line(std::size_t index) const
{
    const LineRef &ref = lines_.at(index);
    return std::string_view(blocks_[ref.block]).substr(ref.offset, ref.length);
}

std::string_view SclonForms::lemma(std::size_t index) const
{
    const LineRef &ref = lines_.at(index);
    return ref.lemmaLength == kNoLemma ? std::string_view() : line(index).substr(0, ref.lemmaLength);
}

std::string_view SclonForms::forms(std::size_t index) const
{
    const LineRef &ref = lines_.at(index);
    return ref.lemmaLength == kNoLemma ? std::string_view() : line(index).substr(ref.lemmaLength + 1);
}

std::string SclonForms::lineUtf8(std::size_t index) const
{
    return cp1251::toUtf8(line(index));
}

std::optional<std::size_t> SclonForms::find(std::string_view lemmaCp1251) const
{
    if (slots_.empty())
        return std::nullopt;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = hashOf(lemmaCp1251) & mask; slots_[slot] != 0; slot = (slot + 1) & mask) {
        const std::size_t index = slots_[slot] - 1;
        if (lemma(index) == lemmaCp1251)
            return index;
    }
    return std::nullopt;
}

std::optional<std::size_t> SclonForms::findUtf8(std::string_view lemmaText) const
{
    const auto encoded = cp1251::fromUtf8Exact(lemmaText);
    return encoded ? find(*encoded) : std::nullopt;
}

bool SclonForms::isFirstOfLemma(std::size_t index) const
{
    if (lines_.at(index).lemmaLength == kNoLemma)
        return false;
    return find(lemma(index)) == index;
}

std::size_t SclonForms::bytesHeld() const
{
    std::size_t bytes = lines_.capacity() * sizeof(LineRef) + slots_.capacity() * sizeof(std::uint32_t) +
                        blocks_.capacity() * sizeof(std::string);
    for (const std::string &block : blocks_)
        bytes += block.capacity();
    return bytes;
}

void SclonForms::buildIndex()
{
    std::size_t size = 16;
    while (size < lines_.size() * 2)
        size *= 2;
    slots_.assign(size, 0);
    const std::size_t mask = size - 1;
    for (std::size_t index = 0; index < lines_.size(); ++index) {
        if (lines_[index].lemmaLength == kNoLemma)
            continue;
        const std::string_view key = lemma(index);
        std::size_t slot = hashOf(key) & mask;
        while (slots_[slot] != 0 && lemma(slots_[slot] - 1) != key)
            slot = (slot + 1) & mask;
        if (slots_[slot] == 0)
            slots_[slot] = static_cast<std::uint32_t>(index + 1);
    }
}

} // namespace lexorama::wordforms
