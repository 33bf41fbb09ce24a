// The names of the almanac's bodies as the almanacs spell them, and the
// folding by which a typed name finds one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace astro {

// `typed` folded for comparison: ASCII letters in lower case, runs of
// blanks (spaces and tabs) as one space, none at either end. Other bytes
// (UTF-8 included) are kept as they are.
std::string FoldedName(std::string_view typed);

// The almanac's spelling of a name known by another: "Rigil Kentaurus"
// for "Rigil Kent.", "Alnair" (and "Al Na’ir" with a typographic
// apostrophe) for "Al Na'ir"; `folded` as FoldedName gives it. None for
// any other name.
std::optional<std::string> AliasOf(std::string_view folded);

} // namespace astro
