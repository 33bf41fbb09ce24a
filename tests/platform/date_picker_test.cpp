#include "platform/date_picker.h"

#include "../qt_test_support.h"

#include <QSignalSpy>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A date field after a plain one, in the long format of the C locale.
struct DateField {
    QWidget window;
    QLineEdit* before = new QLineEdit(&window);
    platform::DatePicker* date = new platform::DatePicker(&window);

    DateField()
    {
        auto* column = new QVBoxLayout(&window);
        column->addWidget(before);
        column->addWidget(date);
        date->setDisplayFormat(QStringLiteral("dddd, d MMMM yyyy"));
        date->setDateRange(QDate(1600, 1, 1), QDate(3999, 12, 31));
        date->setDate(QDate(2026, 12, 8));
        testsupport::ShowActive(window);
        testsupport::Enter(before);
        testsupport::Tab(before); // the day selected
    }

    void Keys(const char* text) { QTest::keyClicks(date, QString::fromLatin1(text)); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(date, key, modifiers); }
};

TEST(DatePicker, EachSectionTakesDigitsAndAYearMayPassBelowTheRange)
{
    DateField f;
    ASSERT_TRUE(f.date->hasFocus());
    EXPECT_EQ(f.date->selectedText(), QStringLiteral("8"));
    QSignalSpy changes(f.date, &platform::DatePicker::dateChanged);

    f.Keys("15"); // a complete day moves on to the month
    EXPECT_EQ(f.date->selectedText(), QStringLiteral("December"));
    f.Keys("3"); // no month starts with 3 and goes on
    EXPECT_EQ(f.date->date(), QDate(2026, 3, 15));
    EXPECT_EQ(f.date->selectedText(), QStringLiteral("2026"));
    f.Keys("202");
    EXPECT_EQ(f.date->date(), QDate(2026, 3, 15)); // 202 is no year of the range yet
    EXPECT_EQ(f.date->text(), QStringLiteral("Sunday, 15 March 202"));
    f.Keys("7");
    EXPECT_EQ(f.date->date(), QDate(2027, 3, 15));
    EXPECT_EQ(f.date->text(), QStringLiteral("Monday, 15 March 2027"));
    EXPECT_EQ(changes.count(), 4); // each digit that makes a date: 1, 15, March, 2027

    // Out of the range, or not digits: refused, nothing changes.
    for (const char* refused : {"1599", "4000", "x", "/"}) {
        f.Keys(refused);
        EXPECT_EQ(f.date->date(), QDate(2027, 3, 15)) << refused;
        EXPECT_EQ(f.date->text(), QStringLiteral("Monday, 15 March 2027")) << refused;
    }

    // Two-digit days and months, the 31st in a month of 30 days.
    f.Key(Qt::Key_Home);
    f.Keys("31");
    f.Keys("04");
    EXPECT_EQ(f.date->date(), QDate(2027, 4, 30));
    f.Key(Qt::Key_Home);
    f.Keys("0"); // not a day by itself: waits for the next digit
    EXPECT_EQ(f.date->date(), QDate(2027, 4, 30));
    f.Key(Qt::Key_Escape);
    EXPECT_EQ(f.date->text(), QStringLiteral("Friday, 30 April 2027"));
}

TEST(DatePicker, ArrowsAndPagesStepTheSectionWithinTheRange)
{
    DateField f;
    f.Key(Qt::Key_Up);
    EXPECT_EQ(f.date->date(), QDate(2026, 12, 9));
    f.Key(Qt::Key_Right);
    f.Key(Qt::Key_PageUp);
    EXPECT_EQ(f.date->date(), QDate(2027, 10, 9));
    f.Key(Qt::Key_End);
    f.Key(Qt::Key_Down);
    EXPECT_EQ(f.date->date(), QDate(2026, 10, 9));
    f.Key(Qt::Key_PageUp);
    EXPECT_EQ(f.date->selectedText(), QStringLiteral("2036"));
    f.date->setDate(QDate(1600, 1, 1));
    f.Key(Qt::Key_Home);
    f.Key(Qt::Key_Down);
    f.Key(Qt::Key_PageDown);
    EXPECT_EQ(f.date->date(), QDate(1600, 1, 1));

    // Tab leaves; Shift+Tab comes back to the last section.
    testsupport::Tab(f.date);
    EXPECT_TRUE(f.before->hasFocus());
    QTest::keyClick(f.before, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(f.date->hasFocus());
    EXPECT_EQ(f.date->selectedText(), QStringLiteral("1600"));
}

TEST(DatePicker, CalendarOpensFromTheKeyboardAndTheArrow)
{
    DateField f;
    f.Key(Qt::Key_Down, Qt::AltModifier);
    QCalendarWidget* calendar = f.date->Calendar();
    ASSERT_TRUE(calendar->isVisible());
    EXPECT_EQ(calendar->selectedDate(), QDate(2026, 12, 8));
    QTest::keyClick(calendar->focusWidget(), Qt::Key_Down); // a week on
    QTest::keyClick(calendar->focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_EQ(f.date->date(), QDate(2026, 12, 15));

    f.Key(Qt::Key_F4);
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
