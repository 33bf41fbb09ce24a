// The layout of a date display format ("dddd, d MMMM yyyy"): day "d"/"dd",
// weekday "ddd"/"dddd", month "M" to "MMMM", year "yy"/"yyyy", text in
// single quotes, anything else as it stands. It lays out a date as it is
// being typed (DateEntry): the parts as typed, and a weekday, with the text
// between it and the next section, only where the parts make a date.
#pragma once

#include "platform/widgets/date_entry.h"

#include <QLocale>
#include <QString>

#include <vector>

namespace platform {

class DateLayout {
public:
    explicit DateLayout(const QString& format = {});

    // The day, month and year sections, in the order shown.
    int PartCount() const { return static_cast<int>(parts_.size()); }
    DatePart Part(int index) const;
    std::array<DatePart, 3> Order() const;

    // The text of `entry`; the places of the parts are kept for Start(),
    // Length() and Nearest().
    QString Text(const DateEntry& entry, const QLocale& locale);
    int Start(int index) const { return Of(index).start; }
    int Length(int index) const { return Of(index).length; }
    // The part at position `at` of the text, or the nearest one.
    int Nearest(int at) const;

private:
    enum class Kind { Text, Day, Weekday, Month, Year };
    struct Section {
        Kind kind;
        QString format;   // the format letters, or the text itself
        int start = 0;    // where it stands in the text
        int length = 0;
        int partner = -1; // a weekday's text beside it, shown only with it
    };

    static DatePart PartOf(Kind kind);
    const Section& Of(int index) const { return sections_[parts_[static_cast<std::size_t>(index)]]; }
    static QString PartText(const Section& s, DatePart part, const DateEntry& entry, const QLocale& locale);

    std::vector<Section> sections_;
    std::vector<std::size_t> parts_; // the day, month and year sections
};

} // namespace platform
