#include "platform/widgets/date_layout.h"

#include <algorithm>
#include <climits>

namespace platform {
namespace {

constexpr int YearWidth = 4;

} // namespace

DatePart DateLayout::PartOf(Kind kind)
{
    return kind == Kind::Day ? DatePart::Day : kind == Kind::Month ? DatePart::Month : DatePart::Year;
}

DateLayout::DateLayout(const QString& format)
{
    const auto text = [this](const QString& t) {
        if (!sections_.empty() && sections_.back().kind == Kind::Text)
            sections_.back().format += t;
        else
            sections_.push_back({Kind::Text, t});
    };
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            // Quoted text; two quotes stand for one.
            QString quoted;
            ++i;
            while (i < format.size()) {
                if (format[i] == QLatin1Char('\'')) {
                    if (i + 1 < format.size() && format[i + 1] == QLatin1Char('\'')) {
                        quoted += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                quoted += format[i++];
            }
            text(quoted.isEmpty() ? QStringLiteral("'") : quoted);
            continue;
        }
        if (c != QLatin1Char('d') && c != QLatin1Char('M') && c != QLatin1Char('y')) {
            text(QString(c));
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < format.size() && format[j] == c)
            ++j;
        const QString letters = format.mid(i, j - i);
        const Kind kind = c == QLatin1Char('d') ? (letters.size() >= 3 ? Kind::Weekday : Kind::Day)
                          : c == QLatin1Char('M') ? Kind::Month
                                                  : Kind::Year;
        sections_.push_back({kind, kind == Kind::Year && letters.size() != 2 ? QStringLiteral("yyyy") : letters});
        if (kind != Kind::Weekday && parts_.size() < 3)
            parts_.push_back(sections_.size() - 1);
        i = j;
    }
    // A weekday goes with the text between it and the next section.
    for (std::size_t s = 0; s < sections_.size(); ++s) {
        if (sections_[s].kind != Kind::Weekday)
            continue;
        if (s == 0 && s + 1 < sections_.size() && sections_[s + 1].kind == Kind::Text)
            sections_[s].partner = static_cast<int>(s + 1);
        else if (s > 0 && sections_[s - 1].kind == Kind::Text)
            sections_[s].partner = static_cast<int>(s - 1);
    }
}

DatePart DateLayout::Part(int index) const
{
    return PartOf(Of(index).kind);
}

std::array<DatePart, 3> DateLayout::Order() const
{
    std::array<DatePart, 3> order{DatePart::Day, DatePart::Month, DatePart::Year};
    if (PartCount() == 3)
        for (int i = 0; i < 3; ++i)
            order[static_cast<std::size_t>(i)] = Part(i);
    return order;
}

QString DateLayout::PartText(const Section& s, DatePart part, const DateEntry& entry, const QLocale& locale)
{
    if (!entry.Complete(part))
        return entry.Digits(part); // as typed
    if (const QDate date = entry.Date(); date.isValid())
        return locale.toString(date, s.format);
    // A part of a day that does not exist (29/02/2027).
    const int value = entry.Value(part);
    if (part == DatePart::Month && s.format.size() >= 3)
        return locale.monthName(value, s.format.size() == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
    const bool twoDigitYear = part == DatePart::Year && s.format.size() == 2;
    const int width = part == DatePart::Year && !twoDigitYear ? YearWidth : static_cast<int>(s.format.size());
    return QStringLiteral("%1").arg(twoDigitYear ? value % 100 : value, width, 10, QLatin1Char('0'));
}

QString DateLayout::Text(const DateEntry& entry, const QLocale& locale)
{
    const QDate date = entry.Date();
    std::vector<bool> hidden(sections_.size(), false);
    for (std::size_t s = 0; s < sections_.size(); ++s)
        if (sections_[s].kind == Kind::Weekday && !date.isValid()) {
            hidden[s] = true;
            if (sections_[s].partner >= 0)
                hidden[static_cast<std::size_t>(sections_[s].partner)] = true;
        }
    QString text;
    for (std::size_t s = 0; s < sections_.size(); ++s) {
        Section& section = sections_[s];
        section.start = static_cast<int>(text.size());
        if (!hidden[s]) {
            if (section.kind == Kind::Text)
                text += section.format;
            else if (section.kind == Kind::Weekday)
                text += locale.toString(date, section.format);
            else
                text += PartText(section, PartOf(section.kind), entry, locale);
        }
        section.length = static_cast<int>(text.size()) - section.start;
    }
    return text;
}

int DateLayout::Nearest(int at) const
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < PartCount(); ++i) {
        const Section& s = Of(i);
        const int distance = at < s.start ? s.start - at : std::max(0, at - (s.start + s.length));
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace platform
