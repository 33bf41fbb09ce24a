#include "chart/window/chart_view.h"

#include "platform/desktop/latin1.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace chart {

QColor SeaColour() { return {0xd4, 0xe9, 0xf5}; }
QColor LandColour() { return {0xf0, 0xe4, 0xc2}; }
QColor TrackColour() { return {0xc0, 0x10, 0x10}; }

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double MinutesPerDegree = 60;
constexpr double FitMargin = 40;          // pixels around a fitted voyage
constexpr double GraticuleSpacing = 90;   // pixels between lines at least
constexpr double ScaleBarLongest = 160;   // pixels
constexpr double ZoomStep = 1.25;         // one wheel notch, one + or -
constexpr double CrudeAbove = 4000;       // metres per pixel: the crude land reads better
constexpr double PanFraction = 0.25;      // of the view, for an arrow key

const QColor Sea = SeaColour();
const QColor Land = LandColour();
const QColor Shore(0x8c, 0x7a, 0x4e);
const QColor Grid(0x6c, 0x8c, 0xa4);
const QColor Ink(0x10, 0x20, 0x40);
const QColor Track = TrackColour();

double Turn(const geo::Ellipsoid& e) { return 2 * Pi * e.a; }

// Whole turns k for which [low + kT, high + kT] meets [left, right]; none
// for figures that are not numbers, and never more than a few copies.
std::pair<int, int> Copies(double low, double high, double left, double right, double turn)
{
    const double first = std::ceil((left - high) / turn);
    const double last = std::floor((right - low) / turn);
    if (!(std::fabs(first) < 1e6) || !(std::fabs(last) < 1e6))
        return {0, -1};
    return {static_cast<int>(first), static_cast<int>(std::min(last, first + 4))};
}

QString Text(const std::string& latin1) { return platform::ToQt(latin1); }

// The longitude a meridian is labelled with, from its whole minutes east of
// Greenwich in whatever turn the view shows: brought into (-180, 180], so
// that each meridian has one label wherever the view wraps, and the 180°
// meridian is 180°00'00 E as the angle texts give +180.
double MeridianLabel(double minutes)
{
    constexpr double Turn = 360 * MinutesPerDegree, HalfTurn = Turn / 2;
    double reduced = std::fmod(minutes, Turn); // exact for whole minutes
    if (reduced > HalfTurn)
        reduced -= Turn;
    else if (reduced <= -HalfTurn)
        reduced += Turn;
    return reduced / MinutesPerDegree;
}

} // namespace

struct ProjectedRing {
    std::vector<PlanePoint> Points;
    double Left, Right, Bottom, Top;
};

struct LandCache {
    double A = 0, E = 0;
    const Coastline* Source = nullptr;
    std::vector<ProjectedRing> Rings;
};

