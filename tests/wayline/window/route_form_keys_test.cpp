// The route window driven by its keys alone: waypoints added, named,
// moved, inserted and deleted, a leg made a great circle and given a
// speed, the route's speed and departure typed; the leg table shows what
// the command line prints for the same route. A parallel that is none is
// refused; the window reads under a dark scheme and names everything for
// a screen reader; the chart draws the great circle as a curve.
#include "wayline/command_line/command_line.h"
#include "wayline/core/utc_time.h"
#include "wayline/files/gpx_write.h"
#include "wayline/window/route_chart.h"

#include "route_window.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <map>
#include <sstream>

namespace {

using routetest::Alt;
using routetest::Key;
using routetest::Type;
using wayline::TRouteForm;

// What the command line prints of the window's route, by name.
std::map<std::string, QString> CommandLineSays(const wayline::Route& route)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("route.gpx"));
    QFile out(file);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(wayline::WriteGpx({wayline::GpxRouteOf(route)}));
    out.close();
    std::string text, err;
    // The command line counts its ETAs from --departure alone.
    std::vector<std::string> words;
    if (route.Departure)
        words = {"--departure", wayline::UtcText(*route.Departure)};
    words.insert(words.end(), {"--", file.toStdString()});
    EXPECT_EQ(wayline::RunCommandLine(words, text, err), 0) << err;
    std::map<std::string, QString> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines[line.substr(0, line.find(": "))] = QString::fromUtf8(line.substr(line.find(": ") + 2));
    return lines;
}

