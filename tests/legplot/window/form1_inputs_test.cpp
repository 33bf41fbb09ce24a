#include "form1_test_support.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using testsupport::Q;
using testsupport::T;
using testsupport::Window;

TEST(Form1Hemisphere, TypingALowerCaseSMovesSouthAtOnce)
{
    Window w;
    w.TypeAndLeave(w->lat_edit, "50*00'00");
    w.TypeAndLeave(w->MaskEdit16, "10.0");
    w.TypeAndLeave(w->Maskedit11, "0100");
    ASSERT_GT(w->Plan().StartLat, 0);
    testsupport::Enter(w->NorS);
    w->NorS->selectAll();
    QTest::keyClicks(w->NorS, "s");
    EXPECT_EQ(w->NorS->Text(), "S");
    EXPECT_LT(w->Plan().StartLat, 0);
    EXPECT_TRUE(w->NorS->hasFocus());
    EXPECT_EQ(w->Label7->text().right(1), QStringLiteral("S"));
}

TEST(Form1Hemisphere, ClicksToggleTheLetters)
{
    Window w;
    QTest::mouseClick(w->NorS, Qt::LeftButton);
    EXPECT_EQ(w->NorS->Text(), "S");
    QTest::mouseClick(w->NorS, Qt::LeftButton);
    EXPECT_EQ(w->NorS->Text(), "N");
    w->NorS->SetText("Q");
    w->NorSClick();
    EXPECT_EQ(w->NorS->Text(), "N");

    QTest::mouseClick(w->EorW, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(w->EorW->Text(), "W");
    EXPECT_TRUE(w->DatePicker->hasFocus());
    QTest::mouseClick(w->EorW, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(w->EorW->Text(), "E");
}

TEST(Form1Hemisphere, OtherLettersKeepTheFocus)
{
    Window w;
    // EorW showing X: the click leaves it, the exit handler sends the focus back.
    w->EorW->SetText("X");
    QTest::mouseClick(w->EorW, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(w->EorW->Text(), "X");
    EXPECT_TRUE(w->EorW->hasFocus());
    w->EorW->SetText("E"); // or EorW would keep taking the focus back

    // An empty NorS keeps the focus and says nothing.
    w.Type(w->NorS, "");
    testsupport::Tab(w->NorS);
    EXPECT_TRUE(w->NorS->hasFocus());
    EXPECT_EQ(w->StatusMessage(), QString());
    EXPECT_TRUE(w.errors.messages.isEmpty());
}

TEST(Form1StartPosition, EmptyPositionsReadAsZeros)
{
    Window w;
    w.Type(w->lat_edit, "5");
    testsupport::Tab(w->lat_edit);
    EXPECT_EQ(w->Plan().StartLat, 50.0);
    EXPECT_EQ(w->lat_edit->Text(), T("50*00'00"));
    EXPECT_EQ(w->Label7->text(), Q("00*00'00 N")); // all legs still empty
}

TEST(Form1StartPosition, LetterDecidesTheSignEvenFromZero)
{
    // From a start latitude of zero, "S" and a typed 50 store -50.
    Window w;
    w->NorS->SetText("S");
    EXPECT_TRUE(std::signbit(w->Plan().StartLat));
    w.TypeAndLeave(w->lat_edit, "50*00'00");
    EXPECT_EQ(w->Plan().StartLat, -50.0);
    w->EorW->SetText("W");
    w.TypeAndLeave(w->lon_edit, "004*15'45");
    EXPECT_DOUBLE_EQ(w->Plan().StartLon, -4.2575);
}

TEST(Form1StartPosition, OutOfRangeFieldsKeepTheUserInTheField)
{
    Window w;
    w.TypeAndLeave(w->lat_edit, "12*30'00");
    w.TypeAndLeave(w->lat_edit, "90*00'00");
    EXPECT_EQ(w->StatusMessage(), QStringLiteral("Wrong Degrees "));
    EXPECT_TRUE(w->lat_edit->hasFocus());
    EXPECT_EQ(w->Plan().StartLat, 12.5); // the rejected entry stores nothing

    w.TypeAndLeave(w->lat_edit, "89*59'99");
    EXPECT_EQ(w->StatusMessage(), QStringLiteral("")); // hundredths have no limit
    w.TypeAndLeave(w->lon_edit, "180*00'00");
    EXPECT_EQ(w->StatusMessage(), QStringLiteral("Wrong Degrees !"));
    EXPECT_TRUE(w->lon_edit->hasFocus());
    w.TypeAndLeave(w->lon_edit, "010*60'00");
    EXPECT_EQ(w->StatusMessage(), QStringLiteral("Wrong Minutes !"));
    w.TypeAndLeave(w->lon_edit, "010*30'00");
    EXPECT_EQ(w->StatusMessage(), QString());
    EXPECT_EQ(w->Plan().StartLon, 10.5);
}

TEST(Form1StartPosition, TypedSignNeverReachesTheParser)
{
    // The field holds a magnitude: the minus is refused where it is typed,
    // and the blank left in its place reads as a zero.
    Window w;
    w.TypeAndLeave(w->lat_edit, "12*30'00");
    w.TypeAndLeave(w->lat_edit, "1-*30'00");
    EXPECT_TRUE(w.errors.messages.isEmpty());
    EXPECT_EQ(w->lat_edit->Text(), T("10*30'00"));
    EXPECT_EQ(w->Plan().StartLat, 10.5);
}

TEST(Form1Legs, CourseAboveTheLimitIsStoredSailedAndReported)
{
    Window w;
    w.TypeAndLeave(w->MaskEdit16, "10.0");
    w.TypeAndLeave(w->Maskedit11, "0600");
    w.TypeAndLeave(w->MaskEdit21, "360.0");
    EXPECT_EQ(w->StatusMessage(), QStringLiteral(" Max. 359.9"));
    EXPECT_TRUE(w->MaskEdit21->hasFocus());
    EXPECT_EQ(w.Leg(1).Course, 360.0);
    EXPECT_NEAR(w.Leg(1).EndLat, 1.005001, 1e-5); // north, on Airy
    w.TypeAndLeave(w->MaskEdit21, "359.9");
    EXPECT_EQ(w->StatusMessage(), QString());
    EXPECT_EQ(w.Leg(1).Course, 359.9);
}

TEST(Form1Legs, CoursesShowAsTypedInTheFieldAndOnThePage)
{
    const struct {
        const char* typed;
        const char* page; // the leg's row begins so
        const char* status;
        bool north;
    } cases[] = {
        {"000.0", "0.0", "", true}, // north is 000, never 360
        {"359.9", "359.9", "", true},
        {"360.0", "360.0", " Max. 359.9", true},
        {"180.0", "180.0", "", false},
    };
    for (const auto& c : cases) {
        Window w;
        w.TypeAndLeave(w->MaskEdit16, "10.0");
        w.TypeAndLeave(w->Maskedit11, "0600");
        w.TypeAndLeave(w->MaskEdit21, c.typed);
        EXPECT_EQ(w->MaskEdit21->text(), QString::fromLatin1(c.typed));
        EXPECT_EQ(w->StatusMessage(), QString::fromLatin1(c.status)) << c.typed;
        EXPECT_EQ(w.Leg(1).EndLat > 0, c.north) << c.typed;
        const QString page = testsupport::PrintFromTheMenu();
        EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("\\n *%1 +10\\.0 +06:00 ")
                                                         .arg(QRegularExpression::escape(QString::fromLatin1(c.page))))))
            << c.typed << "\n" << page.toStdString();
    }
}

