#include "common/russian_collator.h"

#include <stdexcept>
#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace lexorama {

struct RussianCollator::Impl {
    std::unique_ptr<icu::Collator> collator;
};

RussianCollator::RussianCollator()
    : impl_(std::make_unique<Impl>())
{
    UErrorCode status = U_ZERO_ERROR;
    impl_->collator.reset(icu::Collator::createInstance(icu::Locale("ru", "RU"), status));
    if (U_FAILURE(status))
        throw std::runtime_error("ICU collator for Russian is not available");
    impl_->collator->setStrength(icu::Collator::SECONDARY);
}

RussianCollator::~RussianCollator() = default;

int RussianCollator::compare(std::string_view a, std::string_view b) const
{
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult r = impl_->collator->compareUTF8(
        icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
        icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), status);
    return r == UCOL_LESS ? -1 : (r == UCOL_GREATER ? 1 : 0);
}

std::string RussianCollator::sortKey(std::string_view text) const
{
    const icu::UnicodeString u = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    std::string key(u.length() * 4 + 16, '\0');
    int32_t n = impl_->collator->getSortKey(u, reinterpret_cast<uint8_t *>(key.data()),
                                            static_cast<int32_t>(key.size()));
    if (n > static_cast<int32_t>(key.size())) {
        key.resize(static_cast<std::size_t>(n));
        n = impl_->collator->getSortKey(u, reinterpret_cast<uint8_t *>(key.data()), n);
    }
    key.resize(n > 0 ? static_cast<std::size_t>(n - 1) : 0); // drop the terminating zero
    return key;
}

} // namespace lexorama