TEST(RouteForm, ARouteLaidDownWithKeysShowsWhatTheCommandLineSays)
{
    routetest::Window w;
    w.Add("Plymouth", "502155", "N", "0040856", "W");
    w.Add("Nantucket", "410000", "N", "0693000", "W");
    w.Add("Brest", "482280", "N", "0042940", "W");
    EXPECT_EQ(w.Names(), QStringList({"Plymouth", "Nantucket", "Brest"}));

    // Brest before Nantucket: Move Up from the button's key, twice; the
    // first waypoint moves no further.
    Alt(Qt::Key_U);
    EXPECT_EQ(w.Names(), QStringList({"Plymouth", "Brest", "Nantucket"}));
    EXPECT_EQ(w->WaypointName->text(), QStringLiteral("Brest")); // the waypoint moved stays selected
    Alt(Qt::Key_U);
    EXPECT_EQ(w.Names(), QStringList({"Brest", "Plymouth", "Nantucket"}));
    EXPECT_FALSE(w->UpButton->isEnabled());
    Alt(Qt::Key_N);
    EXPECT_EQ(w.Names(), QStringList({"Plymouth", "Brest", "Nantucket"}));

    // Inserted before the selected, where it is; then deleted again.
    Alt(Qt::Key_W);
    Key(Qt::Key_Down);
    EXPECT_EQ(w->WaypointName->text(), QStringLiteral("Nantucket"));
    Alt(Qt::Key_I);
    EXPECT_EQ(w.Names(), QStringList({"Plymouth", "Brest", "WP3", "Nantucket"}));
    EXPECT_EQ(w->Waypoints->item(2, 1)->text(), routetest::Q("41*00'00 N"));
    EXPECT_EQ(QApplication::focusWidget(), w->Position.Lat); // its position is typed next
    Alt(Qt::Key_D);
    EXPECT_EQ(w.Names(), QStringList({"Plymouth", "Brest", "Nantucket"}));

    // Leg 2 across the ocean a great circle at 12.5 kn; the route at 6 kn
    // from 15 June 2027, 06:30 UTC.
    Alt(Qt::Key_L);
    Key(Qt::Key_Down);
    Alt(Qt::Key_K);
    Key(Qt::Key_Down);
    EXPECT_EQ(w.Cell(2, TRouteForm::KindColumn), QStringLiteral("great circle"));
    Alt(Qt::Key_P);
    Type("12.5");
    Key(Qt::Key_Tab);
    Alt(Qt::Key_S);
    Type("6");
    Key(Qt::Key_Tab);
    Alt(Qt::Key_T);
    Key(Qt::Key_Tab);
    Type("15062027");
    Key(Qt::Key_Tab);
    Type("063000");
    Key(Qt::Key_Tab);
    const wayline::Route& r = w->Route().Plan;
    EXPECT_EQ(r.Speed, 6);
    EXPECT_EQ(r.Legs[1].Speed, 12.5);
    EXPECT_EQ(r.Departure, 1813041000); // 2027-06-15T06:30:00Z
    EXPECT_EQ(r.Points[0].Lat, 50 + 21.55 / 60);
    EXPECT_EQ(r.Points[0].Lon, -(4 + 8.56 / 60));

    const std::map<std::string, QString> says = CommandLineSays(r);
    const struct {
        int leg, column;
        const char* line;
    } cells[] = {
        {1, TRouteForm::FromColumn, "Leg 1"},           {1, TRouteForm::KindColumn, "Leg 1 kind"},
        {1, TRouteForm::CourseColumn, "Leg 1 course"},  {1, TRouteForm::DistanceColumn, "Leg 1 distance"},
        {1, TRouteForm::SpeedColumn, "Leg 1 speed"},    {1, TRouteForm::TimeColumn, "Leg 1 time"},
        {1, TRouteForm::EtaColumn, "Leg 1 ETA"},        {2, TRouteForm::CourseColumn, "Leg 2 initial course"},
        {2, TRouteForm::FinalColumn, "Leg 2 final course"}, {2, TRouteForm::DistanceColumn, "Leg 2 distance"},
        {2, TRouteForm::SpeedColumn, "Leg 2 speed"},    {2, TRouteForm::EtaColumn, "Leg 2 ETA"},
        {2, TRouteForm::VertexColumn, "Leg 2 vertex"},
    };
    for (const auto& c : cells) {
        QString expected = says.at(c.line);
        if (c.column == TRouteForm::FromColumn)
            expected = expected.section(QStringLiteral(" to "), 0, 0);
        EXPECT_EQ(w.Cell(c.leg, c.column), expected) << c.line;
    }
    EXPECT_EQ(w->TotalDistance->text(), says.at("Total distance"));
    EXPECT_EQ(w->Arrival->text(), says.at("Arrival"));
    EXPECT_TRUE(w.errors.messages.isEmpty()) << w.errors.messages.join('\n').toStdString();
}

TEST(RouteForm, AParallelOnlyWhereBothEndsAreOnIt)
{
    routetest::Window w;
    w.Add("A", "4000", "N", "01000", "W");
    w.Add("B", "4000", "N", "03000", "W");
    w.Add("C", "4500", "N", "05000", "W");
    Alt(Qt::Key_L);
    Alt(Qt::Key_K);
    Key(Qt::Key_End); // Parallel
    EXPECT_EQ(w.Cell(1, TRouteForm::KindColumn), QStringLiteral("parallel"));
    EXPECT_EQ(w.Cell(1, TRouteForm::CourseColumn), routetest::Q("270*00'00"));
    Alt(Qt::Key_L);
    Key(Qt::Key_Down);
    Alt(Qt::Key_K);
    Key(Qt::Key_End);
    EXPECT_EQ(w.Cell(2, TRouteForm::KindColumn), QStringLiteral("rhumb line"));
    EXPECT_EQ(w->LegKindBox->currentText(), QStringLiteral("Rhumb line"));
    EXPECT_EQ(w->StatusMessage->text(), QStringLiteral("Leg 2 (B to C): a leg along a parallel joins two points on it"));

    // B moved off the parallel: leg 1 becomes the rhumb line it now is.
    Alt(Qt::Key_W);
    Key(Qt::Key_Up); // from C, the last added
    Alt(Qt::Key_M);
    Key(Qt::Key_Tab); // from the name to the latitude
    Type("4100");
    Key(Qt::Key_Tab);
    EXPECT_EQ(w.Cell(1, TRouteForm::KindColumn), QStringLiteral("rhumb line"));
    EXPECT_EQ(w->StatusMessage->text(),
              QStringLiteral("Leg 1 (A to B) is a rhumb line now: its ends are no longer on one parallel"));
    EXPECT_TRUE(w.errors.messages.isEmpty()) << w.errors.messages.join('\n').toStdString();
}

