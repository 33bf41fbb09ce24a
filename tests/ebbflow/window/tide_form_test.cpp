// The tides window, typed into with real keys: stations picked by name and
// by position, days, spans, zones and units, held against the command line
// asked the same; refusals; the height at a time; keyboard, screen reader
// and dark scheme.
#include "ebbflow/window/tide_curve.h"
#include "platform/module/position_entry.h"
#include "platform/widgets/edit.h"
#include "platform/widgets/mask_edit.h"
#include "tide_window_support.h"

#include <QComboBox>
#include <QCompleter>
#include <QLabel>

namespace {

using namespace tidetest;
using Mode = ebbflow::TTideForm::Mode;

QString Result(const ebbflow::TTideForm& w, const char* objectName)
{
    return w.findChild<QLabel*>(QString::fromLatin1(objectName))->text();
}

TEST(TideForm, TypedStationsDaysAndZonesShowTheCommandLinesEvents)
{
    ErrorRecorder errors;
    const struct {
        Mode mode;
        QString station;   // typed into the name, or "lat|N|lon|W" into the position
        bool complete;     // the first completion picked with Down and Return
        QDate day;
        int span;          // Down presses in the span list
        QString zone;      // typed into the zone list; empty for the station's
        bool metres;
        std::vector<std::string> words;
    } cases[] = {
        {Mode::Tides, "the battery, new york", false, {2024, 3, 10}, 0, {}, false,
         {"--station", "The Battery, New York", "--from", "2024-03-10"}},
        {Mode::Tides, "makena", true, {2024, 11, 3}, 2, "UTC", true,
         {"--station", "makena", "--from", "2024-11-01", "--days", "30", "--zone", "UTC", "--units", "m"}},
        {Mode::Tides, "Honolulu, Honolulu", false, {2024, 3, 9}, 1, "Europe/London", false,
         {"--station", "Honolulu, Honolulu", "--from", "2024-03-09", "--days", "7", "--zone", "Europe/London"}},
        {Mode::Streams, "Hell Gate (off", false, {2024, 3, 10}, 0, "Nautical", false,
         {"STR", "--station", "Hell Gate (off", "--from", "2024-03-10", "--zone", "ZT"}},
        {Mode::Streams, "404680|N|0735640|W", false, {2024, 3, 10}, 0, {}, false,
         {"STR", "--near", "40\u00b046'80 N 073\u00b056'40 W", "--from", "2024-03-10"}},
    };
    for (const auto& c : cases) {
        const auto w = Window(c.mode);
        if (c.station.contains('|')) {
            const QStringList typed = c.station.split('|');
            TypeAndLeave(w->Near.Lat, typed[0]);
            TypeAndLeave(w->Near.NorS, typed[1]);
            TypeAndLeave(w->Near.Lon, typed[2]);
            TypeAndLeave(w->Near.EorW, typed[3]);
        } else if (c.complete) {
            Enter(w->StationName);
            w->StationName->selectAll();
            QTest::keyClicks(w->StationName, c.station);
            ASSERT_TRUE(w->Completer->popup()->isVisible());
            QTest::keyClick(w->Completer->popup(), Qt::Key_Down);
            QTest::keyClick(w->Completer->popup(), Qt::Key_Return);
            ShowActive(*w);
            Tab(w->StationName);
        } else {
            TypeAndLeave(w->StationName, c.station);
        }
        TypeDate(w->Day, c.day);
        Enter(w->SpanBox);
        for (int i = 0; i < c.span; ++i)
            Press(QStringLiteral("<Down>"));
        if (!c.zone.isEmpty())
            TypeInto(w->ZoneBox, c.zone);
        if (c.metres) {
            Enter(w->UnitsBox);
            Press(QStringLiteral("<Down>"));
        }
        const std::string out = CommandLine(c.words);
        EXPECT_EQ(w->StationName->text(), CommandLineLine(out, QStringLiteral("Station")));
        EXPECT_EQ(Rows(w->Events), CommandLineRows(out)) << c.words[1];
        EXPECT_GT(w->Events->rowCount(), 3);
        EXPECT_EQ(Result(*w, "Times"), CommandLineLine(out, QStringLiteral("Times")));
        for (const char* line : {"Kind", "Position", "Nearest to", "Reference station", "Datum", "Directions"}) {
            const auto* label = w->findChild<QLabel*>(QString::fromLatin1(line).remove(' '));
            if (label) {
                EXPECT_EQ(label->text(), CommandLineLine(out, QString::fromLatin1(line))) << line;
                EXPECT_EQ(label->accessibleDescription(), label->text()); // heard with its value
            }
        }
        EXPECT_EQ(w->Notice->text(), QString::fromStdString(out).trimmed().section('\n', -1)); // the data's notice
        // The curve draws those days and those events.
        EXPECT_EQ(w->Curve->Data().Events.size(), w->ShownEvents().size());
        EXPECT_FALSE(w->Curve->Data().Values.Points.empty());
    }
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
}

TEST(TideForm, WhatCannotBeShownIsSaidAndTheWindowKeepsItsStation)
{
    ErrorRecorder errors;
    const auto w = Window(Mode::Tides);
    TypeAndLeave(w->StationName, QStringLiteral("The Battery, New York"));
    const ebbflow::Station* battery = w->CurrentStation();
    const struct {
        QString station;
        QDate day;
        QString status;
    } cases[] = {
        {"Atlantis", {}, "No station's name holds 'Atlantis'"},
        {"kaunakakai", {},
         "'kaunakakai' fits 2 stations: Kaunakakai Harbor, Molokai Island, Hawaii; Kaunakakai Harbor, Molokai Island, Hawaii (sub)"},
        {"Hell Gate (off Mill Rock)", {}, "No station's name holds 'Hell Gate (off Mill Rock)'"}, // a stream: not in the tides window
        {{}, {2101, 1, 1}, "The tide data cover the years 1700 to 2100; 2101 is not one of them"},
    };
    for (const auto& c : cases) {
        if (!c.station.isEmpty())
            TypeAndLeave(w->StationName, c.station);
        if (c.day.isValid())
            TypeDate(w->Day, c.day);
        EXPECT_EQ(w->StatusMessage->text(), c.status);
        EXPECT_EQ(w->CurrentStation(), battery);
    }
    EXPECT_EQ(w->Events->rowCount(), 0); // no predictions for 2101
    TypeDate(w->Day, {2024, 3, 10});
    EXPECT_EQ(w->StatusMessage->text(), QString());
    EXPECT_EQ(w->Events->rowCount(), 4);
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
}

TEST(TideForm, HeightOrStreamAtTheTimeTyped)
{
    ErrorRecorder errors;
    const struct {
        Mode mode;
        QString station, time;
        QDate day;
        std::vector<std::string> words; // the command line's --at for the same; none for a refusal
        QString shown;
    } cases[] = {
        {Mode::Tides, "Honolulu, Honolulu", "120000", {2024, 3, 10}, {"--station", "Honolulu, Honolulu", "--at", "2024-03-10T12:00"}, {}},
        {Mode::Streams, "Baltimore Harbor Approach", "105100", {2024, 3, 10},
         {"STR", "--station", "Baltimore Harbor Approach", "--at", "2024-03-10T10:51:00"}, {}},
        {Mode::Tides, "The Battery, New York", "023000", {2024, 3, 10}, {},
         "2024-03-10T02:30:00 does not exist in America/New_York: the clocks went forward from 02:00:00 to 03:00:00"},
        {Mode::Tides, "Makena", "120000", {2024, 3, 10}, {},
         "Makena, Maui Island, Hawaii is a subordinate station: it is predicted at its high and low waters only"},
    };
    for (const auto& c : cases) {
        const auto w = Window(c.mode);
        TypeAndLeave(w->StationName, c.station);
        TypeDate(w->AtDate, c.day);
        TypeAndLeave(w->AtTime.Field, c.time);
        const QString expected = c.words.empty()
                                     ? c.shown
                                     : CommandLineLine(CommandLine(c.words), c.mode == Mode::Streams ? QStringLiteral("Stream")
                                                                                                      : QStringLiteral("Height"));
        EXPECT_EQ(w->AtResult->text(), expected);
        EXPECT_EQ(w->AtResult->accessibleDescription(), w->AtResult->text());
    }
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
}

TEST(TideForm, KeyboardCompleteNamedAndReadableInTheDark)
{
    ErrorRecorder errors;
    for (const Mode mode : {Mode::Tides, Mode::Streams}) {
        const auto w = Window(mode);
        EXPECT_EQ(w->windowTitle(), mode == Mode::Tides ? QStringLiteral("Tides") : QStringLiteral("Tidal Streams"));
        // Tab walks every control, top to bottom.
        Enter(w->StationName);
        std::vector<QWidget*> expected{w->StationName, w->Near.Lat, w->Near.NorS, w->Near.Lon, w->Near.EorW, w->Day,
                                       w->SpanBox, w->ZoneBox};
        if (mode == Mode::Tides)
            expected.push_back(w->UnitsBox);
        for (QWidget* control : {static_cast<QWidget*>(w->Events), static_cast<QWidget*>(w->AtDate), static_cast<QWidget*>(w->AtTime.Field)})
            expected.push_back(control);
        for (std::size_t i = 1; i < expected.size(); ++i) {
            Tab(QApplication::focusWidget());
            EXPECT_EQ(QApplication::focusWidget(), expected[i]) << i;
        }
        // The captions' access keys reach their fields.
        const struct {
            Qt::Key key;
            QWidget* field;
        } keys[] = {{Qt::Key_S, w->StationName}, {Qt::Key_D, w->Day}, {Qt::Key_P, w->SpanBox}, {Qt::Key_Z, w->ZoneBox},
                    {Qt::Key_E, w->Events}, {Qt::Key_A, w->AtDate}};
        for (const auto& k : keys) {
            Enter(w->AtTime.Field);
            QTest::keyClick(w->AtTime.Field, k.key, Qt::AltModifier);
            EXPECT_EQ(QApplication::focusWidget(), k.field) << k.key;
        }
        // A screen reader hears every control by its name.
        const auto names = AccessibleNames(w.get());
        const QString kind = mode == Mode::Tides ? QStringLiteral("Height") : QStringLiteral("Stream");
        for (const auto& [control, name] :
             std::vector<std::pair<QObject*, QString>>{{w->StationName, "Station"},
                                                      {w->Near.Lat, "Nearest to latitude"},
                                                      {w->Day, "Day"},
                                                      {w->SpanBox, "Span"},
                                                      {w->ZoneBox, "Zone"},
                                                      {w->Events, mode == Mode::Tides ? "High and low waters" : "Slack waters and strongest streams"},
                                                      {w->Curve, mode == Mode::Tides ? "Tide curve" : "Stream curve"},
                                                      {w->AtDate, kind + " at date"},
                                                      {w->AtTime.Field, kind + " at time"},
                                                      {w->AtResult, kind},
                                                      {w->Notice, "Notice"}})
            EXPECT_EQ(names.count(control) ? names.at(control) : QStringLiteral("(not reached)"), name);
        // The curve is described, with the present marked while it falls inside.
        TypeAndLeave(w->StationName, mode == Mode::Tides ? QStringLiteral("The Battery, New York") : QStringLiteral("Hell Gate (off"));
        TypeDate(w->Day, {2024, 3, 10});
        const QString heard = w->Curve->accessibleDescription();
        EXPECT_TRUE(heard.startsWith(kind + QStringLiteral(" from Sun 2024-03-10 00:00 EST to Mon 2024-03-11 00:00 EDT")))
            << heard.toStdString();
        EXPECT_TRUE(heard.endsWith(QStringLiteral("the present time, 03:00 EDT, marked"))) << heard.toStdString();
        TypeDate(w->Day, {2024, 3, 11});
        EXPECT_FALSE(w->Curve->accessibleDescription().contains(QStringLiteral("present")));
        {
            DarkDesktop dark;
            ExpectReadable(*w);
            const QImage drawn = w->Curve->grab().toImage();
            EXPECT_EQ(drawn.pixelColor(drawn.width() - 2, 2), QColor(Qt::white)); // a chart's paper, as printed
        }
    }
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
}

} // namespace
