// Decimal integers to and from short texts, as the number fields and the
// texts of angles, dates and times use them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace geo {

// Reads `text` as a signed decimal integer: leading blanks are skipped, then
// an optional "+" or "-", then one or more decimal digits and nothing else.
// Hexadecimal and every other form are refused.
//
// Throws ConvertError ("'<text>' is not a valid integer value") for an empty
// text, a lone or misplaced sign, any other character, or a value outside
// the 32-bit signed range.
int StrToInt(std::string_view text);

// Appends the decimal digits of `n` with zeros in front up to `width` digits
// ("05" for 5 in two, "123" for 123 in two); a negative `n` is written as it
// stands.
void AppendZeroPadded(std::string& text, std::int64_t n, int width);

} // namespace geo
