#include "platform/widgets/date_picker.h"

#include "qt_test_support.h"

#include <QAccessibleInterface>
#include <QClipboard>
#include <QMenu>
#include <QSignalSpy>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

using testsupport::Press;

// A date field after a plain one, in the long format of the C locale, as
// the start panel lays it out.
struct DateField {
    testsupport::ErrorRecorder errors;
    QWidget window;
    QLineEdit* before = new QLineEdit(&window);
    platform::DatePicker* date = new platform::DatePicker(&window);

    explicit DateField(QDate start, const QLocale& locale = QLocale::c())
    {
        QFont font = window.font();
        font.setPixelSize(13);
        window.setFont(font);
        auto* column = new QVBoxLayout(&window);
        column->addWidget(before);
        column->addWidget(date);
        date->setFixedSize(225, 24);
        date->setLocale(locale);
        date->setDisplayFormat(locale.dateFormat(QLocale::LongFormat));
        date->setDateRange(QDate(1600, 1, 1), QDate(3999, 12, 31));
        date->setDate(start);
        testsupport::ShowActive(window);
        testsupport::Enter(before);
        testsupport::Tab(before); // the day selected
    }
};

QDate D(const char* ddmmyyyy)
{
    return QDate::fromString(QString::fromLatin1(ddmmyyyy), QStringLiteral("dd/MM/yyyy"));
}

TEST(DatePicker, TakesTheDateTypedInAnyOrderOrKeepsItsOwn)
{
    const struct {
        const char* start;
        const char* keys;
        const char* date;  // the date the field holds afterwards
        const char* shown; // and shows
    } cases[] = {
        // A day beyond the month shown waits for the month and the year.
        {"08/12/2026", "29022028", "29/02/2028", "Tuesday, 29 February 2028"},
        {"08/11/2026", "31122026", "31/12/2026", "Thursday, 31 December 2026"},
        {"08/12/2026", "29022000", "29/02/2000", "Tuesday, 29 February 2000"},
        // A field that shows no date holds the one it had when entered,
        // not the 29 December put together on the way.
        {"08/12/2026", "29022027", "08/12/2026", "29 February 2027"},
        // Separators finish a section being typed, never skip a finished one.
        {"08/12/2026", "05/07/2030", "05/07/2030", "Friday, 5 July 2030"},
        {"08/12/2026", "5/7/2030", "05/07/2030", "Friday, 5 July 2030"},
        {"08/12/2026", "1/2/2030", "01/02/2030", "Friday, 1 February 2030"},
        {"08/12/2026", "3<Right>", "03/12/2026", "Thursday, 3 December 2026"},
        // Shift+Tab into the field selects its last section.
        {"08/12/2026", "<BackTab><BackTab>2030", "08/12/2030", "Sunday, 8 December 2030"},
        // A year counts with four digits; until then nothing is taken from it.
        {"08/12/2026", "150327", "08/12/2026", "15 March 27"},
        {"08/12/2026", "1503", "15/03/2026", "Sunday, 15 March 2026"}, // a whole date shown is followed
        {"15/06/2026", "29<Del>", "15/06/2026", "29  2026"},  // the month emptied: no date shown
        {"15/03/2027", "<End><BS>", "15/03/2027", "15 March 202"},
        {"08/12/2026", "<End>1599", "08/12/2026", "Wednesday, 8 December 1599"},
        {"08/12/2026", "0", "08/12/2026", "0 December 2026"},
        // Past the largest day or month the typing starts over.
        {"08/12/2026", "<Right>13", "08/03/2026", "Sunday, 8 March 2026"},
        // Escape abandons what was typed, and the dates taken from it;
        // letters change nothing.
        {"08/12/2026", "29022027<Esc>", "08/12/2026", "Tuesday, 8 December 2026"},
        {"08/12/2026", "150327<Esc>", "08/12/2026", "Tuesday, 8 December 2026"},
        {"08/12/2026", "<Up><Right><Up><Esc>", "08/12/2026", "Tuesday, 8 December 2026"},
        {"08/12/2026", "x", "08/12/2026", "Tuesday, 8 December 2026"},
    };
    for (const auto& c : cases) {
        DateField f(D(c.start));
        Press(QString::fromLatin1(c.keys));
        EXPECT_EQ(f.date->date(), D(c.date)) << c.keys;
        EXPECT_EQ(f.date->text(), QString::fromLatin1(c.shown)) << c.keys;
    }
}

