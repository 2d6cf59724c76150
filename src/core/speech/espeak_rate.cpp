#include "speech/espeak_rate.h"

#include <algorithm>
#include <array>

namespace lexorama::speech {

int espeakWordsPerMinute(int rate)
{
    static constexpr std::array<int, 21> kWordsPerMinute = {
        80, 80, 80, 80, 80, 85, 103, 118, 135, 153, 175, 199, 233, 277, 329, 373, 407, 429, 455, 507, 565};
    return kWordsPerMinute[static_cast<std::size_t>(std::clamp(rate, -10, 10) + 10)];
}

} // namespace lexorama::speech