namespace {

const std::vector<ProjectedRing>& ProjectedLand(const Coastline& coast, const geo::Ellipsoid& e, LandCache& cache)
{
    if (cache.Source == &coast && cache.A == e.a && cache.E == e.e)
        return cache.Rings;
    cache = {e.a, e.e, &coast, {}};
    cache.Rings.reserve(coast.Land.size());
    for (const Ring& ring : coast.Land) {
        ProjectedRing out{{}, INFINITY, -INFINITY, INFINITY, -INFINITY};
        out.Points.reserve(ring.size());
        for (const GeoPoint& p : ring) {
            const PlanePoint q = Project(e, p.Lat, p.Lon);
            out.Points.push_back(q);
            out.Left = std::min(out.Left, q.X);
            out.Right = std::max(out.Right, q.X);
            out.Bottom = std::min(out.Bottom, q.Y);
            out.Top = std::max(out.Top, q.Y);
        }
        cache.Rings.push_back(std::move(out));
    }
    return cache.Rings;
}

void DrawLand(QPainter& painter, const View& view, const ChartVoyage& voyage, const ChartLand& land,
              LandCache& cache)
{
    const Coastline* coast = view.MetresPerPixel > CrudeAbove || !land.Low ? land.Crude : land.Low;
    if (!coast)
        return;
    const double left = view.PlaneX(0), right = view.PlaneX(view.Width);
    const double bottom = view.PlaneY(view.Height), top = view.PlaneY(0);
    const double turn = Turn(voyage.Ellipsoid);
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const ProjectedRing& ring : ProjectedLand(*coast, voyage.Ellipsoid, cache)) {
        if (ring.Top < bottom || ring.Bottom > top)
            continue;
        const auto [first, last] = Copies(ring.Left, ring.Right, left, right, turn);
        for (int k = first; k <= last; ++k) {
            QPolygonF polygon;
            polygon.reserve(static_cast<qsizetype>(ring.Points.size()));
            for (const PlanePoint& p : ring.Points)
                polygon.append({view.PixelX(p.X + k * turn), view.PixelY(p.Y)});
            path.addPolygon(polygon);
            path.closeSubpath();
        }
    }
    // Filled without antialiasing: at world scale thousands of shore points
    // would cost more than a frame, and a pixel's edge on a shore of
    // kilometres shows nothing.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Shore, 0));
    painter.setBrush(Land);
    painter.drawPath(path);
    painter.setRenderHint(QPainter::Antialiasing, true);
}

void DrawGraticule(QPainter& painter, const View& view, const ChartVoyage& voyage)
{
    const geo::Ellipsoid& e = voyage.Ellipsoid;
    const int step = GraticuleStepMinutes(e, view.MetresPerPixel, GraticuleSpacing);
    const double degrees = step / MinutesPerDegree;
    painter.setPen(QPen(Grid, 0));
    painter.setBrush(Qt::NoBrush);

    const double west = view.PlaneX(0) / e.a * 180 / Pi, east = view.PlaneX(view.Width) / e.a * 180 / Pi;
    const double first = std::ceil(west / degrees), last = std::floor(east / degrees);
    double labelledTo = -INFINITY; // a label never covers the one before
    for (double i = first; i <= last && last - first < 1000; ++i) {
        const double minutes = i * step; // whole minutes, exact
        const double x = view.PixelX(Project(e, 0, minutes / MinutesPerDegree).X);
        painter.drawLine(QPointF(x, 0), QPointF(x, view.Height));
        const QString label = Text(geo::FormatAngle(voyage.Format, true, MeridianLabel(minutes)));
        if (x + 3 > labelledTo) {
            painter.drawText(QPointF(x + 3, view.Height - 4), label);
            labelledTo = x + 3 + painter.fontMetrics().horizontalAdvance(label) + 6;
        }
    }
    const double south = LatitudeOf(e, view.PlaneY(view.Height)), north = LatitudeOf(e, view.PlaneY(0));
    const double low = std::ceil(south / degrees), high = std::floor(north / degrees);
    for (double i = low; i <= high && high - low < 1000; ++i) {
        const double lat = i * degrees;
        const double y = view.PixelY(Project(e, lat, 0).Y);
        painter.drawLine(QPointF(0, y), QPointF(view.Width, y));
        painter.drawText(QPointF(3, y - 3), Text(geo::FormatAngle(voyage.Format, false, lat)));
    }
}

