#include "platform/widgets/date_picker.h"

#include "platform/desktop/error_report.h"
#include "platform/widgets/typed_text.h"
#include "platform/desktop/number_settings.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>

#include <algorithm>

namespace platform {
namespace {

constexpr int ArrowWidth = 18;
constexpr int PageStep = 10;
constexpr int SmallestPixelSize = 6; // the long date shrinks no further
constexpr int LineEditMargin = 2;    // the line edit's own margin on each side of its text

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
    : Field(parent), arrow_(new QToolButton(this))
{
    // Every change goes through the sections: no drops or input methods
    // that would write around them.
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setTextMargins(0, 0, ArrowWidth, 0);

    arrow_->setArrowType(Qt::DownArrow);
    arrow_->setFocusPolicy(Qt::NoFocus);
    arrow_->setCursor(Qt::ArrowCursor);
    arrow_->setAccessibleName(tr("Open calendar"));
    connect(arrow_, &QToolButton::clicked, this, [this] {
        setFocus(Qt::MouseFocusReason);
        ShowCalendar();
    });

    setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
}

void DatePicker::setDate(QDate date)
{
    if (!date.isValid())
        return;
    Commit(std::clamp(date, minimum_, maximum_));
    entered_ = date_;
}

void DatePicker::setDateRange(QDate minimum, QDate maximum)
{
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    if (calendar_)
        calendar_->setDateRange(minimum_, maximum_);
    setDate(date_);
}

void DatePicker::setDisplayFormat(const QString& format)
{
    format_ = format;
    layout_ = DateLayout(format);
    current_ = 0;
    entry_ = DateEntry(date_);
    Show();
}

void DatePicker::Show()
{
    const QString shown = layout_.Text(entry_, locale());
    if (shown != text())
        QLineEdit::setText(shown);
    // Fitted when shown, if hidden now: measuring costs a window's start
    // a layout of the text for every date set while it is built.
    fitPending_ = !isVisible();
    if (!fitPending_)
        FitText();
    if (hasFocus() && layout_.PartCount() > 0)
        setSelection(layout_.Start(current_), layout_.Length(current_));
}

void DatePicker::FitText()
{
    fitPending_ = false;
    // The long date of some locales is wider than the field: it shrinks
    // rather than scrolls, so that it never loses its first letters.
    QFont font = parentWidget() ? parentWidget()->font() : QApplication::font();
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &option, this).marginsRemoved(textMargins());
    const int room = contents.width() - 2 * LineEditMargin - style()->pixelMetric(QStyle::PM_TextCursorWidth);
    while (QFontMetrics(font).horizontalAdvance(text()) > room) {
        if (font.pixelSize() > SmallestPixelSize)
            font.setPixelSize(font.pixelSize() - 1);
        else if (font.pixelSize() < 0 && QFontInfo(font).pixelSize() > SmallestPixelSize)
            font.setPointSizeF(font.pointSizeF() - 0.5);
        else
            break;
    }
    if (font != this->font())
        setFont(font);
}

void DatePicker::Commit(QDate date)
{
    entry_ = DateEntry(date);
    const bool changed = date != date_;
    date_ = date;
    Show();
    if (changed)
        emit dateChanged(date_);
}

void DatePicker::FollowEntry()
{
    if (!entry_.Typed())
        return;
    if (const QDate date = entry_.Date(); InRange(date)) {
        Commit(date);
    } else if (date_ != entered_) {
        // What is shown is no date: none made of it stands meanwhile.
        date_ = entered_;
        emit dateChanged(date_);
    }
}

bool DatePicker::HalfTyped() const
{
    DateEntry finished = entry_;
    finished.Finish();
    return finished.Typed() && !InRange(finished.Date());
}

void DatePicker::TypeDigit(int digit)
{
    if (layout_.PartCount() == 0) {
        QApplication::beep();
        return;
    }
    if (entry_.Type(Current(), digit) && current_ + 1 < layout_.PartCount())
        ++current_;
    FollowEntry();
    Show();
}

void DatePicker::Select(int part)
{
    entry_.Finish();
    FollowEntry();
    if (layout_.PartCount() != 0)
        current_ = std::clamp(part, 0, layout_.PartCount() - 1);
    Show();
}

void DatePicker::Step(int steps)
{
    entry_.Finish();
    FollowEntry();
    if (entry_.Typed() || layout_.PartCount() == 0) { // no date to step from
        QApplication::beep();
        Show();
        return;
    }
    Commit(StepPart(date_, Current(), steps, minimum_, maximum_));
}

void DatePicker::ShowCalendar()
{
    const QDate typed = entry_.Date();
    if (!calendar_) {
        // Made when first opened: a calendar costs a quarter of the
        // window's start, and most voyages never open it.
        calendar_ = new CalendarPopup(this);
        calendar_->setDateRange(minimum_, maximum_);
        const auto pick = [this](QDate picked) {
            calendar_->close();
            Commit(std::clamp(picked, minimum_, maximum_));
        };
        connect(calendar_, &QCalendarWidget::activated, this, pick);
        connect(calendar_, &QCalendarWidget::clicked, this, pick);
    }
    calendar_->setSelectedDate(InRange(typed) ? typed : date_);
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

void DatePicker::PasteText(const std::string& text)
{
    if (const QDate date = ReadNumericDate(ToQt(text), layout_.Order()); InRange(date)) {
        Commit(date);
        return;
    }
    QApplication::beep();
}

void DatePicker::EraseSelection()
{
    if (layout_.PartCount() != 0) {
        entry_.Clear(Current());
        FollowEntry();
        Show();
    }
}

void DatePicker::CopySelection()
{
    QApplication::clipboard()->setText(text());
}

void DatePicker::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (key == Qt::Key_F4 || (key == Qt::Key_Down && (modifiers & Qt::AltModifier))) {
        ShowCalendar();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        PasteText(PastedText());
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        CopySelection();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        setSelection(0, static_cast<int>(text().size()));
        return;
    }
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        event->ignore();
        return;
    }
    const int last = layout_.PartCount() - 1;
    switch (key) {
    case Qt::Key_Left: Select(current_ - 1); return;
    case Qt::Key_Right: Select(current_ + 1); return;
    case Qt::Key_Home: Select(0); return;
    case Qt::Key_End: Select(last); return;
    case Qt::Key_Up: Step(1); return;
    case Qt::Key_Down: Step(-1); return;
    case Qt::Key_PageUp: Step(PageStep); return;
    case Qt::Key_PageDown: Step(-PageStep); return;
    case Qt::Key_Backspace:
        if (layout_.PartCount() != 0) {
            entry_.Erase(Current());
            FollowEntry();
            Show();
        }
        return;
    case Qt::Key_Delete: EraseSelection(); return;
    case Qt::Key_Escape:
        // Abandons what was typed, and the dates taken from it since the
        // field was entered.
        if (entry_.Typed() || date_ != entered_) {
            Commit(entered_);
            return;
        }
        event->ignore();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Select(current_);
        event->ignore();
        return;
    default: break;
    }
    const QString text = event->text();
    if (text.size() == 1 && IsAsciiDigit(text[0])) {
        TypeDigit(text[0].digitValue());
        return;
    }
    // A separator finishes the section being typed; after a finished one
    // (the next already selected) it changes nothing.
    if (text.size() == 1 && (text[0].isSpace() || text[0].isPunct())) {
        if (layout_.PartCount() != 0 && entry_.Typing(Current()))
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
    if (event->button() == Qt::RightButton || layout_.PartCount() == 0)
        return;
    // The section under the pointer, or the nearest one.
    Select(layout_.Nearest(cursorPositionAt(event->position().toPoint())));
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
    if (!back && layout_.PartCount() != 0) {
        if (reason == Qt::BacktabFocusReason)
            current_ = layout_.PartCount() - 1;
        else if (reason != Qt::MouseFocusReason)
            current_ = 0;
    }
    Show();
}

void DatePicker::Left()
{
    // Not half-typed: what was typed is a date, or nothing was.
    entry_.Finish();
    FollowEntry();
    entered_ = date_;
    Show();
    Field::Left();
}

void DatePicker::Refused()
{
    // The first section that makes no date, or the day of one that does not
    // exist.
    entry_.Finish();
    current_ = 0;
    for (int i = 0; i < layout_.PartCount(); ++i)
        if (!entry_.Complete(layout_.Part(i))) {
            current_ = i;
            break;
        }
    Show();
    const QDate date = entry_.Date();
    const QChar separator = QLatin1Char(LocaleDateSeparator());
    const auto numeric = [&](QDate d) { return DateEntry(d).Numeric(layout_.Order(), separator); };
    const QString typed = entry_.Numeric(layout_.Order(), separator);
    ReportError(date.isValid()
                    ? tr("'%1' is not a date between %2 and %3").arg(typed, numeric(minimum_), numeric(maximum_))
                    : tr("'%1' is not a valid date").arg(typed));
}

void DatePicker::showEvent(QShowEvent* event)
{
    QLineEdit::showEvent(event);
    if (fitPending_)
        FitText();
}

void DatePicker::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    const int frame = 2;
    arrow_->setGeometry(width() - ArrowWidth - frame, frame, ArrowWidth, height() - 2 * frame);
    FitText();
}

} // namespace platform
