// A date as it is being typed into a date field: the day, the month and
// the year, each either held from the date the field had or typed since.
//
// The first digit typed into a part replaces what it held. A day or month
// is finished with its second digit, or with its first when no second can
// follow ("4" is the 4th, "2" February); a year only with its fourth. A part
// still being typed makes no date, nor does an unfinished year, a day or
// month of 0, or a day the month does not have (29/02/2027): nothing is
// ever clamped into a date the user did not type.
#pragma once

#include <QDate>
#include <QString>

#include <array>

namespace platform {

enum class DatePart { Day, Month, Year };

class DateEntry {
public:
    DateEntry() = default;
    // Nothing typed: every part holds its value in `held`.
    explicit DateEntry(QDate held);

    // A digit typed into `part`; true when the part is finished by it.
    // Past the largest day or month the typing starts over with the digit
    // ("13" for a month is March).
    bool Type(DatePart part, int digit);
    // The last digit of `part` goes (Backspace); a held part is then typed.
    void Erase(DatePart part);
    // All of `part` goes (Delete).
    void Clear(DatePart part);
    // Moving on: a part being typed stands as it is ("2" is the 2nd).
    void Finish() { typing_ = -1; }

    // Anything typed since the held date.
    bool Typed() const;
    bool Typing(DatePart part) const { return typing_ == static_cast<int>(part); }
    // The part makes a value of a date: held, or typed and finished.
    bool Complete(DatePart part) const;
    int Value(DatePart part) const;
    // The digits typed into a part, as typed.
    const QString& Digits(DatePart part) const { return parts_[Index(part)].digits; }

    // The date the parts make; invalid while one is being typed or is not
    // complete, and where no such day exists.
    QDate Date() const;

    // What was typed, for a message: the parts in `order`, complete ones
    // zero-padded, between `separator`s ("29/02/2027", "15/03/202").
    QString Numeric(const std::array<DatePart, 3>& order, QChar separator) const;

private:
    struct Part {
        int held = 0;
        bool typed = false;
        QString digits;
    };

    static std::size_t Index(DatePart part) { return static_cast<std::size_t>(part); }

    std::array<Part, 3> parts_{};
    int typing_ = -1; // the part being typed
};

// `date` with one part stepped, held at that part's ends: the day within
// its month, the month within the year, the year within minimum..maximum.
// A day the new month lacks becomes its last.
QDate StepPart(QDate date, DatePart part, int steps, QDate minimum, QDate maximum);

// A date in the short numeric layout, its parts in `order` ("15/03/2027",
// "15.3.2027"); invalid for anything else.
QDate ReadNumericDate(const QString& text, const std::array<DatePart, 3>& order);

} // namespace platform