void DrawTracks(QPainter& painter, const View& view, const ChartVoyage& voyage)
{
    const double turn = Turn(voyage.Ellipsoid);
    const double left = view.PlaneX(0), right = view.PlaneX(view.Width);
    for (const legplot::Track& track : voyage.Tracks) {
        std::vector<PlanePoint> plane;
        for (const legplot::TrackPoint& p : track.Points)
            plane.push_back(Project(voyage.Ellipsoid, p.Lat, p.Lon));
        const auto [west, east] = std::ranges::minmax(plane, {}, &PlanePoint::X);
        const auto [first, last] = Copies(west.X, east.X, left, right, turn);
        for (int k = first; k <= last; ++k) {
            QPolygonF line;
            for (const PlanePoint& q : plane)
                line.append({view.PixelX(q.X + k * turn), view.PixelY(q.Y)});
            QPen pen(Track, 2);
            pen.setStyle(track.FromOrigin ? Qt::DashLine : Qt::SolidLine);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawPolyline(line);
            painter.setPen(QPen(Ink, 1));
            painter.setBrush(Ink);
            for (std::size_t i = 0; i < track.Points.size(); ++i) {
                painter.drawEllipse(line[static_cast<qsizetype>(i)], 3, 3);
                const int leg = track.Points[i].Leg;
                QString label = leg == 0 ? QStringLiteral("Start") : QString();
                if (i == 0 && track.FromOrigin)
                    label = QString::fromUtf8("0\u00b0, 0\u00b0: leg %1 on").arg(track.Points.at(1).Leg);
                if (!label.isEmpty())
                    painter.drawText(line[static_cast<qsizetype>(i)] + QPointF(6, -6), label);
                if (i > 0) // the leg's number halfway along it
                    painter.drawText((line[static_cast<qsizetype>(i - 1)] + line[static_cast<qsizetype>(i)]) / 2 +
                                         QPointF(6, 12),
                                     QString::number(leg));
            }
        }
    }
}

void DrawScaleBar(QPainter& painter, const View& view, const ChartVoyage& voyage)
{
    const double lat = LatitudeOf(voyage.Ellipsoid, view.Centre.Y);
    const ScaleBar bar = ScaleBarAt(voyage.Ellipsoid, lat, view.MetresPerPixel, ScaleBarLongest);
    if (bar.Pixels <= 0)
        return;
    const QPointF at(view.Width - bar.Pixels - 16, view.Height - 24);
    painter.setPen(QPen(Ink, 2));
    painter.drawLine(at, at + QPointF(bar.Pixels, 0));
    painter.drawLine(at + QPointF(0, -4), at + QPointF(0, 4));
    painter.drawLine(at + QPointF(bar.Pixels, -4), at + QPointF(bar.Pixels, 4));
    painter.drawText(at + QPointF(0, -6), QStringLiteral("%1 nm").arg(bar.NauticalMiles));
}

} // namespace

void DrawChart(QPainter& painter, const View& view, const ChartVoyage& voyage, const ChartLand& land,
               LandCache* cache)
{
    LandCache local;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0, 0, view.Width, view.Height), Sea);
    DrawLand(painter, view, voyage, land, cache ? *cache : local);
    DrawGraticule(painter, view, voyage);
    DrawTracks(painter, view, voyage);
    DrawScaleBar(painter, view, voyage);
    painter.setPen(Ink);
    double line = 16;
    for (const QString& note : {land.Missing, Text(voyage.Note)})
        if (!note.isEmpty()) {
            painter.drawText(QPointF(8, line), note);
            line += 16;
        }
    painter.restore();
}

std::vector<PlanePoint> TrackPlanePoints(const ChartVoyage& voyage)
{
    std::vector<PlanePoint> points;
    for (const legplot::Track& track : voyage.Tracks)
        for (const legplot::TrackPoint& p : track.Points)
            points.push_back(Project(voyage.Ellipsoid, p.Lat, p.Lon));
    return points;
}

QString DescribeVoyage(const ChartVoyage& voyage)
{
    QStringList parts;
    for (const legplot::Track& track : voyage.Tracks)
        for (const legplot::TrackPoint& p : track.Points) {
            const QString name = p.Leg == 0 ? QStringLiteral("Start") : QStringLiteral("Leg %1 end").arg(p.Leg);
            parts << name + ' ' + Text(geo::FormatAngle(voyage.Format, false, p.Lat)) + ' ' +
                         Text(geo::FormatAngle(voyage.Format, true, p.Lon));
        }
    if (!voyage.Note.empty())
        parts << Text(voyage.Note);
    return parts.join(QStringLiteral("; "));
}

