// Texts of tide data files (ISO-8859-1) as the suite shows them (UTF-8),
// and the form station names are compared in.
#pragma once

#include <string>
#include <string_view>

namespace ebbflow {

// `latin1` as UTF-8: each byte is the code point of the same number.
std::string Latin1ToUtf8(std::string_view latin1);

// `utf8` folded for comparing names: letters in lower case and without
// their accents ("Pāpa'ikou" and "PAPA'IKOU" fold alike), "ß" as "ss", "æ"
// as "ae", "ø" as "o"; combining accents are dropped. Characters beyond
// Latin Extended-A are kept as they stand; bytes that are not UTF-8 are
// taken as Latin-1.
std::string SearchKey(std::string_view utf8);

} // namespace ebbflow
