// What the window computes from is what the user typed and sees: dates
// typed digit by digit, pastes from every route, refused entries abandoned
// with Escape, a pole stop that does not swallow typing, start positions
// that keep their digits through the formats.
#include "form1_test_support.h"

#include "geo/angle_text.h"

#include <QAbstractButton>
#include <QAccessibleInterface>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <gtest/gtest.h>

#include <functional>

namespace {

using testsupport::ClickIntoStart;
using testsupport::Focus;
using testsupport::Key;
using testsupport::Press;
using testsupport::Q;
using testsupport::T;
using testsupport::Type;
using testsupport::Window;

// The keys of a date typed into the departure field, its parts in the order
// the field shows them, with `separator` between them.
QString DateKeys(const Window& w, const QString& day, const QString& month, const QString& year,
                 const QString& separator = {})
{
    const QString format = w->DatePicker->displayFormat();
    std::vector<std::pair<qsizetype, QString>> parts = {
        {format.indexOf(QRegularExpression(QStringLiteral("(?<!d)dd?(?!d)"))), day},
        {format.indexOf(QLatin1Char('M')), month},
        {format.indexOf(QLatin1Char('y')), year},
    };
    std::sort(parts.begin(), parts.end());
    return parts[0].second + separator + parts[1].second + separator + parts[2].second;
}

QString ArrivalDate(const QString& ddmmyyyy)
{
    QString text = ddmmyyyy;
    return text.replace(QLatin1Char('/'), QLatin1Char(platform::LocaleDateSeparator()));
}

TEST(Form1Entries, DepartureIsTheDateTypedDigitByDigit)
{
    const struct {
        const char *day, *month, *year, *separator;
        const char* arrival; // of leg 1, an empty leg
    } cases[] = {
        {"29", "02", "2028", "", "29/02/2028"},
        {"31", "12", "2026", "", "31/12/2026"},
        {"05", "07", "2030", "/", "05/07/2030"},
        {"5", "7", "2030", "/", "05/07/2030"},
    };
    for (const auto& c : cases) {
        Window w;
        ClickIntoStart(w->DatePicker);
        Press(DateKeys(w, QString::fromLatin1(c.day), QString::fromLatin1(c.month), QString::fromLatin1(c.year),
                       QString::fromLatin1(c.separator)));
        Key(Qt::Key_Tab);
        EXPECT_EQ(Focus(), w->TimePicker) << c.arrival;
        EXPECT_EQ(w->Label24->text(), ArrivalDate(QString::fromLatin1(c.arrival))) << c.arrival;
        EXPECT_TRUE(w.errors.messages.isEmpty()) << c.arrival;
    }

    // A date that does not exist is refused, naming what was typed.
    Window w;
    ClickIntoStart(w->DatePicker);
    Press(DateKeys(w, QStringLiteral("15"), QStringLiteral("03"), QStringLiteral("2027")));
    Press(QStringLiteral("<Home>") + DateKeys(w, QStringLiteral("29"), QStringLiteral("02"), QStringLiteral("2027")));
    Key(Qt::Key_Tab);
    ASSERT_EQ(w.errors.messages.size(), 1);
    EXPECT_TRUE(w.errors.messages[0].contains(ArrivalDate(QStringLiteral("29/02/2027")))) << w.errors.messages[0].toStdString();
    EXPECT_EQ(Focus(), w->DatePicker);
    Key(Qt::Key_Escape);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Focus(), w->TimePicker);
    EXPECT_NE(w->Label24->text(), ArrivalDate(QStringLiteral("29/02/2027")));
}

TEST(Form1Entries, VoyageFollowsTheDateOnlyWhileTheFieldShowsOne)
{
    QTemporaryDir dir;
    testsupport::Answers answers;
    const struct {
        const char *day, *month, *year;
        const char* departure; // of the voyage while the field shows what was typed
    } cases[] = {
        {"29", "02", "2027", "15/06/2026"}, // no 29 June 2026 put together on the way
        {"15", "03", "27", "15/06/2026"},   // a year of two digits is none yet
        {"15", "03", "2027", "15/03/2027"},
    };
    for (const auto& c : cases) {
        Window w;
        w->DatePicker->setDate(QDate(2026, 6, 15));
        ClickIntoStart(w->DatePicker);
        Press(DateKeys(w, QString::fromLatin1(c.day), QString::fromLatin1(c.month), QString::fromLatin1(c.year)));
        const QString departure = ArrivalDate(QString::fromLatin1(c.departure));
        EXPECT_EQ(w->Label24->text(), departure) << c.day << c.month << c.year;
        Key(Qt::Key_Tab); // refused, or taken
        EXPECT_EQ(w->Label24->text(), departure) << c.day << c.month << c.year;
        // The page and the file hold the same date as the figures.
        EXPECT_TRUE(testsupport::PrintFromTheMenu().contains(QStringLiteral("Dead Reckoning : ") + departure))
            << c.day << c.month << c.year;
        answers.fileName = dir.filePath(QString::fromLatin1(c.year));
        Key(Qt::Key_S, Qt::ControlModifier);
        QFile saved(w->VoyageFile());
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        const QStringList ddmmyyyy = QString::fromLatin1(c.departure).split('/');
        EXPECT_TRUE(saved.readAll().contains(
            QStringLiteral("departure-date = %1-%2-%3\n").arg(ddmmyyyy[2], ddmmyyyy[1], ddmmyyyy[0]).toUtf8()))
            << c.day << c.month << c.year;
    }
}