TEST(DatePicker, StepsOnlyTheSelectedSectionAndStopsAtItsEnd)
{
    const struct {
        const char* start;
        const char* keys;
        const char* date;
    } cases[] = {
        {"08/12/2026", "<Up>", "09/12/2026"},
        {"31/12/2026", "<Up>", "31/12/2026"},
        {"01/03/2026", "<Down>", "01/03/2026"},
        {"31/01/2027", "<Right><Up>", "28/02/2027"},
        {"15/12/2026", "<Right><PgUp>", "15/12/2026"},
        {"15/06/2026", "<Right><PgDn>", "15/01/2026"},
        {"29/02/2028", "<End><Up>", "28/02/2029"},
        {"15/06/3995", "<End><PgUp>", "15/06/3999"},
        {"15/06/1605", "<End><PgDn>", "15/06/1600"},
        {"15/03/2027", "1<Up>", "02/03/2027"}, // the day typed is taken, then stepped
    };
    for (const auto& c : cases) {
        DateField f(D(c.start));
        Press(QString::fromLatin1(c.keys));
        EXPECT_EQ(f.date->date(), D(c.date)) << c.start << " " << c.keys;
    }

    DateField f(D("08/12/2026"));
    QSignalSpy changes(f.date, &platform::DatePicker::dateChanged);
    const QPoint middle = f.date->rect().center();
    QWheelEvent wheel(middle, f.date->mapToGlobal(middle), {}, QPoint(0, 120), Qt::NoButton, {}, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(f.date, &wheel);
    EXPECT_EQ(f.date->date(), D("09/12/2026"));
    EXPECT_EQ(changes.count(), 1);
    // Over a field without the focus, the wheel changes nothing.
    Press(QStringLiteral("<BackTab>"));
    QApplication::sendEvent(f.date, &wheel);
    EXPECT_EQ(f.date->date(), D("09/12/2026"));
}

TEST(DatePicker, AClickSelectsTheSectionItLandsNearest)
{
    const struct {
        int x; // from the field's left edge; below zero, from its right edge
        const char* keys;
        const char* date;
    } cases[] = {{4, "15", "15/12/2026"}, {-40, "2030", "08/12/2030"}};
    for (const auto& c : cases) {
        DateField f(D("08/12/2026"));
        const int x = c.x >= 0 ? c.x : f.date->width() + c.x;
        QTest::mouseClick(f.date, Qt::LeftButton, {}, QPoint(x, f.date->height() / 2));
        Press(QString::fromLatin1(c.keys));
        EXPECT_EQ(f.date->date(), D(c.date)) << c.x;
    }
}

TEST(DatePicker, LeavingWithNoDateIsRefusedUntilEscape)
{
    const struct {
        const char* keys;
        const char* message;
    } cases[] = {
        {"29022027", "'29/02/2027' is not a valid date"},
        {"<End>202", "'08/12/202' is not a valid date"},
        {"00", "'00/12/2026' is not a valid date"},
        {"<End>1599", "'08/12/1599' is not a date between 01/01/1600 and 31/12/3999"},
    };
    for (const auto& c : cases) {
        DateField f(D("08/12/2026"));
        Press(QString::fromLatin1(c.keys));
        Press(QStringLiteral("<Tab>"));
        EXPECT_EQ(f.errors.messages, QStringList{QString::fromLatin1(c.message)}) << c.keys;
        EXPECT_TRUE(f.date->hasFocus()) << c.keys;

        // A click elsewhere is refused the same way, and lands nowhere.
        QTest::mouseClick(f.before, Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_EQ(f.errors.messages.size(), 2) << c.keys;
        EXPECT_TRUE(f.date->hasFocus()) << c.keys;

        Press(QStringLiteral("<Esc><Tab>"));
        EXPECT_EQ(f.date->date(), D("08/12/2026")) << c.keys; // the date it had
        EXPECT_TRUE(f.before->hasFocus()) << c.keys;
        EXPECT_EQ(f.errors.messages.size(), 2) << c.keys;
    }
}

TEST(DatePicker, PasteTakesAShortDateWholeOrNothing)
{
    const struct {
        const char* pasted;
        const char* date;
    } cases[] = {
        {"15/03/2027", "15/03/2027"}, {"15.3.2027\n", "15/03/2027"}, {"31/02/2027", "08/12/2026"},
        {"15/03/27", "08/12/2026"},   {"15/03/1599", "08/12/2026"},  {"15 March 2027", "08/12/2026"},
    };
    for (const auto& c : cases) {
        DateField f(D("08/12/2026"));
        QApplication::clipboard()->setText(QString::fromLatin1(c.pasted));
        QTest::keyClick(f.date, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(f.date->date(), D(c.date)) << c.pasted;
        EXPECT_EQ(f.date->text(), f.date->locale().toString(D(c.date), f.date->displayFormat())) << c.pasted;
    }

    // Shift+Insert, and Paste from the context menu.
    DateField f(D("08/12/2026"));
    QApplication::clipboard()->setText(QStringLiteral("01/04/2027"));
    QTest::keyClick(f.date, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(f.date->date(), D("01/04/2027"));
    QApplication::clipboard()->setText(QStringLiteral("02/05/2028"));
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, f.date->rect().center(),
                              f.date->mapToGlobal(f.date->rect().center()));
    QApplication::sendEvent(f.date, &menuKey);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_P);
    QApplication::processEvents();
    EXPECT_EQ(f.date->date(), D("02/05/2028"));
}

TEST(DatePicker, ScreenReaderHearsAnEditableFieldAndWhatIsTyped)
{
    DateField f(D("08/12/2026"));
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(f.date);
    ASSERT_NE(field, nullptr);
    EXPECT_TRUE(field->state().editable);
    EXPECT_FALSE(field->state().readOnly);
    Press(QStringLiteral("0"));
    EXPECT_EQ(field->text(QAccessible::Value), QStringLiteral("0 December 2026"));

    QAccessibleInterface* arrow = QAccessible::queryAccessibleInterface(f.date->findChild<QToolButton*>());
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->role(), QAccessible::Button);
    EXPECT_FALSE(arrow->text(QAccessible::Name).isEmpty());
}

TEST(DatePicker, LongDateShowsItsFirstAndLastLettersInEveryLocale)
{
    for (const char* name : {"es_ES", "pt_BR", "de_DE", "en_GB", "fr_FR"}) {
        const QLocale locale(QString::fromLatin1(name));
        DateField f(QDate(2026, 9, 30), locale);
        for (const char* keys : {"", "<End>"}) { // the day or the year selected
            Press(QString::fromLatin1(keys));
            (void)f.date->grab(); // lays the text out as painted
            const QString shown = locale.toString(QDate(2026, 9, 30), locale.dateFormat(QLocale::LongFormat));
            ASSERT_EQ(f.date->text(), shown) << name;
            const int middle = f.date->height() / 2;
            EXPECT_EQ(f.date->cursorPositionAt(QPoint(4, middle)), 0) << name << " " << keys;
            const int end = f.date->width() - 22; // short of the arrow
            EXPECT_EQ(f.date->cursorPositionAt(QPoint(end, middle)), shown.size()) << name << " " << keys;
        }
    }
}

TEST(DatePicker, CalendarOpensFromTheKeyboardAndTheArrow)
{
    DateField f(D("08/12/2026"));
    QTest::keyClick(f.date, Qt::Key_Down, Qt::AltModifier);
    QCalendarWidget* calendar = f.date->Calendar();
    ASSERT_TRUE(calendar->isVisible());
    EXPECT_EQ(calendar->selectedDate(), QDate(2026, 12, 8));
    QTest::keyClick(calendar->focusWidget(), Qt::Key_Down); // a week on
    QTest::keyClick(calendar->focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_EQ(f.date->date(), QDate(2026, 12, 15));

    QTest::keyClick(f.date, Qt::Key_F4);
    ASSERT_TRUE(calendar->isVisible());
    QTest::keyClick(calendar->focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_EQ(f.date->date(), QDate(2026, 12, 15));

    auto* arrow = f.date->findChild<QToolButton*>();
    ASSERT_NE(arrow, nullptr);
    QTest::mouseClick(arrow, Qt::LeftButton);
    EXPECT_TRUE(calendar->isVisible());
    calendar->close();
}

} // namespace
