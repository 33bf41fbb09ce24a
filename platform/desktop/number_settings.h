// The process-wide number and date settings, as the runtime of a desktop
// program keeps them: the decimal separator that number conversions use,
// and the locale's date and time separators.
#pragma once

#include <string>

namespace platform {

// The separator every number conversion of the process uses. It starts as
// the locale's (read once, on first use) and changes only through
// SetDecimalSeparator.
char DecimalSeparator();
void SetDecimalSeparator(char separator);

// The separators of the user's short date ("06/12/2026") and time
// ("14:30") formats, read from the system locale; "/" and ":" when the
// locale has none that fits in one byte.
char LocaleDateSeparator();
char LocaleTimeSeparator();

// Reads a decimal number written with DecimalSeparator(): leading and
// trailing blanks are skipped, then an optional sign, digits, the separator
// and more digits, an optional exponent. A lone separator reads as 0 (an
// untouched "  . " field). Throws geo::FloatConvertError for anything else.
double StrToFloat(const std::string& text);

// `value` in fixed-point notation with `decimals` digits after
// DecimalSeparator(), rounded, not padded ("45.0", "-0.5").
std::string FloatToFixed(double value, int decimals);

} // namespace platform
