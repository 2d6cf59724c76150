#pragma once

namespace lexorama::speech {

/// espeak-ng's words per minute for a rate from -10 to 10 (clamped); 0 gives espeak's default
/// of 175. espeak's speed is not proportional to words per minute and does not go below 80, so
/// the steps were measured to sound even from about 0.57 to 3 times the normal speed.
int espeakWordsPerMinute(int rate);

} // namespace lexorama::speech