TEST(Form1Legs, UntouchedFieldsStoreZeroSilently)
{
    Window w;
    w.TypeAndLeave(w->MaskEdit21, "045.0");
    w.TypeAndLeave(w->MaskEdit16, "12.0");
    testsupport::Enter(w->MaskEdit22);
    testsupport::Tab(w->MaskEdit22);
    testsupport::Tab(w->MaskEdit17);
    EXPECT_EQ(w.Leg(2).Course, 0.0);
    EXPECT_EQ(w.Leg(2).Speed, 0.0);
    EXPECT_EQ(w->StatusMessage(), QString());
    EXPECT_TRUE(w.errors.messages.isEmpty());
}

TEST(Form1Legs, IntervalsTakeMinutesAsTheyStand)
{
    Window w;
    w.TypeAndLeave(w->Maskedit11, "0175");
    EXPECT_EQ(w.Leg(1).Interval, 2.25);
    EXPECT_EQ(w.Leg(1).IntervalText, "01:75");
    EXPECT_EQ(w->Maskedit11->Text(), "01:75");
    w.TypeAndLeave(w->Maskedit12, "1 3 ");
    EXPECT_EQ(w->Maskedit12->Text(), "10:30");
    EXPECT_EQ(w.Leg(2).Interval, 10.5);
    w.TypeAndLeave(w->Maskedit13, "9999");
    EXPECT_DOUBLE_EQ(w.Leg(3).Interval, 100.65);
}

TEST(Form1Legs, SignsInIntervalsAreReportedAndNotStored)
{
    Window w;
    w.TypeAndLeave(w->Maskedit11, "1-00");
    ASSERT_EQ(w.errors.messages.size(), 1);
    EXPECT_EQ(w.errors.messages[0], QStringLiteral("'1-' is not a valid integer value"));
    EXPECT_EQ(w.Leg(1).Interval, 0.0);
    w.TypeAndLeave(w->Maskedit11, "-100");
    ASSERT_EQ(w.errors.messages.size(), 2);
    EXPECT_EQ(w.errors.messages[1], QStringLiteral("Range check error"));
    EXPECT_EQ(w->Maskedit11->Text(), "-1:00");
    EXPECT_EQ(w.Leg(1).Interval, 0.0);
}

