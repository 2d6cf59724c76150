#pragma once

#include <string>
#include <string_view>

namespace lexorama {
class Feedback;
}

namespace lexorama::phonetics {

class PhonemeAlphabet;
class Transcriber;

/// The keys of the user's file list that belong to transcription.
inline constexpr std::string_view kPhonemesFileKey = "PhonemesFileName";
inline constexpr std::string_view kPhonemesFixFileKey = "PhonemesFixFileName";
inline constexpr std::string_view kPhonemesAlphabetFileKey = "PhonemesAlphabetFileName";

/// Whether a key of the user's file list is one applyPhoneticsUserFile handles.
bool isPhoneticsUserFileKey(std::string_view key);

/// One step of LoadUserOptions for a transcription key: the rule table, fix list or phoneme
/// alphabet is replaced by the named file. An empty name does nothing. A name that is not an
/// existing file gives "Не найден файл" + name first; the read is still tried. A file that
/// cannot be read gives "Unable to open file" + quoted name and leaves: for the rule table the
/// built-in tables in both sets and the toggle disabled, for the fix list an empty fix list,
/// for the alphabet its previous rows. Returns false in that case: the caller's walk over the
/// user's files ends there.
bool applyPhoneticsUserFile(std::string_view key, const std::string &fileName, Transcriber &transcriber,
                            PhonemeAlphabet &alphabet, Feedback &feedback);

/// The user's files switched off: built-in rule table and fix list in the working set and the
/// built-in alphabet; the alternate set and the toggle stay as they are.
void resetPhoneticsUserFiles(Transcriber &transcriber, PhonemeAlphabet &alphabet);

} // namespace lexorama::phonetics
