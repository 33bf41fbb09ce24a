#include "platform/desktop/number_settings.h"

#include "geo/errors.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace platform {
namespace {

// A locale character as one byte of the 8-bit texts, if it is one.
std::optional<char> Latin1(QChar c)
{
    const char16_t u = c.unicode();
    if (u == 0 || u > 0xFF)
        return std::nullopt;
    return static_cast<char>(u);
}

// The first character of a format that is not a field letter.
char SeparatorOf(const QString& format, const QString& fieldLetters, char fallback)
{
    for (QChar c : format) {
        if (fieldLetters.contains(c) || c.isSpace() || c == u'\'')
            continue;
        return Latin1(c).value_or(fallback);
    }
    return fallback;
}

char& CurrentSeparator()
{
    static char separator = Latin1(QLocale::system().decimalPoint().front()).value_or('.');
    return separator;
}

} // namespace

char DecimalSeparator()
{
    return CurrentSeparator();
}

void SetDecimalSeparator(char separator)
{
    CurrentSeparator() = separator;
}

char LocaleDateSeparator()
{
    return SeparatorOf(QLocale::system().dateFormat(QLocale::ShortFormat), QStringLiteral("dMyg"), '/');
}

char LocaleTimeSeparator()
{
    return SeparatorOf(QLocale::system().timeFormat(QLocale::ShortFormat), QStringLiteral("hHmsazAPt"), ':');
}

double StrToFloat(const std::string& text)
{
    const char separator = DecimalSeparator();
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    if (first == std::string::npos)
        throw geo::FloatConvertError(text);
    std::string body = text.substr(first, last - first + 1);
    if (body.size() == 1 && body[0] == separator)
        return 0;

    // Rewrite into the one form from_chars reads, refusing what it would
    // take besides (inf, nan, hexadecimal) and a second separator.
    bool negative = false;
    std::size_t i = 0;
    if (body[0] == '+' || body[0] == '-') {
        negative = body[0] == '-';
        i = 1;
    }
    std::string plain;
    bool digits = false, point = false, exponent = false;
    for (; i < body.size(); ++i) {
        const char c = body[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            plain += c;
        } else if (c == separator && !point && !exponent) {
            point = true;
            plain += '.';
        } else if ((c == 'e' || c == 'E') && digits && !exponent) {
            exponent = true;
            plain += 'e';
            if (i + 1 < body.size() && (body[i + 1] == '+' || body[i + 1] == '-'))
                plain += body[++i];
        } else {
            throw geo::FloatConvertError(text);
        }
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (!digits || ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        throw geo::FloatConvertError(text);
    return negative ? -value : value;
}

std::string FloatToFixed(double value, int decimals)
{
    char buffer[512];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (ec != std::errc())
        return "?";
    std::string text(buffer, end);
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text[point] = DecimalSeparator();
    return text;
}

} // namespace platform
