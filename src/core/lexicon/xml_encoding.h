#pragma once

#include <string>

namespace lexorama::lexicon {

/// Brings an XML file's bytes to UTF-8 when its declaration names another single-byte or
/// multi-byte encoding (windows-1251, KOI8-R, ...). UTF-8 and UTF-16/32 input is left as it is,
/// for the XML parser to take. Returns an error text for an encoding that is not known or bytes
/// that are not valid in it.
std::string convertDeclaredEncoding(std::string &bytes);

} // namespace lexorama::lexicon
