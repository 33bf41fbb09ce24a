#include "solara/window/day_picture.h"

#include "astro/horizon.h"
#include "platform/window/surface_colours.h"

#include <QPainter>
#include <QPainterPath>

namespace solara {
namespace {

constexpr double TopAltitude = 90.0, BottomAltitude = -90.0;
constexpr int AltitudeStep = 30;            // degrees between the altitude marks
constexpr int Margin = 34, TopMargin = 10;  // pixels around the plot, room for the labels
constexpr int Width = 420, Height = 240;    // the picture's natural size

// Fixed colours, those of a chart printed on white paper.
const QColor &Paper = platform::Paper, &Ink = platform::PaperInk;
const QColor Grid(190, 190, 190);
const QColor CivilBand(214, 226, 242), NauticalBand(176, 196, 226), AstronomicalBand(140, 163, 207);
const QColor NightBand(226, 226, 226);
const QColor SunInk(214, 90, 0), MoonInk(40, 60, 150), NowInk(200, 0, 0);

} // namespace

DayPicture::DayPicture(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DayPicture"));
    setAccessibleName(QStringLiteral("Altitudes of the Sun and the Moon"));
    setFocusPolicy(Qt::StrongFocus); // a screen reader's user reaches it with Tab
    setMinimumSize(Width / 2, Height / 2);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    platform::ShowOnPaper(*this);
}

QSize DayPicture::sizeHint() const
{
    return {Width, Height};
}

void DayPicture::SetDay(std::vector<AltitudeSample> samples, std::vector<HourMark> hours, std::optional<double> now,
                        const QString& summary)
{
    samples_ = std::move(samples);
    hours_ = std::move(hours);
    now_ = now;
    setAccessibleDescription(summary);
    update();
}

void DayPicture::Clear(const QString& why)
{
    SetDay({}, {}, std::nullopt, why);
}

void DayPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Paper);
    const QRectF plot(Margin, TopMargin, width() - Margin - TopMargin, height() - TopMargin - Margin);
    if (plot.width() <= 0 || plot.height() <= 0)
        return;
    const auto y = [&](double altitude) {
        return plot.top() + (TopAltitude - altitude) / (TopAltitude - BottomAltitude) * plot.height();
    };
    const bool haveDay = samples_.size() >= 2;
    const double start = haveDay ? samples_.front().Utc : 0, length = haveDay ? samples_.back().Utc - start : 1;
    const auto x = [&](double utc) { return plot.left() + (utc - start) / length * plot.width(); };

    // The twilight bands below the horizon, then night.
    const struct {
        double Top, Bottom;
        QColor Colour;
    } bands[] = {
        {0.0, astro::CivilTwilight, CivilBand},
        {astro::CivilTwilight, astro::NauticalTwilight, NauticalBand},
        {astro::NauticalTwilight, astro::AstronomicalTwilight, AstronomicalBand},
        {astro::AstronomicalTwilight, BottomAltitude, NightBand},
    };
    for (const auto& band : bands)
        p.fillRect(QRectF(plot.left(), y(band.Top), plot.width(), y(band.Bottom) - y(band.Top)), band.Colour);

    p.setPen(QPen(Grid, 1));
    p.setFont(QFont(QStringLiteral("Arial"), 7));
    for (int a = static_cast<int>(BottomAltitude); a <= static_cast<int>(TopAltitude); a += AltitudeStep) {
        p.setPen(QPen(a == 0 ? Ink : Grid, 1));
        p.drawLine(QPointF(plot.left(), y(a)), QPointF(plot.right(), y(a)));
        p.setPen(Ink);
        p.drawText(QRectF(0, y(a) - 8, Margin - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(a) + QChar(0xB0));
    }
    for (const HourMark& h : hours_) {
        p.setPen(QPen(Grid, 1));
        p.drawLine(QPointF(x(h.Utc), plot.top()), QPointF(x(h.Utc), plot.bottom()));
        p.setPen(Ink);
        p.drawText(QRectF(x(h.Utc) - 20, plot.bottom() + 2, 40, 14), Qt::AlignHCenter | Qt::AlignTop, h.Text);
    }
    p.setPen(QPen(Ink, 1));
    p.drawRect(plot);

    if (haveDay) {
        p.setRenderHint(QPainter::Antialiasing);
        const auto curve = [&](double AltitudeSample::*altitude, const QColor& colour) {
            QPainterPath path;
            path.moveTo(x(samples_.front().Utc), y(samples_.front().*altitude));
            for (const AltitudeSample& s : samples_)
                path.lineTo(x(s.Utc), y(s.*altitude));
            p.setPen(QPen(colour, 2));
            p.drawPath(path);
        };
        curve(&AltitudeSample::Moon, MoonInk);
        curve(&AltitudeSample::Sun, SunInk);
        if (now_) {
            p.setPen(QPen(NowInk, 1, Qt::DashLine));
            p.drawLine(QPointF(x(*now_), plot.top()), QPointF(x(*now_), plot.bottom()));
        }
        // The key, in the plot's upper corner.
        p.setPen(SunInk);
        p.drawText(QRectF(plot.left() + 4, plot.top() + 2, 60, 14), Qt::AlignLeft, QStringLiteral("Sun"));
        p.setPen(MoonInk);
        p.drawText(QRectF(plot.left() + 34, plot.top() + 2, 60, 14), Qt::AlignLeft, QStringLiteral("Moon"));
    }
    if (hasFocus()) {
        // A dotted frame in ink, which leaves the chart's colours as they are.
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Ink, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace solara
