// The suite's text files of "key = value" lines under a first line that
// names the kind and its version ("VORLAN voyage 1", "VORLAN sights 1"),
// read without trust. Plain C++, for every core that keeps such a file.
//
// UTF-8 (a byte-order mark before it, as some editors write, is read
// over); Windows line ends read too; blanks and tabs around keys and
// values ignored; blank lines and lines starting with '#' are comments;
// every key once, in any order. Printable ASCII and the degree sign are
// all a line may hold (tabs only around keys and values); anything else
// is named by its line, its column (in characters, from 1) and its code
// point, or by the byte that is not UTF-8.
#pragma once

#include <cstddef>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

// What is wrong with a file, as "line 7: ..." or "it is empty" (UTF-8);
// the window puts the file's name before it.
class FileFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct KeyedFormat {
    std::string_view Kind;     // "sights": the first line is "VORLAN sights <version>"
    int Version;               // the one this program reads; another is refused
    std::size_t Largest;       // bytes; a larger file is refused unread
    std::string_view Document; // "a sights file", in "the key ... is not a key of a sights file"
    std::string_view Holder;   // "this file", in "..., which is not part of this file"
};

struct KeyedValue {
    std::string Text; // UTF-8, without the blanks around it
    int Line;
};

// The lines of one file by key, taken one by one by its reader.
class KeyedValues {
public:
    // Reads `text`. Throws FileFormatError for a file larger than
    // format.Largest, an empty one, a first line that is not the kind's
    // (looked at before anything else, so that a picture or a text in
    // UTF-16 is called no such file), another version, a last line without
    // its end, a line that is not "key = value", a key twice, and a
    // character the format does not hold.
    KeyedValues(std::string_view text, const KeyedFormat& format);

    // The value of `key`, which is taken: throws FileFormatError "it is
    // truncated or damaged: the key ... is missing" for a key the file
    // lacks (or one taken before).
    KeyedValue Take(const std::string& key);

    // Throws FileFormatError "line N: the key ... is not a key of ..." for
    // the first key left, in the order of the keys; nothing when every
    // key was taken.
    void RefuseKeysLeft() const;

private:
    std::map<std::string, KeyedValue> values_;
    std::string_view document_;
};

// Throws FileFormatError "line N: what".
[[noreturn]] void RefuseLine(int line, const std::string& what);

// The first line of a file of `format`, with its line end.
std::string KeyedSignature(const KeyedFormat& format);

} // namespace platform
