// A date field with a pull-down calendar, shown in a display format such as
// the locale's long date ("Tuesday, 8 December 2026").
//
// The day, the month and the year are its sections; one of them is
// selected while the field has the focus. From the keyboard:
//  - Left and Right (Home and End) pick the section;
//  - digits type it: a section is taken as soon as it makes a date and
//    the next one is selected once it is complete; a year may read below
//    the range while its digits are being typed and is taken when all of
//    them stand (one out of range is refused with a beep);
//  - Up and Down step the section by one, Page Up and Page Down by ten;
//  - Alt+Down or F4 opens the calendar (arrows move, Return picks, Escape
//    closes it);
//  - Tab leaves the field; any other key changes nothing.
// The date never leaves the range; dateChanged() follows every change.
#pragma once

#include "platform/field.h"

#include <QCalendarWidget>
#include <QDate>

#include <vector>

class QToolButton;

namespace platform {

class DatePicker : public Field {
    Q_OBJECT

public:
    explicit DatePicker(QWidget* parent = nullptr);

    QDate date() const { return date_; }
    // Kept within the range.
    void setDate(QDate date);

    void setDateRange(QDate minimum, QDate maximum);
    QDate minimumDate() const { return minimum_; }
    QDate maximumDate() const { return maximum_; }

    // Day "d"/"dd", weekday "ddd"/"dddd", month "M" to "MMMM", year
    // "yy"/"yyyy", text in single quotes, anything else as it stands.
    void setDisplayFormat(const QString& format);
    QString displayFormat() const { return format_; }

    // Opens the pull-down calendar on the date shown.
    void ShowCalendar();
    QCalendarWidget* Calendar() const { return calendar_; }

signals:
    void dateChanged(QDate date);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void Entered(Qt::FocusReason reason, bool back) override;
    void Left() override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    enum class Kind { Text, Day, Weekday, Month, Year };
    struct Section {
        Kind kind;
        QString format; // the format letters, or the text itself
        int start = 0;  // where it stands in the shown text
        int length = 0;
    };

    void Show();
    QDate WithSection(Kind kind, int value) const;
    bool TakeFromUser(QDate date);
    void TypeDigit(int digit);
    void DropTyped();
    void Step(int steps);
    void Select(int editable);
    int EditableCount() const { return static_cast<int>(editable_.size()); }
    const Section& Current() const { return sections_[editable_[static_cast<std::size_t>(current_)]]; }

    QDate date_{2000, 1, 1};
    QDate minimum_{1752, 9, 14};
    QDate maximum_{9999, 12, 31};
    QString format_;
    std::vector<Section> sections_;
    std::vector<std::size_t> editable_; // the day, month and year sections
    int current_ = 0;                   // into editable_
    QString typed_;                     // digits typed into the current section
    bool pending_ = false;              // typed_ makes no date yet and is shown instead
    QToolButton* arrow_;
    QCalendarWidget* calendar_;
};

} // namespace platform
