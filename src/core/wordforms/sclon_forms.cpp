#include "wordforms/sclon_forms.h"

#include "wordforms/cp1251.h"

#include <cstdlib>
#include <cstring>
#include <functional>
#include <new>
#include <sys/mman.h>
#include <stdexcept>
#include <zlib.h>

namespace lexorama::wordforms {

namespace {

constexpr std::size_t kBlockSize = 4u << 20;
constexpr std::size_t kHugePage = 2u << 20;
constexpr std::uint32_t kNoLemma = ~0u;

std::size_t hashOf(std::string_view text)
{
    return std::hash<std::string_view>{}(text);
}

// Memory for a block, on huge pages where the system offers them: the text is touched once,
// page by page, and a few large pages fault in far faster than thousands of small ones.
char *allocateBlock(std::size_t bytes)
{
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void *data = std::aligned_alloc(kHugePage, rounded);
    if (!data)
        throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    ::madvise(data, rounded, MADV_HUGEPAGE);
#endif
    return static_cast<char *>(data);
}

} // namespace

void SclonForms::Block::Free::operator()(char *data) const
{
    std::free(data);
}

// Inflates into the blocks and cuts the text into lines as it arrives. A line that does not
// fit into the rest of a block moves, with what has arrived of it, to the next block.
class SclonForms::Builder {
public:
    explicit Builder(SclonForms &forms) : forms_(forms) {}

    void inflateAll(z_stream &z)
    {
        int status = Z_OK;
        while (status == Z_OK) {
            Block &block = roomyBlock();
            z.next_out = reinterpret_cast<Bytef *>(block.data.get() + block.size);
            z.avail_out = static_cast<uInt>(block.capacity - block.size);
            status = ::inflate(&z, Z_NO_FLUSH);
            if (status == Z_BUF_ERROR && z.avail_in == 0)
                break; // the input ended before the stream did
            const std::size_t end = block.capacity - z.avail_out;
            forms_.textBytes_ += end - block.size;
            cutLines(block, end);
        }
        if (status != Z_STREAM_END)
            throw std::runtime_error(z.msg ? std::string("zlib: ") + z.msg : "the zlib stream is truncated");
        if (!forms_.blocks_.empty() && lineStart_ < forms_.blocks_.back().size)
            store(forms_.blocks_.back(), forms_.blocks_.back().size);
        shrinkLastBlock();
    }

private:
    // The current block, or a new one when it is full.
    Block &roomyBlock()
    {
        auto &blocks = forms_.blocks_;
        if (!blocks.empty() && blocks.back().size < blocks.back().capacity)
            return blocks.back();
        const std::size_t partial = blocks.empty() ? 0 : blocks.back().size - lineStart_;
        Block next;
        next.capacity = std::max(kBlockSize, 2 * partial);
        next.data.reset(allocateBlock(next.capacity));
        if (partial > 0) {
            std::memcpy(next.data.get(), blocks.back().data.get() + lineStart_, partial);
            blocks.back().size = lineStart_;
        }
        next.size = partial;
        // A block that holds only the start of one long line has no line in it: replace it.
        if (partial > 0 && lineStart_ == 0)
            blocks.back() = std::move(next);
        else
            blocks.push_back(std::move(next));
        lineStart_ = 0;
        return blocks.back();
    }

    void cutLines(Block &block, std::size_t end)
    {
        const char *data = block.data.get();
        for (std::size_t i = block.size; i < end; ++i) {
            const char c = data[i];
            if (c != '\r' && c != '\n')
                continue;
            if (!(c == '\n' && afterCr_ && i == lineStart_))
                store(block, i);
            afterCr_ = c == '\r';
            lineStart_ = i + 1;
        }
        block.size = end;
    }

    void store(const Block &block, std::size_t lineEnd)
    {
        const std::string_view text(block.data.get() + lineStart_, lineEnd - lineStart_);
        const std::size_t hash = text.find('#');
        forms_.lines_.push_back({static_cast<std::uint32_t>(forms_.blocks_.size() - 1),
                                 static_cast<std::uint32_t>(lineStart_), static_cast<std::uint32_t>(text.size()),
                                 hash == std::string_view::npos ? kNoLemma : static_cast<std::uint32_t>(hash)});
    }

    // Only the last block can have much room left; a full one is not worth a copy.
    void shrinkLastBlock()
    {
        if (forms_.blocks_.empty() || forms_.blocks_.back().size >= forms_.blocks_.back().capacity / 2)
            return;
        Block &last = forms_.blocks_.back();
        std::unique_ptr<char[], Block::Free> exact(static_cast<char *>(std::malloc(std::max<std::size_t>(last.size, 1))));
        if (!exact)
            throw std::bad_alloc();
        std::memcpy(exact.get(), last.data.get(), last.size);
        last.data = std::move(exact);
        last.capacity = last.size;
    }

    SclonForms &forms_;
    std::size_t lineStart_ = 0;
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
    try {
        Builder(forms).inflateAll(z);
    } catch (...) {
        inflateEnd(&z);
        throw;
    }
    inflateEnd(&z);
    forms.buildIndex();
    return forms;
}

std::string_view SclonForms::line(std::size_t index) const
{
    const LineRef &ref = lines_.at(index);
    return std::string_view(blocks_[ref.block].data.get() + ref.offset, ref.length);
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
                        blocks_.capacity() * sizeof(Block);
    for (const Block &block : blocks_)
        bytes += block.capacity;
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