// A paste however it arrives, into a field entered by a click at its middle,
// where one aims.
using Paste = std::function<void(QLineEdit*, const QString&)>;

const std::pair<const char*, Paste> PasteRoutes[] = {
    {"Ctrl+V",
     [](QLineEdit* field, const QString& text) {
         QApplication::clipboard()->setText(text);
         QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
     }},
    {"Shift+Insert",
     [](QLineEdit* field, const QString& text) {
         QApplication::clipboard()->setText(text);
         QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
     }},
    {"context menu",
     [](QLineEdit* field, const QString& text) {
         QApplication::clipboard()->setText(text);
         const QPoint at = field->rect().center(); // where the right button asks for it
         QContextMenuEvent menuAsked(QContextMenuEvent::Mouse, at, field->mapToGlobal(at));
         QApplication::sendEvent(field, &menuAsked);
         if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
             QTest::keyClick(menu, Qt::Key_P);
         // The offscreen platform leaves the closed menu the active window;
         // a desktop gives the activation back.
         QApplication::processEvents();
         if (QApplication::activeWindow() != field->window())
             testsupport::ShowActive(*field->window());
     }},
    {"middle click",
     [](QLineEdit* field, const QString& text) {
         QApplication::clipboard()->setText(text, QClipboard::Selection);
         QTest::mouseClick(field, Qt::MiddleButton, {}, field->rect().center());
     }},
};

TEST(Form1Entries, PasteFromEveryRouteGoesThroughTheMask)
{
    const struct {
        const char* field;
        const char* pasted;
        const char* shown;
        double stored;
    } cases[] = {
        {"MaskEdit21", "180.0", "180.0", 180.0},
        {"MaskEdit21", " 1800\n", "180.0", 180.0},
        {"MaskEdit16", "99.0", "99.0", 99.0},
        {"MaskEdit21", "18x", "090.0", 90.0},
        {"MaskEdit16", "123.0", "10.0", 10.0},
    };
    const bool selection = QApplication::clipboard()->supportsSelection();
    for (const auto& [route, paste] : PasteRoutes) {
        if (route == std::string("middle click") && !selection)
            continue; // no X selection on this platform: the test under X covers it
        for (const auto& c : cases) {
            Window w;
            w.TypeAndLeave(w->MaskEdit21, "0900");
            w.TypeAndLeave(w->MaskEdit16, "100");
            auto* field = w->findChild<platform::MaskEdit*>(QString::fromLatin1(c.field));
            QTest::mouseClick(field, Qt::LeftButton, {}, field->rect().center());
            paste(field, QString::fromLatin1(c.pasted));
            QApplication::processEvents();
            EXPECT_EQ(field->Text(), c.shown) << route << " " << c.pasted;
            Key(Qt::Key_Tab);
            EXPECT_EQ(field->text(), QString::fromLatin1(c.shown)) << route << " " << c.pasted; // as held
            const legplot::Leg& leg = w.Leg(1);
            EXPECT_EQ(field == w->MaskEdit21 ? leg.Course : leg.Speed, c.stored) << route << " " << c.pasted;
        }
    }
}

TEST(Form1Entries, EscapeAfterARefusedPositionBringsBackWhatIsStored)
{
    Window w;
    ClickIntoStart(w->lat_edit);
    Type("5230");
    Key(Qt::Key_Tab);
    ClickIntoStart(w->lat_edit);
    Type("9230");
    Key(Qt::Key_Tab);
    ASSERT_EQ(w->StatusMessage(), QStringLiteral("Wrong Degrees "));
    Key(Qt::Key_Escape);
    EXPECT_EQ(w->lat_edit->Text(), T("52*30'00"));

    // The user has abandoned the entry: a click into the longitude stays.
    ClickIntoStart(w->lon_edit);
    EXPECT_EQ(Focus(), w->lon_edit);
    Type("00415");
    Key(Qt::Key_Tab);
    EXPECT_EQ(w->Plan().StartLat, 52.5);
    EXPECT_EQ(w->Plan().StartLon, 4.25);
    EXPECT_EQ(w->StatusMessage(), QString());
}

