#pragma once

#include <string_view>

namespace lexorama::phonetics {

/// BadIPAChar: true when a character cannot belong to an IPA transcription: the basic Russian
/// letters А..я (U+0410..U+044F), Ё and ё, "№" and the ASCII characters
/// ! " # $ % & ( ) * + , - / ; < = > ? [ ] _ ` { | } ~.
bool BadIPAChar(char32_t key);

/// The key filter of the transcription field: whether a typed character is inserted. Only
/// typing is filtered; pasted or computed text is taken as it is.
inline bool acceptsTypedKey(char32_t key) { return !BadIPAChar(key); }

/// Whether a whole text is acceptable as a transcription (no forbidden character); a text
/// that is not valid UTF-8 is not.
bool isAcceptableTranscription(std::string_view text);

} // namespace lexorama::phonetics
