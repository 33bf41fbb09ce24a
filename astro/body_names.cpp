#include "astro/body_names.h"

#include <array>
#include <utility>

namespace astro {
namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Folded alias -> the almanac's spelling.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> Aliases = {{
    {"rigil kentaurus", "Rigil Kent."},
    {"alnair", "Al Na'ir"},
    {"al na\u2019ir", "Al Na'ir"},
    {"al nair", "Al Na'ir"},
}};

} // namespace

std::string FoldedName(std::string_view typed)
{
    std::string folded;
    bool blank = false;
    for (const char c : typed) {
        if (IsBlank(c)) {
            blank = true;
            continue;
        }
        if (blank && !folded.empty())
            folded += ' ';
        blank = false;
        folded += Lower(c);
    }
    return folded;
}

std::optional<std::string> AliasOf(std::string_view folded)
{
    for (const auto& [alias, name] : Aliases)
        if (folded == alias)
            return std::string(name);
    return std::nullopt;
}

} // namespace astro
