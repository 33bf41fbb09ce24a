#include "platform/date_picker.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QScreen>
#include <QToolButton>

#include <algorithm>
#include <climits>

namespace platform {
namespace {

constexpr int ArrowWidth = 18;
constexpr int PageStep = 10;
constexpr int TwoDigitYearEpoch = 2000; // "yy" 26 is 2026

// The pull-down calendar: a popup that Escape, F4 and Alt+Up close.
class CalendarPopup : public QCalendarWidget {
public:
    explicit CalendarPopup(QWidget* owner) : QCalendarWidget(owner)
    {
        setWindowFlags(Qt::Popup);
        setAttribute(Qt::WA_WindowPropagation); // the colours of the window it drops from
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const int key = event->key();
        if (key == Qt::Key_Escape || key == Qt::Key_F4 ||
            (key == Qt::Key_Up && (event->modifiers() & Qt::AltModifier))) {
            close();
            return;
        }
        QCalendarWidget::keyPressEvent(event);
    }
};

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

DatePicker::DatePicker(QWidget* parent)
    : Field(parent), arrow_(new QToolButton(this)), calendar_(new CalendarPopup(this))
{
    // The text is the date's: only the keys below and the calendar change it.
    setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setTextMargins(0, 0, ArrowWidth, 0);

    arrow_->setArrowType(Qt::DownArrow);
    arrow_->setFocusPolicy(Qt::NoFocus);
    arrow_->setCursor(Qt::ArrowCursor);
    connect(arrow_, &QToolButton::clicked, this, [this] {
        setFocus(Qt::MouseFocusReason);
        ShowCalendar();
    });

    const auto pick = [this](QDate picked) {
        calendar_->close();
        setDate(picked);
    };
    connect(calendar_, &QCalendarWidget::activated, this, pick);
    connect(calendar_, &QCalendarWidget::clicked, this, pick);

    setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
}

void DatePicker::setDate(QDate date)
{
    if (!date.isValid())
        return;
    date = std::clamp(date, minimum_, maximum_);
    typed_.clear();
    pending_ = false;
    if (date == date_) {
        Show();
        return;
    }
    date_ = date;
    Show();
    emit dateChanged(date_);
}

void DatePicker::setDateRange(QDate minimum, QDate maximum)
{
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    calendar_->setDateRange(minimum_, maximum_);
    setDate(date_);
}

void DatePicker::setDisplayFormat(const QString& format)
{
    format_ = format;
    sections_.clear();
    editable_.clear();
    const auto text = [this](const QString& t) { sections_.push_back({Kind::Text, t}); };
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
        if (c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y')) {
            qsizetype j = i;
            while (j < format.size() && format[j] == c)
                ++j;
            const QString letters = format.mid(i, j - i);
            const Kind kind = c == QLatin1Char('d') ? (letters.size() >= 3 ? Kind::Weekday : Kind::Day)
                              : c == QLatin1Char('M') ? Kind::Month
                                                      : Kind::Year;
            sections_.push_back({kind, kind == Kind::Year && letters.size() != 2 ? QStringLiteral("yyyy") : letters});
            if (kind != Kind::Weekday)
                editable_.push_back(sections_.size() - 1);
            i = j;
            continue;
        }
        text(QString(c));
        ++i;
    }
    current_ = 0;
    typed_.clear();
    pending_ = false;
    Show();
}

void DatePicker::Show()
{
    const QLocale locale = this->locale();
    const Section* current = EditableCount() > 0 ? &Current() : nullptr;
    QString shown;
    for (Section& s : sections_) {
        s.start = static_cast<int>(shown.size());
        if (pending_ && &s == current)
            shown += typed_; // digits that make no date yet
        else if (s.kind == Kind::Text)
            shown += s.format;
        else
            shown += locale.toString(date_, s.format);
        s.length = static_cast<int>(shown.size()) - s.start;
    }
    QLineEdit::setText(shown);
    if (hasFocus() && current)
        setSelection(current->start, current->length);
}

QDate DatePicker::WithSection(Kind kind, int value) const
{
    int year = date_.year(), month = date_.month(), day = date_.day();
    if (kind == Kind::Day)
        day = value;
    else if (kind == Kind::Month)
        month = value;
    else if (kind == Kind::Year)
        year = value;
    const QDate first(year, month, 1);
    if (!first.isValid())
        return {};
    // The 31st of a month of thirty days is its 30th.
    return QDate(year, month, std::min(day, first.daysInMonth()));
}

bool DatePicker::TakeFromUser(QDate date)
{
    if (!date.isValid() || date < minimum_ || date > maximum_) {
        QApplication::beep();
        return false;
    }
    const QString typed = typed_;
    const bool pending = pending_;
    setDate(date);
    typed_ = typed; // the section may take a further digit
    pending_ = pending;
    return true;
}

void DatePicker::TypeDigit(int digit)
{
    if (EditableCount() == 0) {
        QApplication::beep();
        return;
    }
    const Section& s = Current();
    const bool year = s.kind == Kind::Year;
    const int width = year ? static_cast<int>(s.format.size()) : 2;
    const int largest = s.kind == Kind::Day ? 31 : year ? 9999 : 12;
    typed_ += QChar(QLatin1Char(static_cast<char>('0' + digit)));
    int value = typed_.toInt();
    if (value > largest) { // "13" for a month starts over with the "3"
        typed_ = typed_.right(1);
        value = digit;
    }
    const bool complete = typed_.size() >= width || (!year && value * 10 > largest);
    const bool makesADate = year ? complete : value >= 1;

    if (makesADate) {
        pending_ = false;
        const int v = year && width == 2 ? TwoDigitYearEpoch + value : value;
        if (!TakeFromUser(WithSection(s.kind, v))) { // a year out of range
            typed_.clear();
            Show();
            return;
        }
    } else {
        pending_ = true;
        if (complete) { // "00"
            QApplication::beep();
            typed_.clear();
            pending_ = false;
            Show();
            return;
        }
    }
    if (complete) {
        typed_.clear();
        if (current_ + 1 < EditableCount())
            ++current_;
    }
    Show();
}

void DatePicker::DropTyped()
{
    if (typed_.isEmpty() && !pending_)
        return;
    typed_.clear();
    pending_ = false;
    Show();
}

void DatePicker::Step(int steps)
{
    DropTyped();
    if (EditableCount() == 0)
        return;
    const Kind kind = Current().kind;
    const QDate next = kind == Kind::Day     ? date_.addDays(steps)
                       : kind == Kind::Month ? date_.addMonths(steps)
                                             : date_.addYears(steps);
    setDate(next.isValid() ? next : (steps > 0 ? maximum_ : minimum_));
}

void DatePicker::Select(int editable)
{
    DropTyped();
    if (EditableCount() == 0)
        return;
    current_ = std::clamp(editable, 0, EditableCount() - 1);
    Show();
}

void DatePicker::ShowCalendar()
{
    DropTyped();
    calendar_->setSelectedDate(date_);
    calendar_->adjustSize();
    QPoint at = mapToGlobal(QPoint(0, height()));
    if (const QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        if (at.y() + calendar_->height() > area.bottom())
            at.setY(mapToGlobal(QPoint(0, 0)).y() - calendar_->height()); // above the field
        at.setX(std::max(area.left(), std::min(at.x(), area.right() - calendar_->width())));
    }
    calendar_->move(at);
    calendar_->show();
    calendar_->setFocus(Qt::PopupFocusReason);
}

void DatePicker::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (key == Qt::Key_F4 || (key == Qt::Key_Down && (modifiers & Qt::AltModifier))) {
        ShowCalendar();
        return;
    }
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        if (event->matches(QKeySequence::Copy))
            QLineEdit::keyPressEvent(event);
        else
            event->ignore();
        return;
    }
    switch (key) {
    case Qt::Key_Left: Select(current_ - 1); return;
    case Qt::Key_Right: Select(current_ + 1); return;
    case Qt::Key_Home: Select(0); return;
    case Qt::Key_End: Select(EditableCount() - 1); return;
    case Qt::Key_Up: Step(1); return;
    case Qt::Key_Down: Step(-1); return;
    case Qt::Key_PageUp: Step(PageStep); return;
    case Qt::Key_PageDown: Step(-PageStep); return;
    case Qt::Key_Backspace:
        if (typed_.isEmpty()) {
            QApplication::beep();
            return;
        }
        typed_.chop(1);
        pending_ = pending_ && !typed_.isEmpty();
        Show();
        return;
    case Qt::Key_Escape:
        if (pending_) {
            DropTyped();
            return;
        }
        event->ignore();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        DropTyped();
        event->ignore();
        return;
    default: break;
    }
    const QString text = event->text();
    if (text.size() == 1 && IsAsciiDigit(text[0])) {
        TypeDigit(text[0].digitValue());
        return;
    }
    // A separator typed moves on to the next section, as in date pickers.
    if (text.size() == 1 && (text[0].isSpace() || text[0].isPunct()) && current_ + 1 < EditableCount()) {
        Select(current_ + 1);
        return;
    }
    if (!text.isEmpty() && text[0].isPrint()) {
        QApplication::beep();
        return;
    }
    event->ignore();
}

