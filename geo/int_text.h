// Decimal integer conversion of short texts, as the number fields use it.
#pragma once

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

} // namespace geo
