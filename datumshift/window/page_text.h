// The printed page of a datum shift: what it was asked (the datums, the
// position, whether a fallback is refused), the results as the window
// shows them, and below them, wrapped to the page, the note and the
// conventions the figures follow. Texts are 8-bit, as the page draws them.
#pragma once

#include "datumshift/core/datum_shift.h"
#include "geo/angle_text.h"
#include "platform/module/results_page.h"

#include <optional>
#include <string>
#include <vector>

namespace datumshift {

// The longest line the page's small print is given: at 8 points a line of
// the page's width holds some 120 characters.
inline constexpr std::size_t PageLineLength = 100;

struct PageInput {
    std::string From, To;           // the datums as the lists show them ("ED50 (EPSG:4230)")
    std::string Latitude, Longitude; // the position on From as its fields show it, with its letters
    bool Strict = false;
};

// `shift` is the result, or none when it was refused for `refusal` (UTF-8);
// its figures in `format`.
platform::ResultsPage ShiftPage(const PageInput& input, const std::optional<DatumShift>& shift,
                                const std::string& refusal, geo::AngleFormat format);

// `text` in lines of at most `length` characters, broken at blanks (a word
// longer than a line stands alone on its line); none for an empty text.
std::vector<std::string> Wrapped(const std::string& text, std::size_t length);

// UTF-8 as the windows' and the page's 8-bit text (beyond Latin-1, '?').
std::string Latin1(const std::string& utf8);

} // namespace datumshift