void DatePicker::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || EditableCount() == 0)
        return;
    // The section under the pointer, or the nearest one.
    const int at = cursorPositionAt(event->position().toPoint());
    int best = current_;
    int bestDistance = INT_MAX;
    for (int i = 0; i < EditableCount(); ++i) {
        const Section& s = sections_[editable_[static_cast<std::size_t>(i)]];
        const int distance = at < s.start ? s.start - at : std::max(0, at - (s.start + s.length));
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    Select(best);
}

void DatePicker::mouseMoveEvent(QMouseEvent* event)
{
    event->accept(); // no selecting by dragging: a section is selected whole
}

void DatePicker::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void DatePicker::wheelEvent(QWheelEvent* event)
{
    if (!hasFocus() || event->angleDelta().y() == 0) {
        event->ignore();
        return;
    }
    Step(event->angleDelta().y() > 0 ? 1 : -1);
    event->accept();
}

void DatePicker::Entered(Qt::FocusReason reason, bool back)
{
    if (!back) {
        typed_.clear();
        pending_ = false;
        if (reason == Qt::BacktabFocusReason)
            current_ = std::max(0, EditableCount() - 1);
        else if (reason != Qt::MouseFocusReason)
            current_ = 0;
    }
    Show();
}

void DatePicker::Left()
{
    typed_.clear();
    pending_ = false;
    Show();
}

bool DatePicker::focusNextPrevChild(bool next)
{
    // Tab leaves the field, as it leaves any other.
    DropTyped();
    return QWidget::focusNextPrevChild(next);
}

void DatePicker::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    const int frame = 2;
    arrow_->setGeometry(width() - ArrowWidth - frame, frame, ArrowWidth, height() - 2 * frame);
}

} // namespace platform
