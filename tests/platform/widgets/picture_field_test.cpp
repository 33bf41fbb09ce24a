#include "platform/widgets/picture_field.h"

#include "qt_test_support.h"

#include <QClipboard>
#include <QSignalSpy>
#include <QStyle>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

using Kind = platform::PictureField::Kind;

struct Fields {
    QWidget window;
    platform::PictureField* interval = new platform::PictureField(&window);
    platform::PictureField* time = new platform::PictureField(&window);

    Fields()
    {
        auto* column = new QVBoxLayout(&window);
        column->addWidget(interval);
        column->addWidget(time);
        interval->SetPicture("##:##", Kind::Text);
        time->SetPicture("hh:mm", Kind::Time);
        interval->SetText("00:00");
        time->SetText("00:00");
        testsupport::ShowActive(window);
    }
};

TEST(PictureField, EnteringPutsTheCaretAtTheEndAndTypingOverwrites)
{
    Fields f;
    testsupport::Enter(f.interval);
    EXPECT_EQ(f.interval->cursorPosition(), 5);
    EXPECT_FALSE(f.interval->hasSelectedText());
    QTest::keyClicks(f.interval, "0130");
    EXPECT_EQ(f.interval->Text(), "01:30");
    f.interval->setCursorPosition(3);
    QTest::keyClicks(f.interval, "4");
    EXPECT_EQ(f.interval->Text(), "01:40");
}

TEST(PictureField, EachPictureTakesItsCharacters)
{
    Fields f;
    testsupport::Enter(f.interval);
    QTest::keyClicks(f.interval, "1 3 ");
    EXPECT_EQ(f.interval->Text(), "1 :3 ");
    testsupport::Enter(f.interval);
    QTest::keyClicks(f.interval, "-.");
    EXPECT_EQ(f.interval->Text(), "-.:3 ");

    testsupport::Enter(f.time);
    QTest::keyClicks(f.time, "1-");
    EXPECT_EQ(f.time->Text(), "10:00"); // the minus is refused
}

TEST(PictureField, RefusedKeysAndPastesChangeNothing)
{
    Fields f;
    testsupport::Enter(f.time);
    QApplication::clipboard()->setText(QStringLiteral("1a"));
    for (auto [key, modifiers] : {std::pair{Qt::Key_Minus, Qt::NoModifier}, {Qt::Key_Period, Qt::NoModifier},
                                  {Qt::Key_A, Qt::NoModifier}, {Qt::Key_V, Qt::ControlModifier}}) {
        QTest::keyClick(f.time, key, modifiers);
        EXPECT_EQ(f.time->Text(), "00:00");
        EXPECT_EQ(f.time->cursorPosition(), 5); // still at the end
    }
    // The colon typed at its place steps over it; a paste is typed whole.
    QTest::keyClicks(f.time, "08:30");
    EXPECT_EQ(f.time->Text(), "08:30");
    QApplication::clipboard()->setText(QStringLiteral("2145"));
    QTest::keyClick(f.time, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.time->Text(), "21:45");
    // Part of an entry is typed at the caret.
    QApplication::clipboard()->setText(QStringLiteral("30"));
    testsupport::Press(QStringLiteral("<Left><Left>"));
    QTest::keyClick(f.time, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.time->Text(), "21:30");
}

TEST(PictureField, ErasingStepsOverTheColon)
{
    const struct {
        const char* keys; // after typing "01:30", the caret at its end
        const char* text;
        int caret;
    } cases[] = {
        {"<BS>", "01:3 ", 4},           {"<BS><BS>", "01:  ", 3},     {"<BS><BS><BS>", "0 :  ", 1},
        {"<Left><Left><BS>", "0 :30", 1}, {"<Home><BS>", "01:30", 0}, {"<Home><Del>", " 1:30", 0},
        {"<Left><Left><Left><Del>", "01:30", 2},
    };
    for (const auto& c : cases) {
        Fields f;
        testsupport::Enter(f.interval);
        QTest::keyClicks(f.interval, "0130");
        testsupport::Press(QString::fromLatin1(c.keys));
        EXPECT_EQ(f.interval->Text(), c.text) << c.keys;
        EXPECT_EQ(f.interval->cursorPosition(), c.caret) << c.keys;
    }
}

TEST(PictureField, TimeOutsideTheDayShowsTheErrorColours)
{
    Fields f;
    EXPECT_FALSE(f.time->InError());
    testsupport::Enter(f.time);
    QTest::keyClicks(f.time, "25");
    EXPECT_TRUE(f.time->InError());
    EXPECT_EQ(f.time->palette().color(QPalette::Base), QColor(Qt::red));
    EXPECT_EQ(f.time->palette().color(QPalette::Text), QColor(Qt::black));
    f.time->setCursorPosition(0);
    QTest::keyClicks(f.time, "2359");
    EXPECT_FALSE(f.time->InError());
    for (auto [typed, outside] : {std::pair{"2400", true}, {"0060", true}, {"0000", false}, {"2300", false}}) {
        testsupport::Enter(f.time);
        QTest::keyClicks(f.time, typed);
        EXPECT_EQ(f.time->InError(), outside) << typed;
    }
    // Interval pictures are no times of day: 99:99 is a good interval.
    f.interval->SetText("99:99");
    EXPECT_FALSE(f.interval->InError());
}

// Overwriting shows a block caret one digit of the field's own font wide.
TEST(PictureField, CaretIsADigitWide)
{
    Fields f;
    QFont large = f.time->font();
    large.setPixelSize(30);
    f.time->setFont(large);
    for (const platform::PictureField* field : {f.time, f.interval})
        EXPECT_EQ(field->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, field),
                  field->fontMetrics().horizontalAdvance(QLatin1Char('0')));
}

TEST(PictureField, LeavingSignalsExitOnce)
{
    Fields f;
    QSignalSpy exits(f.interval, &platform::PictureField::exited);
    testsupport::Enter(f.interval);
    testsupport::Tab(f.interval);
    EXPECT_EQ(exits.count(), 1);
    EXPECT_TRUE(f.time->hasFocus());
}

TEST(PictureField, WritingCutsOrFillsToFiveCharacters)
{
    platform::PictureField p;
    p.SetPicture("##:##", Kind::Text);
    p.SetText("1");
    EXPECT_EQ(p.Text(), "1 :  ");
    p.SetText("12:345");
    EXPECT_EQ(p.Text(), "12:34");
}

} // namespace