TEST(Form1Entries, APoleStopIsReportedOnceAndSwallowsNoKeys)
{
    Window w;
    ClickIntoStart(w->lat_edit);
    Type("800000");
    Key(Qt::Key_Tab);
    ClickIntoStart(w->MaskEdit21);
    Press(QStringLiteral("0000<Tab>999<Tab>9999<Tab>")); // leg 1 runs past the pole
    ASSERT_EQ(w.errors.messages, QStringList{QStringLiteral("Invalid floating point operation")});
    EXPECT_EQ(w->StatusMessage(), QStringLiteral("Leg 1 passes a pole"));

    // Every further run stops at the same leg: the status bar says so.
    ClickIntoStart(w->DatePicker);
    Press(QStringLiteral("<Up><Up><Tab>0900<Tab><Down><Down>"));
    EXPECT_EQ(w->ComboBox1->currentIndex(), 2);
    EXPECT_EQ(w->TimePicker->Text(), "09:00");
    QTest::mouseClick(w->RadioGroup1->Item(1), Qt::LeftButton); // DMS
    EXPECT_EQ(w->RadioGroup1->ItemIndex(), 1);
    EXPECT_EQ(w->lat_edit->Text(), T("80*00'00\""));
    EXPECT_EQ(w.errors.messages.size(), 1);
    EXPECT_EQ(w->StatusMessage(), QStringLiteral("Leg 1 passes a pole"));

    // Another leg, or the same one after a run got through: reported again.
    const struct {
        const char* field;
        const char* keys;
        const char* status;
        int reports;
    } steps[] = {
        {"Maskedit11", "0100<Tab><Tab>999<Tab>9999<Tab>", "Leg 2 passes a pole", 2},
        {"Maskedit11", "9999<Tab>", "Leg 1 passes a pole", 3},
        {"Maskedit11", "9999<Tab>", "Leg 1 passes a pole", 3},
        {"Maskedit12", "0000<Tab>", "Leg 1 passes a pole", 3},
        {"Maskedit11", "0100<Tab>", "", 3},
        {"Maskedit11", "9999<Tab>", "Leg 1 passes a pole", 4},
    };
    for (const auto& step : steps) {
        ClickIntoStart(w->findChild<QWidget*>(QString::fromLatin1(step.field)));
        Press(QString::fromLatin1(step.keys));
        EXPECT_EQ(w->StatusMessage(), QString::fromLatin1(step.status)) << step.field << " " << step.keys;
        EXPECT_EQ(w.errors.messages.size(), step.reports) << step.field << " " << step.keys;
    }
}

TEST(Form1Entries, StartPositionKeepsTheDigitsTypedInItsFormat)
{
    const struct {
        const char* field;
        const char* typed; // in DMS.sss
        const char* shown;
    } cases[] = {
        {"lon_edit", "1511230003", "151*12'30\"003"},
        {"lat_edit", "895959999", "89*59'59\"999"},
        {"lat_edit", "001234567", "00*12'34\"567"},
    };
    for (const auto& c : cases) {
        Window w;
        auto* field = w->findChild<platform::MaskEdit*>(QString::fromLatin1(c.field));
        const bool longitude = field == w->lon_edit;
        QTest::mouseClick(w->RadioGroup1->Item(2), Qt::LeftButton);
        ClickIntoStart(field);
        Type(c.typed);
        Key(Qt::Key_Tab);
        const double typed = longitude ? w->Plan().StartLon : w->Plan().StartLat;
        const QLabel* result = longitude ? w->Label12 : w->Label7; // leg 1 is empty: the start
        const QString resultText = result->text();
        for (int round = 0; round < 3; ++round) {
            QTest::mouseClick(w->RadioGroup1->Item(1), Qt::LeftButton); // DMS and back
            QTest::mouseClick(w->RadioGroup1->Item(2), Qt::LeftButton);
            EXPECT_EQ(field->Text(), T(c.shown)) << c.typed << " round " << round;
            ClickIntoStart(field);
            Key(Qt::Key_Tab);
            EXPECT_EQ(longitude ? w->Plan().StartLon : w->Plan().StartLat, typed) << c.typed << " round " << round;
            EXPECT_EQ(result->text(), resultText) << c.typed << " round " << round;
        }
        // The page shows the start as typed too.
        const QString page = testsupport::PrintFromTheMenu();
        EXPECT_TRUE(page.contains(Q(c.shown) + (longitude ? QStringLiteral(" E") : QStringLiteral(" N"))))
            << page.toStdString();
        EXPECT_TRUE(w.errors.messages.isEmpty());
    }
}

TEST(Form1Entries, ScreenReaderHearsTheEllipsoidListByItsName)
{
    Window w;
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(w->ComboBox1);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::ComboBox);
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Ellipsoid"));
    EXPECT_EQ(list->text(QAccessible::Value), QStringLiteral("Airy"));
    w->ComboBox1->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Down);
    EXPECT_EQ(list->text(QAccessible::Value), QStringLiteral("Airy Modified"));
}

} // namespace
