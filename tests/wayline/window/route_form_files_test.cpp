// Route files through the window's File menu by its keys: a route
// gpsbabel made opens and is written back with the same points, names and
// times as gpsbabel reads them; a plotter's route keeps its extensions and
// takes a leg's new line; a file of several routes offers them and keeps
// them all; a file refused changes nothing, one with waypoints is saved
// under another name; a changed route asks before it is left; positions
// tabbed through stay exact; the passage plan is printed.
#include "wayline/files/gpx_read.h"

#include "printed_page.h"
#include "route_window.h"

#include "../files/gpx_test_support.h"

#include <QComboBox>
#include <QLabel>

namespace {

using routetest::Alt;
using routetest::Key;
using routetest::Type;
using wayline::TRouteForm;

// File > Open by its keys, the file named in the dialog.
void Open(routetest::Answers& answers, const QString& file)
{
    answers.fileName = file;
    Key(Qt::Key_O, Qt::ControlModifier);
}

std::string Unicsv(const QString& file)
{
    std::string errors;
    const std::string csv = gpxtest::Run("gpsbabel", {"-r", "-i", "gpx", "-f", file, "-o", "unicsv", "-F", "-"}, &errors);
    EXPECT_EQ(errors, "") << file.toStdString();
    return csv;
}

TEST(RouteFiles, ARouteGpsbabelMadeIsWrittenBackAsGpsbabelReadIt)
{
    gpxtest::Folder folder;
    folder.Write("in.csv", "No,Name,Latitude,Longitude,Date,Time\n"
                           "1,Plymouth,50.3654,-4.1427,2027/06/09,06:30:00\n"
                           "2,Ushant,48.45,-5.1,2027/06/09,16:00:00\n"
                           "3,Caf\xC3\xA9 Tr\xC3\xA8s,-33.9,178.5,,\n");
    std::string errors;
    gpxtest::Run("gpsbabel", {"-r", "-i", "unicsv", "-f", folder.File("in.csv"), "-o", "gpx,gpxver=1.1", "-F",
                              folder.File("in.gpx")}, &errors);
    ASSERT_EQ(errors, "");

    routetest::Window w;
    routetest::Answers answers;
    Open(answers, folder.File("in.gpx"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("in.gpx[*] \u2014 Route Calculations"));
    EXPECT_EQ(w.Names(), QStringList({"Plymouth", "Ushant", QString::fromUtf8("Caf\xC3\xA9 Tr\xC3\xA8s")}));
    answers.fileName = folder.File("out");
    Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier); // Save As, the ending added
    EXPECT_EQ(w->RouteFile(), folder.File("out.gpx"));
    const std::string before = Unicsv(folder.File("in.gpx"));
    EXPECT_NE(before.find("Plymouth"), std::string::npos) << before;
    EXPECT_EQ(Unicsv(folder.File("out.gpx")), before);
    EXPECT_TRUE(w.errors.messages.isEmpty()) << w.errors.messages.join('\n').toStdString();
}

TEST(RouteFiles, APlottersRouteKeepsWhatItHeldAndTakesALegsNewLine)
{
    gpxtest::Folder folder;
    folder.Write("opencpn.gpx", QByteArray::fromStdString(gpxtest::OpenCpnRoute));
    routetest::Window w;
    routetest::Answers answers;
    Open(answers, folder.File("opencpn.gpx"));
    const wayline::GpxRoute opened = w->Route();
    EXPECT_EQ(w->RouteName->text(), QStringLiteral("Beaufort to St. Mary's"));
    EXPECT_EQ(w->RouteSpeed.Knots(), 6);
    EXPECT_EQ(w.Cell(1, TRouteForm::SpeedColumn), QStringLiteral("5.50 kn")); // its own, at Cape Fear
    EXPECT_EQ(w.Cell(2, TRouteForm::SpeedColumn), QStringLiteral("6.00 kn")); // the route's
    Alt(Qt::Key_L);
    Key(Qt::Key_Down);
    Alt(Qt::Key_K);
    Key(Qt::Key_Down); // leg 2 a great circle
    EXPECT_TRUE(w->isWindowModified());
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(w->isWindowModified());
    EXPECT_EQ(answers.asked.size(), 1); // the file opened, then saved where it came from

    const wayline::GpxRoute saved = wayline::ReadGpx(folder.Contents("opencpn.gpx"), "opencpn.gpx").Routes.at(0);
    EXPECT_EQ(saved.Plan.Legs[1].Kind, wayline::LegKind::GreatCircle);
    EXPECT_EQ(saved.Elements, opened.Elements);
    EXPECT_EQ(saved.Extensions, opened.Extensions);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_EQ(saved.Points[i], opened.Points[i]) << i; // the leg ends at the third
    EXPECT_EQ(saved.Points[2].Elements, opened.Points[2].Elements);
    wayline::GpxRoute expected = opened;
    expected.Plan.Legs[1].Kind = wayline::LegKind::GreatCircle;
    EXPECT_EQ(saved.Plan, expected.Plan);

    // Opened again, it is the route that was saved, unchanged.
    Open(answers, folder.File("opencpn.gpx"));
    EXPECT_EQ(w.Cell(2, TRouteForm::KindColumn), QStringLiteral("great circle"));
    EXPECT_FALSE(w->isWindowModified());
    EXPECT_TRUE(w.errors.messages.isEmpty()) << w.errors.messages.join('\n').toStdString();
}

TEST(RouteFiles, SeveralRoutesAChoiceAndAllOfThemKept)
{
    gpxtest::Folder folder;
    folder.Write("two.gpx", QByteArray::fromStdString(gpxtest::Gpx(
                                "<rte><name>Out</name><rtept lat=\"50\" lon=\"-4\"/><rtept lat=\"49\" lon=\"-5\"/></rte>\n"
                                "<rte><name>Back</name><rtept lat=\"49\" lon=\"-5\"/><rtept lat=\"50\" lon=\"-4\"/>"
                                "<rtept lat=\"50.5\" lon=\"-3\"/></rte>\n")));
    routetest::Window w;
    routetest::Answers answers;
    answers.down = 1;
    Open(answers, folder.File("two.gpx"));
    ASSERT_EQ(answers.asked.size(), 2);
    EXPECT_EQ(answers.asked[1], QStringLiteral("two.gpx holds 2 routes. &Route:"));
    EXPECT_EQ(w->RouteName->text(), QStringLiteral("Back"));
    EXPECT_EQ(w->Legs->rowCount(), 2);
    Alt(Qt::Key_R);
    Key(Qt::Key_End);
    Type(" again");
    Key(Qt::Key_Tab);
    Key(Qt::Key_S, Qt::ControlModifier);
    const wayline::GpxDocument saved = wayline::ReadGpx(folder.Contents("two.gpx"), "two.gpx");
    ASSERT_EQ(saved.Routes.size(), 2u);
    EXPECT_EQ(saved.Routes[0].Plan.Name, "Out");
    EXPECT_EQ(saved.Routes[1].Plan.Name, "Back again");

}

TEST(RouteFiles, AFileRefusedChangesNothingAndOneWithWaypointsIsNotSavedOver)
{
    gpxtest::Folder folder;
    folder.Write("tracks.gpx", QByteArray::fromStdString(gpxtest::Gpx("<trk><trkseg><trkpt lat=\"1\" lon=\"2\"/></trkseg></trk>")));
    routetest::Window w;
    w.Add("A", "4000", "N", "01000", "W");
    routetest::Answers answers;
    answers.answer = Qt::Key_D; // the route typed is not kept
    Open(answers, folder.File("tracks.gpx"));
    ASSERT_EQ(w.errors.messages.size(), 1);
    EXPECT_EQ(w.errors.messages[0],
              QStringLiteral("The route could not be opened from %1: it holds no route, only 1 track").arg(folder.File("tracks.gpx")));
    EXPECT_EQ(w.Names(), QStringList({"A"}));
    Open(answers, QStringLiteral("/dev/zero"));
    ASSERT_EQ(w.errors.messages.size(), 2);
    EXPECT_EQ(w.errors.messages[1], QStringLiteral("The route could not be opened from /dev/zero: it is not a regular file"));
    w.errors.messages.clear();

    // A file with waypoints beside its route is not saved over: they would be lost.
    folder.Write("mixed.gpx", QByteArray::fromStdString(gpxtest::Gpx(
                                  "<wpt lat=\"1\" lon=\"2\"/><rte><rtept lat=\"50\" lon=\"-4\"/><rtept lat=\"49\" lon=\"-5\"/></rte>")));
    const QByteArray before = folder.Contents("mixed.gpx");
    Open(answers, folder.File("mixed.gpx"));
    answers.fileName.clear(); // the name asked for is not given
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(answers.asked.last(), QStringLiteral("Save the route"));
    EXPECT_EQ(w->StatusMessage->text(),
              QStringLiteral("mixed.gpx holds 0 tracks and 1 waypoint, which are not kept: save the route in a file of its own"));
    EXPECT_EQ(folder.Contents("mixed.gpx"), before);
}

TEST(RouteFiles, AChangedRouteAsksBeforeItIsLeft)
{
    gpxtest::Folder folder;
    folder.Write("one.gpx", QByteArray::fromStdString(gpxtest::Gpx("<rte><rtept lat=\"50\" lon=\"-4\"/><rtept lat=\"49\" lon=\"-5\"/></rte>")));
    routetest::Window w;
    routetest::Answers answers;
    Open(answers, folder.File("one.gpx"));
    EXPECT_FALSE(w->isWindowModified());
    w->close(); // nothing changed: no question
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(answers.asked.size(), 1);

    testsupport::ShowActive(*w.form);
    Alt(Qt::Key_M);
    Type("Start");
    Key(Qt::Key_Tab);
    EXPECT_TRUE(w->isWindowModified());
    answers.answer = Qt::Key_C;
    w->close();
    EXPECT_TRUE(w->isVisible()); // Cancel: it stays
    EXPECT_EQ(answers.asked.last(), QStringLiteral("The route one.gpx has changed.\nSave the changes?"));
    answers.answer = Qt::Key_S;
    w->close(); // Save: saved, then closed
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(wayline::ReadGpx(folder.Contents("one.gpx"), "one.gpx").Routes[0].Plan.Points[0].Name, "Start");
}

TEST(RouteFiles, PositionsTabbedThroughStayExactAndThePlanIsPrinted)
{
    gpxtest::Folder folder;
    folder.Write("plan.gpx", QByteArray::fromStdString(gpxtest::OpenCpnRoute));
    routetest::Window w;
    routetest::Answers answers;
    Open(answers, folder.File("plan.gpx"));
    const wayline::Route opened = w->Route().Plan;
    // Through every field of the first waypoint and on: a tab changes nothing.
    Alt(Qt::Key_M);
    for (int i = 0; i < 6; ++i)
        Key(Qt::Key_Tab);
    EXPECT_EQ(w->Route().Plan, opened);
    EXPECT_FALSE(w->isWindowModified());

    const QString page = testsupport::PrintedPage();
    for (const char* line : {"Passage Plan : Beaufort to St. Mary's", "Ellipsoid : WGS 84", "Departure : 2027-06-09 06:30Z",
                             "Speed : 6.00 kn", "1 Beaufort : 34*42'72 N 076*39'84 W", "3 St. Mary's : 30*43'20 N 081*24'00 W",
                             "Total distance : ", "Arrival : "})
        EXPECT_TRUE(page.contains(routetest::Q(line))) << line << "\n" << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("1-2"))) << page.toStdString();
    EXPECT_TRUE(page.contains(w.Cell(2, TRouteForm::EtaColumn))) << page.toStdString();
    EXPECT_TRUE(page.contains(w->Arrival->text())) << page.toStdString();
    EXPECT_TRUE(w.errors.messages.isEmpty()) << w.errors.messages.join('\n').toStdString();
}

} // namespace
