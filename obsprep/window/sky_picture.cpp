#include "obsprep/window/sky_picture.h"

#include "geo/constants.h"
#include "obsprep/core/sky_list.h"
#include "platform/window/surface_colours.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>

namespace obsprep {
namespace {

constexpr double Zenith = 90.0;
constexpr int Side = 340;                               // the picture's natural size (pixels)
constexpr int Margin = 22;                              // room for the compass letters
constexpr int TickEvery = 30;                           // degrees of azimuth between ticks
constexpr double BrightestDot = 5.0, FaintestDot = 1.6; // dot radii (pixels)
constexpr double DotPerMagnitude = 1.0;

// Fixed colours, those of a chart printed on white paper.
const QColor &Paper = platform::Paper, &Ink = platform::PaperInk;
const QColor Grid(175, 175, 175), Band(236, 242, 250);
const QColor PlanetInk(150, 40, 0), MoonInk(40, 60, 150), ProposedInk(200, 0, 0);

double Radians(double degrees) { return degrees / geo::DegreesPerRadian; }

} // namespace

SkyPicture::SkyPicture(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SkyPicture"));
    setAccessibleName(QStringLiteral("Sky at the time of the list"));
    setFocusPolicy(Qt::StrongFocus); // a screen reader's user reaches it with Tab
    setMinimumSize(Side * 2 / 3, Side * 2 / 3);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    platform::ShowOnPaper(*this);
}

QSize SkyPicture::sizeHint() const { return {Side, Side}; }

void SkyPicture::SetSky(std::vector<Mark> marks, const QString& description)
{
    marks_ = std::move(marks);
    setAccessibleDescription(description);
    update();
}

void SkyPicture::Clear(const QString& why) { SetSky({}, why); }

QPointF SkyPicture::Centre() const { return QPointF(width() / 2.0, height() / 2.0); }

double SkyPicture::HorizonRadius() const { return std::max(0.0, std::min(width(), height()) / 2.0 - Margin); }

QPointF SkyPicture::PointOf(double hcDeg, double znDeg) const
{
    const double r = HorizonRadius() * (Zenith - hcDeg) / Zenith;
    return Centre() + QPointF(r * std::sin(Radians(znDeg)), -r * std::cos(Radians(znDeg)));
}

void SkyPicture::DrawGrid(QPainter& p) const
{
    const QPointF c = Centre();
    const double horizon = HorizonRadius();
    const auto radius = [&](double altitude) { return horizon * (Zenith - altitude) / Zenith; };
    // The band the list takes its bodies from.
    QPainterPath band;
    band.addEllipse(c, radius(LowestAltitude), radius(LowestAltitude));
    band.addEllipse(c, radius(HighestAltitude), radius(HighestAltitude));
    p.fillPath(band, Band);
    p.setPen(QPen(Grid, 1, Qt::DashLine));
    for (const double altitude : {LowestAltitude, HighestAltitude})
        p.drawEllipse(c, radius(altitude), radius(altitude));
    p.setPen(QPen(Grid, 1));
    for (int zn = 0; zn < 360; zn += TickEvery)
        p.drawLine(PointOf(0, zn), PointOf(zn % 90 == 0 ? HighestAltitude : LowestAltitude, zn));
    p.setPen(QPen(Ink, 1.5));
    p.drawEllipse(c, horizon, horizon);
    p.setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
    const struct {
        int Zn;
        const char* Letter;
    } points[] = {{0, "N"}, {90, "E"}, {180, "S"}, {270, "W"}};
    for (const auto& point : points) {
        const QPointF at =
            Centre() + (PointOf(0, point.Zn) - Centre()) * ((horizon + Margin / 2.0) / std::max(horizon, 1.0));
        p.drawText(QRectF(at.x() - 10, at.y() - 10, 20, 20), Qt::AlignCenter, QString::fromLatin1(point.Letter));
    }
}

void SkyPicture::DrawMark(QPainter& p, const Mark& mark) const
{
    const QPointF at = PointOf(mark.HcDeg, mark.ZnDeg);
    const double dot =
        mark.Kind == MarkKind::Moon
            ? BrightestDot * 1.4
            : std::clamp(BrightestDot - DotPerMagnitude * (mark.Magnitude.value_or(0) + 1), FaintestDot, BrightestDot);
    const QColor colour = mark.Kind == MarkKind::Planet ? PlanetInk : mark.Kind == MarkKind::Moon ? MoonInk : Ink;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    if (mark.Kind == MarkKind::Planet)
        p.drawRect(QRectF(at.x() - dot, at.y() - dot, 2 * dot, 2 * dot));
    else
        p.drawEllipse(at, dot, dot);
    if (mark.Proposed) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ProposedInk, 2));
        p.drawEllipse(at, dot + 4, dot + 4);
    }
    QFont font(QStringLiteral("Arial"), 7, mark.Proposed ? QFont::Bold : QFont::Normal);
    p.setFont(font);
    p.setPen(mark.Proposed ? ProposedInk : colour);
    // Names on the side toward the centre, so that they stay inside the horizon.
    const bool east = at.x() >= Centre().x();
    const QRectF label =
        east ? QRectF(at.x() - 110 - dot - 3, at.y() - 7, 110, 14) : QRectF(at.x() + dot + 3, at.y() - 7, 110, 14);
    p.drawText(label, (east ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, mark.Name);
}

void SkyPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Paper);
    if (HorizonRadius() <= 0) return;
    p.setRenderHint(QPainter::Antialiasing);
    DrawGrid(p);
    for (const Mark& mark : marks_)
        if (!mark.Proposed) DrawMark(p, mark);
    for (const Mark& mark : marks_) // the set on top
        if (mark.Proposed) DrawMark(p, mark);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.backgroundColor = Paper;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

} // namespace obsprep
