#pragma once

#include <string>
#include <string_view>

namespace lexorama::speech {

/// espeak-ng's phoneme input for an IPA transcription, to be spoken as [[...]] with the
/// phoneme flag: the codes of one word separated by "|" (espeak reads codes greedily), words
/// separated by blanks. Only codes that espeak-ng's Russian voice knows are ever written,
/// because an unknown code silently cuts off the rest of the word; IPA characters without an
/// espeak sound (most diacritics, syllable breaks) are left out and the nearest sound is taken
/// where espeak has no exact one.
std::string ipaToEspeak(std::string_view ipa);

} // namespace lexorama::speech
