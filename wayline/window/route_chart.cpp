#include "wayline/window/route_chart.h"

#include "chart/window/chart_form.h"
#include "geo/ellipsoid_definitions.h"
#include "platform/desktop/latin1.h"
#include "wayline/core/earth.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace wayline {
namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr int MostCopies = 4;      // of the route side by side where the view wraps
constexpr double LabelRoom = 40;   // pixels between waypoint names

const QColor Ink(0x10, 0x20, 0x40);

} // namespace

geo::Ellipsoid ChartEllipsoid(int index)
{
    const geo::EllipsoidDefinition d = geo::DefinedEllipsoid(index);
    const double b = d.a * (1 - d.f), e2 = d.f * (2 - d.f), ep2 = e2 / (1 - e2);
    return {d.a, b, d.f, std::sqrt(e2), e2, d.a * d.a / b, std::sqrt(ep2), ep2};
}

RouteChartView::RouteChartView(QWidget* parent) : chart::ChartView(parent)
{
    setAccessibleName(QStringLiteral("Chart"));
}

void RouteChartView::SetRoute(const Route& route, int ellipsoid, geo::AngleFormat format)
{
    line_ = DrawnLine(Earth(ellipsoid), route);
    names_.clear();
    chart::ChartVoyage voyage{{}, ChartEllipsoid(ellipsoid), format, {}};
    legplot::Track track; // what the view fits and keeps in the world
    for (const LinePoint& p : line_.Points)
        track.Points.push_back({p.Lat, p.Lon, 0, 0, 0});
    voyage.Tracks.push_back(track);
    SetVoyage(voyage);
    QStringList heard;
    for (std::size_t i = 0; i < route.Points.size(); ++i) {
        const Waypoint& p = route.Points[i];
        names_ << QString::fromStdString(WaypointName(route, i));
        heard << names_.back() + ' ' + platform::ToQt(geo::FormatAngle(format, false, p.Lat)) + ' ' +
                     platform::ToQt(geo::FormatAngle(format, true, p.Lon));
    }
    setAccessibleDescription(heard.join(QStringLiteral("; ")));
}

void RouteChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const chart::View& view = CurrentView();
    chart::ChartVoyage bare = Voyage();
    bare.Tracks.clear(); // the route is drawn below, curves and all
    chart::DrawChart(painter, view, bare, chart::WorldLand());
    if (line_.Points.empty())
        return;

    const geo::Ellipsoid& e = bare.Ellipsoid;
    QPolygonF plane;
    for (const LinePoint& p : line_.Points) {
        const chart::PlanePoint q = chart::Project(e, p.Lat, p.Lon);
        plane.append({q.X, q.Y});
    }
    const auto [west, east] = std::ranges::minmax(plane, {}, &QPointF::x);
    const double turn = 2 * Pi * e.a, left = view.PlaneX(0), right = view.PlaneX(view.Width);
    const double first = std::ceil((left - east.x()) / turn), last = std::floor((right - west.x()) / turn);
    if (!(std::fabs(first) < 1e6 && std::fabs(last) < 1e6))
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    for (int k = static_cast<int>(first); k <= std::min(static_cast<int>(last), static_cast<int>(first) + MostCopies);
         ++k) {
        QPolygonF pixels;
        for (const QPointF& q : plane)
            pixels.append({view.PixelX(q.x() + k * turn), view.PixelY(q.y())});
        painter.setPen(QPen(chart::TrackColour(), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(pixels);
        painter.setPen(QPen(Ink, 1));
        painter.setBrush(Ink);
        // The waypoints in the view; a name only where it stands clear of
        // the one drawn before (thousands of names would be ink and time).
        const QRectF shown = QRectF(0, 0, view.Width, view.Height).adjusted(-LabelRoom, -LabelRoom, LabelRoom, LabelRoom);
        QPointF named(-1e9, -1e9);
        for (qsizetype i = 0; i < names_.size(); ++i) {
            const QPointF at = pixels[static_cast<qsizetype>(line_.WaypointAt[static_cast<std::size_t>(i)])];
            if (!shown.contains(at))
                continue;
            painter.drawEllipse(at, 3, 3);
            if ((at - named).manhattanLength() >= LabelRoom) {
                painter.drawText(at + QPointF(6, -6), names_[i]);
                named = at;
            }
        }
    }
}

TRouteChartForm::TRouteChartForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    ChartView1 = new RouteChartView(this);
    FitButton = chart::LayOutChartWindow(*this, *ChartView1,
                                         {QStringLiteral("TRouteChartForm"),
                                          QStringLiteral("Chart \u2014 Route Calculations"),
                                          QStringLiteral("Chart of the route"), QStringLiteral("Show the whole route")});
}

} // namespace wayline