TEST(Form1Legs, SpeedAndIntervalLeaveAMessageStanding)
{
    // A course beyond the limit takes the focus back whenever it is left,
    // so the other handlers are driven directly here.
    Window w;
    w.TypeAndLeave(w->MaskEdit21, "400.0");
    ASSERT_EQ(w->StatusMessage(), QStringLiteral(" Max. 359.9"));
    EXPECT_TRUE(w->MaskEdit21->hasFocus());
    w->MaskEdit16->SetText("12.5");
    w->MaskEdit16Exit();
    w->Maskedit11->SetText("01:30");
    w->MaskEdit11Exit();
    w->TimePicker->SetText("08:00");
    w->TimePickerExit();
    EXPECT_EQ(w->StatusMessage(), QStringLiteral(" Max. 359.9"));
    EXPECT_EQ(w.Leg(1).Speed, 12.5);
    EXPECT_EQ(w.Leg(1).Interval, 1.5);
    w->lat_edit->SetText(testsupport::T("12*00'00"));
    w->lat_editExit();
    EXPECT_EQ(w->StatusMessage(), QString()); // a position entry clears it
}

TEST(Form1Legs, DepartureTimeAndDateCarryIntoTheArrival)
{
    Window w;
    w->DatePicker->setDate(QDate(2024, 2, 28));
    w.TypeAndLeave(w->TimePicker, "2330");
    w.TypeAndLeave(w->Maskedit11, "0100");
    EXPECT_EQ(w->Plan().Departure.Seconds, 23 * 3600 + 30 * 60);
    EXPECT_EQ(w->Label29->text(), QStringLiteral("00:30"));
    EXPECT_EQ(w->Label24->text().mid(0, 2), QStringLiteral("29"));
}

TEST(Form1Legs, EllipsoidChoiceRecomputes)
{
    Window w;
    w.TypeAndLeave(w->MaskEdit16, "10.0");
    w.TypeAndLeave(w->Maskedit11, "0600");
    EXPECT_NEAR(w.Leg(1).EndLat, 1.005001, 1e-5); // Airy
    w->ComboBox1->setCurrentIndex(22);
    w->ComboBox1Change();
    EXPECT_NEAR(w.Leg(1).EndLat, 1.004934, 1e-5); // WGS 84
    EXPECT_EQ(w->Plan().CurrentEllipsoid.a, 6378137.0);
}

TEST(Form1Legs, PoleStopsAtTheLegAndIsReported)
{
    Window w;
    w.TypeAndLeave(w->lat_edit, "80*00'00");
    w.TypeAndLeave(w->MaskEdit16, "10.0");
    w.TypeAndLeave(w->Maskedit11, "0100");
    w.TypeAndLeave(w->MaskEdit18, "10.0");
    w.TypeAndLeave(w->Maskedit13, "0100");
    w.TypeAndLeave(w->MaskEdit17, "99.9");
    w.TypeAndLeave(w->Maskedit12, "9999");
    ASSERT_FALSE(w.errors.messages.isEmpty());
    EXPECT_EQ(w.errors.messages.back(), QStringLiteral("Invalid floating point operation"));
    EXPECT_EQ(w->StatusMessage(), QStringLiteral("Leg 2 passes a pole"));
    // Leg 2 and the legs after it show no figures; leg 1 shows its own.
    EXPECT_NEAR(w.Leg(1).EndLat, 80 + 10 / 60.0, 0.01);
    EXPECT_NE(w->Label7->text(), Q("--*--'--"));
    for (QLabel* lat : {w->Label8, w->Label9, w->Label11})
        EXPECT_EQ(lat->text(), Q("--*--'--"));
    EXPECT_EQ(w->Label14->text(), Q("---*--'--"));
    for (QLabel* arrival : {w->Label25, w->Label26, w->Label30, w->Label31})
        EXPECT_TRUE(arrival->text().isEmpty());
    EXPECT_FALSE(w.Leg(2).Computed);
    EXPECT_FALSE(w.Leg(5).Computed);

    // The next computation that gets through shows every figure again.
    w.TypeAndLeave(w->Maskedit12, "0100");
    EXPECT_NE(w->Label9->text(), Q("--*--'--"));
    EXPECT_FALSE(w->Label31->text().isEmpty());
    EXPECT_EQ(w->StatusMessage(), QString());
    EXPECT_TRUE(w.Leg(5).Computed);
}

