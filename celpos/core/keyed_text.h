// Text files of "key = value" lines under a first line that names the
// kind and its version ("VORLAN sights 1"), read without trust: the rules
// the suite's voyage files follow, for any kind.
//
// UTF-8 (a byte-order mark before it is read over); Windows line ends
// read too; blanks and tabs around keys and values ignored; blank lines
// and lines starting with '#' are comments; every key once. Printable
// ASCII and the degree sign are all a line may hold (tabs only around
// keys and values); anything else is named by its line, its column (in
// characters, from 1) and its code point.
#pragma once

#include <cstddef>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace celpos {

// What is wrong with a file, as "line 7: ..." or "it is empty"; the
// window puts the file's name before it.
class FileFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct KeyedValue {
    std::string Text; // UTF-8, without the blanks around it
    int Line;
};

struct KeyedFormat {
    std::string_view Kind; // "sights": the first line is "VORLAN sights <version>"
    int Version;           // the one this program reads; another is refused
    std::size_t Largest;   // bytes; a larger file is refused unread
};

// The lines of `text` by key. Throws FileFormatError for a file larger
// than format.Largest, an empty one, a first line that is not the kind's
// (looked at before anything else, so that a picture is called no such
// file), another version, a last line without its end, a line that is
// not "key = value", a key twice, and a character the format does not
// hold.
std::map<std::string, KeyedValue> ReadKeyedText(std::string_view text, const KeyedFormat& format);

// "line N: what".
[[noreturn]] void RefuseLine(int line, const std::string& what);

// The first line of a file of `format`, with its line end.
std::string KeyedSignature(const KeyedFormat& format);

} // namespace celpos
