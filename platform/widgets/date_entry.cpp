#include "platform/widgets/date_entry.h"

#include <QRegularExpression>

#include <algorithm>

namespace platform {
namespace {

constexpr int LargestDay = 31;
constexpr int LargestMonth = 12;
constexpr int DayWidth = 2;
constexpr int YearWidth = 4;
constexpr int MonthsInYear = 12;

} // namespace

DateEntry::DateEntry(QDate held)
{
    parts_[Index(DatePart::Day)].held = held.day();
    parts_[Index(DatePart::Month)].held = held.month();
    parts_[Index(DatePart::Year)].held = held.year();
}

bool DateEntry::Type(DatePart part, int digit)
{
    Part& p = parts_[Index(part)];
    if (!Typing(part)) {
        p.digits.clear();
        p.typed = true;
        typing_ = static_cast<int>(part);
    }
    p.digits += QChar(u'0' + digit);
    if (part == DatePart::Year) {
        if (p.digits.size() < YearWidth)
            return false;
    } else {
        const int largest = part == DatePart::Day ? LargestDay : LargestMonth;
        if (p.digits.toInt() > largest)
            p.digits = p.digits.right(1);
        if (p.digits.size() < DayWidth && p.digits.toInt() * 10 <= largest)
            return false;
    }
    typing_ = -1;
    return true;
}

void DateEntry::Erase(DatePart part)
{
    Part& p = parts_[Index(part)];
    if (!p.typed)
        p.digits = QString::number(p.held);
    p.typed = true;
    p.digits.chop(1);
    typing_ = static_cast<int>(part);
}

void DateEntry::Clear(DatePart part)
{
    Part& p = parts_[Index(part)];
    p.typed = true;
    p.digits.clear();
    typing_ = static_cast<int>(part);
}

bool DateEntry::Typed() const
{
    for (const Part& p : parts_)
        if (p.typed)
            return true;
    return false;
}

bool DateEntry::Complete(DatePart part) const
{
    const Part& p = parts_[Index(part)];
    if (!p.typed)
        return true;
    if (Typing(part))
        return false;
    if (part == DatePart::Year)
        return p.digits.size() == YearWidth;
    return p.digits.toInt() >= 1;
}

int DateEntry::Value(DatePart part) const
{
    const Part& p = parts_[Index(part)];
    return p.typed ? p.digits.toInt() : p.held;
}

QDate DateEntry::Date() const
{
    for (DatePart part : {DatePart::Day, DatePart::Month, DatePart::Year})
        if (!Complete(part))
            return {};
    return QDate(Value(DatePart::Year), Value(DatePart::Month), Value(DatePart::Day));
}

QString DateEntry::Numeric(const std::array<DatePart, 3>& order, QChar separator) const
{
    QString text;
    for (DatePart part : order) {
        if (!text.isEmpty())
            text += separator;
        if (Complete(part))
            text += QStringLiteral("%1").arg(Value(part), part == DatePart::Year ? YearWidth : DayWidth, 10,
                                             QLatin1Char('0'));
        else
            text += Digits(part);
    }
    return text;
}

QDate StepPart(QDate date, DatePart part, int steps, QDate minimum, QDate maximum)
{
    int day = date.day(), month = date.month(), year = date.year();
    if (part == DatePart::Day)
        day = std::clamp(day + steps, 1, date.daysInMonth());
    else if (part == DatePart::Month)
        month = std::clamp(month + steps, 1, MonthsInYear);
    else
        year = std::clamp(year + steps, minimum.year(), maximum.year());
    const QDate first(year, month, 1);
    return std::clamp(QDate(year, month, std::min(day, first.daysInMonth())), minimum, maximum);
}

QDate ReadNumericDate(const QString& text, const std::array<DatePart, 3>& order)
{
    static const QRegularExpression numeric(QStringLiteral("^\\s*(\\d{1,4})\\D(\\d{1,4})\\D(\\d{1,4})\\s*$"));
    const QRegularExpressionMatch match = numeric.match(text);
    if (!match.hasMatch())
        return {};
    std::array<int, 3> value{};
    for (std::size_t i = 0; i < order.size(); ++i) {
        const QString digits = match.captured(static_cast<int>(i) + 1);
        // A year with all its digits, a day or month with one or two.
        if (order[i] == DatePart::Year ? digits.size() != YearWidth : digits.size() > DayWidth)
            return {};
        value[static_cast<std::size_t>(order[i])] = digits.toInt();
    }
    return QDate(value[2], value[1], value[0]);
}

} // namespace platform