TEST(RouteForm, ReadableInTheDarkAndNamedForAScreenReader)
{
    routetest::Window w;
    w.Add("Plymouth", "502155", "N", "0040856", "W");
    w.Add("Brest", "482280", "N", "0042940", "W");
    {
        testsupport::DarkDesktop dark;
        testsupport::ExpectReadable(*w.form);
    }
    QStringList heard;
    for (const auto& [object, name] : testsupport::AccessibleNames(w.form.get()))
        heard << name;
    for (const char* name : {"Route name", "Waypoints", "Waypoint name", "Waypoint latitude", "Waypoint latitude hemisphere",
                             "Waypoint longitude", "Legs", "Leg kind", "Leg speed", "Route speed", "Departure date",
                             "Departure time", "Ellipsoid", "Total distance", "Arrival", "Add", "Move Down"})
        EXPECT_TRUE(heard.contains(QString::fromLatin1(name))) << name;
    // A cell is heard by its leg and column, with its text as its value.
    const QTableWidgetItem* eta = w->Legs->item(0, TRouteForm::DistanceColumn);
    EXPECT_EQ(eta->data(Qt::AccessibleTextRole).toString(), QStringLiteral("Leg 1 distance"));
    EXPECT_EQ(eta->data(Qt::AccessibleDescriptionRole).toString(), eta->text());
    EXPECT_EQ(w->TotalDistance->accessibleDescription(), w->TotalDistance->text());
}

TEST(RouteForm, TheChartDrawsGreatCirclesAsTheCurvesTheyAre)
{
    routetest::Window w;
    w.Add("Plymouth", "502155", "N", "0040856", "W");
    w.Add("Brest", "482280", "N", "0042940", "W");
    w.Add("Nantucket", "410000", "N", "0693000", "W");
    Alt(Qt::Key_L);
    Key(Qt::Key_Down);
    Alt(Qt::Key_K);
    Key(Qt::Key_Down); // leg 2 a great circle
    Key(Qt::Key_M, Qt::ControlModifier);
    wayline::TRouteChartForm* chart = w->ChartWindow();
    ASSERT_TRUE(chart && chart->isVisible());
    const wayline::RouteLine& line = chart->ChartView1->Line();
    ASSERT_EQ(line.WaypointAt.size(), 3u);
    EXPECT_EQ(line.WaypointAt[1], 1u);  // the rhumb line by its ends
    EXPECT_GT(line.WaypointAt[2], 40u); // some 45 degrees of arc, a point a degree
    EXPECT_TRUE(chart->ChartView1->accessibleDescription().startsWith(routetest::Q("Plymouth 50*21'55 N 004*08'56 W; Brest")))
        << chart->ChartView1->accessibleDescription().toStdString();
    // The chart follows the route: leg 2 a rhumb line again.
    testsupport::ShowActive(*w.form);
    Alt(Qt::Key_K);
    Key(Qt::Key_Up);
    EXPECT_EQ(chart->ChartView1->Line().Points.size(), 3u);
    QImage picture(chart->ChartView1->size(), QImage::Format_RGB32);
    chart->ChartView1->render(&picture); // drawn without a fault, with its track colour
    bool track = false;
    for (int y = 0; y < picture.height() && !track; ++y)
        for (int x = 0; x < picture.width() && !track; ++x)
            track = picture.pixelColor(x, y) == chart::TrackColour();
    EXPECT_TRUE(track);
}

} // namespace