// The twenty result texts as they stand.
QStringList Results(const Window& w)
{
    QStringList texts;
    for (QLabel* label : {w->Label7, w->Label8, w->Label9, w->Label10, w->Label11, w->Label12, w->Label14, w->Label15,
                          w->Label16, w->Label17, w->Label24, w->Label25, w->Label26, w->Label27, w->Label28,
                          w->Label29, w->Label30, w->Label31, w->Label32, w->Label33})
        texts.append(label->text());
    return texts;
}

// Each input, changed as a user changes it, recomputes the voyage: some
// result on the screen moves.
TEST(Form1Inputs, EveryInputRecomputesTheVoyage)
{
    using testsupport::ClickIntoStart;
    using testsupport::Key;
    using testsupport::Type;
    Window w;
    ClickIntoStart(w->MaskEdit21);
    for (int leg = 1; leg <= 5; ++leg) { // course, speed, interval, row by row
        Type("0450");
        Key(Qt::Key_Tab);
        Type("100");
        Key(Qt::Key_Tab);
        Type("0100");
        Key(Qt::Key_Tab);
    }
    const auto typeInto = [](QWidget* field, const char* text) {
        return [field, text] {
            ClickIntoStart(field);
            Type(text);
            Key(Qt::Key_Tab);
        };
    };
    const auto click = [](QAbstractButton* button) { return [button] { QTest::mouseClick(button, Qt::LeftButton); }; };
    const std::vector<std::pair<std::string, std::function<void()>>> inputs = {
        {"start latitude", typeInto(w->lat_edit, "510000")},
        {"its hemisphere", [&] { QTest::mouseClick(w->NorS, Qt::LeftButton); }},
        {"start longitude", typeInto(w->lon_edit, "0050000")},
        {"its hemisphere", [&] { QTest::mouseClick(w->EorW, Qt::LeftButton); }},
        {"departure date", [&] {
             ClickIntoStart(w->DatePicker);
             Key(Qt::Key_Up);
         }},
        {"departure time", typeInto(w->TimePicker, "1030")},
        {"ellipsoid", [&] { // the sphere: Airy's neighbours differ by less than a shown digit here
             ClickIntoStart(w->TimePicker);
             Key(Qt::Key_Tab);
             Key(Qt::Key_End);
             Key(Qt::Key_Up);
         }},
        {"display format", click(w->RadioGroup1->Item(1))},
        {"leg 1 course", typeInto(w->MaskEdit21, "0900")},  {"leg 1 speed", typeInto(w->MaskEdit16, "120")},
        {"leg 1 interval", typeInto(w->Maskedit11, "0200")}, {"leg 2 course", typeInto(w->MaskEdit22, "1800")},
        {"leg 2 speed", typeInto(w->MaskEdit17, "120")},     {"leg 2 interval", typeInto(w->Maskedit12, "0200")},
        {"leg 3 course", typeInto(w->MaskEdit23, "2700")},  {"leg 3 speed", typeInto(w->MaskEdit18, "120")},
        {"leg 3 interval", typeInto(w->Maskedit13, "0200")}, {"leg 4 course", typeInto(w->MaskEdit24, "3000")},
        {"leg 4 speed", typeInto(w->MaskEdit19, "120")},     {"leg 4 interval", typeInto(w->Maskedit14, "0200")},
        {"leg 5 course", typeInto(w->MaskEdit25, "0100")},  {"leg 5 speed", typeInto(w->MaskEdit20, "120")},
        {"leg 5 interval", typeInto(w->maskedit15, "0200")},
    };
    for (const auto& [name, change] : inputs) {
        const QStringList before = Results(w);
        change();
        EXPECT_NE(Results(w), before) << name;
    }
    EXPECT_EQ(w->ComboBox1->currentText(), QStringLiteral("Stand.Sphere"));
    EXPECT_TRUE(w.errors.messages.isEmpty());
    EXPECT_EQ(w->StatusMessage(), QString());
}

TEST(Form1Legs, DatePickerOffersOnlyCountableDates)
{
    Window w;
    EXPECT_EQ(w->DatePicker->minimumDate(), QDate(1600, 1, 1));
    EXPECT_EQ(w->DatePicker->maximumDate(), QDate(3999, 12, 31));
    w->DatePicker->setDate(QDate(1500, 6, 1));
    EXPECT_EQ(w->DatePicker->date(), QDate(1600, 1, 1));
    EXPECT_TRUE(w.errors.messages.isEmpty());
}

TEST(Form1Legs, ExitClosesAndRestoresTheSeparator)
{
    const char locale = platform::DecimalSeparator();
    platform::SetDecimalSeparator(',');
    Window w;
    w->FileExitItem->trigger();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(platform::DecimalSeparator(), ',');
    platform::SetDecimalSeparator(locale);
}

} // namespace