ChartView::ChartView(QWidget* parent) : QWidget(parent), cache_(new LandCache)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Chart"));
    setMinimumSize(200, 150);
}

ChartView::~ChartView()
{
    delete cache_;
}

void ChartView::SetVoyage(const ChartVoyage& voyage)
{
    voyage_ = voyage;
    setAccessibleDescription(DescribeVoyage(voyage_));
    update();
}

void ChartView::showEvent(QShowEvent*)
{
    // Fitted when first shown, at the size it is shown at.
    if (!fitted_)
        Fit();
}

void ChartView::SetLand(const ChartLand& land)
{
    land_ = land;
    *cache_ = {};
    update();
}

void ChartView::Fit()
{
    view_ = FitView(TrackPlanePoints(voyage_), width(), height(), FitMargin);
    view_.MetresPerPixel = std::min(view_.MetresPerPixel, CoarsestScale(voyage_.Ellipsoid, width()));
    fitted_ = true;
    KeepInWorld();
    update();
}

void ChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DrawChart(painter, view_, voyage_, land_, cache_);
}

void ChartView::resizeEvent(QResizeEvent*)
{
    view_.Width = width();
    view_.Height = height();
    KeepInWorld();
}

void ChartView::wheelEvent(QWheelEvent* event)
{
    const double notches = event->angleDelta().y() / 120.0;
    ZoomAbout(std::pow(ZoomStep, -notches), event->position());
}

void ChartView::mousePressEvent(QMouseEvent* event)
{
    dragFrom_ = event->position();
}

void ChartView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    PanBy(dragFrom_ - event->position());
    dragFrom_ = event->position();
}

void ChartView::keyPressEvent(QKeyEvent* event)
{
    const QPointF centre(width() / 2.0, height() / 2.0);
    const double across = width() * PanFraction, down = height() * PanFraction;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        ZoomAbout(1 / ZoomStep, centre);
        break;
    case Qt::Key_Minus:
        ZoomAbout(ZoomStep, centre);
        break;
    case Qt::Key_Left:
        PanBy({-across, 0});
        break;
    case Qt::Key_Right:
        PanBy({across, 0});
        break;
    case Qt::Key_Up:
        PanBy({0, -down});
        break;
    case Qt::Key_Down:
        PanBy({0, down});
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ChartView::ZoomAbout(double factor, QPointF pixel)
{
    // The point under `pixel` stays there.
    const PlanePoint fixed{view_.PlaneX(pixel.x()), view_.PlaneY(pixel.y())};
    view_.MetresPerPixel = std::clamp(view_.MetresPerPixel * factor, FinestScale,
                                      CoarsestScale(voyage_.Ellipsoid, view_.Width));
    view_.Centre = {fixed.X - (pixel.x() - view_.Width / 2) * view_.MetresPerPixel,
                    fixed.Y + (pixel.y() - view_.Height / 2) * view_.MetresPerPixel};
    KeepInWorld();
    update();
}

void ChartView::PanBy(QPointF pixels)
{
    view_.Centre.X += pixels.x() * view_.MetresPerPixel;
    view_.Centre.Y -= pixels.y() * view_.MetresPerPixel;
    KeepInWorld();
    update();
}

void ChartView::KeepInWorld()
{
    // East and west wrap; north and south stop at the chart's useful edge.
    const double turn = Turn(voyage_.Ellipsoid);
    if (turn > 0 && std::isfinite(view_.Centre.X))
        view_.Centre.X = std::remainder(view_.Centre.X, turn);
    const double edge = Project(voyage_.Ellipsoid, UsefulLatitude, 0).Y;
    view_.Centre.Y = std::clamp(view_.Centre.Y, -edge, edge);
}

} // namespace chart
