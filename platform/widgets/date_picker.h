// A date field with a pull-down calendar, shown in a display format such as
// the locale's long date ("Tuesday, 8 December 2026").
//
// The day, the month and the year are its sections; one of them is
// selected while the field has the focus. From the keyboard:
//  - Left and Right (Home and End) pick the section;
//  - digits type it (see DateEntry): the next section is selected once one
//    is finished, and a separator finishes the one being typed; the date is
//    taken as soon as the three sections make a date of the range, in
//    whatever order they were typed. Until then the field shows what was
//    typed (with no weekday) and the date stays as it was;
//  - Up and Down step the selected section by one, Page Up and Page Down by
//    ten, never past the range's end in that section; a day the stepped
//    month does not have becomes its last;
//  - Alt+Down or F4 opens the calendar (arrows move, Return picks, Escape
//    closes it);
//  - a paste (the keys, the context menu, the X selection's middle click)
//    takes a date in the short numeric layout ("15/03/2027") whole, or
//    nothing;
//  - Escape abandons what was typed since the field was entered and brings
//    back the date it had then; Tab leaves the field. Leaving it with a
//    typed date that is not one of the range is refused (see Field);
//  - Ctrl+A selects the whole date, and Ctrl+C (or Copy in the context
//    menu) copies the whole date as it is shown, whatever is selected.
// date() is the date the field shows while it shows one of the range; while
// what it shows is not (a section half-typed, 29 February 2027, a year of
// two digits) it is the date the field had when it was entered, never one
// put together from the sections typed so far and those held before. The
// long date shrinks to fit the field. dateChanged() follows every change
// of the date.
#pragma once

#include "platform/widgets/date_entry.h"
#include "platform/widgets/date_layout.h"
#include "platform/widgets/field.h"

#include <QCalendarWidget>
#include <QDate>

class QToolButton;

namespace platform {

class DatePicker : public Field {
    Q_OBJECT

public:
    explicit DatePicker(QWidget* parent = nullptr);

    QDate date() const { return date_; }
    // Kept within the range; drops anything typed, and is what Escape brings
    // back from now on.
    void setDate(QDate date);

    void setDateRange(QDate minimum, QDate maximum);
    QDate minimumDate() const { return minimum_; }
    QDate maximumDate() const { return maximum_; }

    // See DateLayout.
    void setDisplayFormat(const QString& format);
    QString displayFormat() const { return format_; }

    // Opens the pull-down calendar on the date shown.
    void ShowCalendar();
    // The pull-down calendar; none before it is first opened.
    QCalendarWidget* Calendar() const { return calendar_; }

    bool HalfTyped() const override;

signals:
    void dateChanged(QDate date);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void Entered(Qt::FocusReason reason, bool back) override;
    void Left() override;
    void Refused() override;
    void PasteText(const std::string& text) override;
    void EraseSelection() override;
    void CopySelection() override;

private:
    bool InRange(QDate date) const { return date.isValid() && date >= minimum_ && date <= maximum_; }
    DatePart Current() const { return layout_.Part(current_); }
    void Show();
    void FitText();
    void Commit(QDate date);
    void FollowEntry();
    void Select(int part);
    void Step(int steps);
    void TypeDigit(int digit);

    QDate date_{2000, 1, 1};
    bool fitPending_ = false; // the text changed while hidden
    QDate entered_ = date_; // the date the field had when it was entered
    QDate minimum_{1752, 9, 14};
    QDate maximum_{9999, 12, 31};
    DateEntry entry_{date_};
    QString format_;
    DateLayout layout_;
    int current_ = 0; // the part selected, in the order shown
    QToolButton* arrow_;
    QCalendarWidget* calendar_ = nullptr;
};

} // namespace platform
