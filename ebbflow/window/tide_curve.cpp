#include "ebbflow/window/tide_curve.h"

#include "ebbflow/tables/event_texts.h"
#include "ebbflow/tables/tide_days.h"
#include "geo/position_text.h"
#include "platform/window/surface_colours.h"
#include "timezones/zone_day.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace ebbflow {
namespace {

// A printed chart's colours, whatever the desktop's scheme.
const QColor &Paper = platform::Paper, &Ink = platform::PaperInk;
const QColor GridLine(210, 210, 210), CurveInk(0, 0, 128), DatumInk(0, 96, 160), NowInk(200, 0, 0);
constexpr int Left = 58, Right = 14, Top = 16, Bottom = 36;
constexpr double SecondsPerHour = 3600, SecondsPerDay = 86400;
constexpr double Headroom = 0.08; // of the range, above and below
constexpr int ValueTicks = 5;
constexpr int MarkRadius = 3;

// 1, 2 or 5 times a power of ten, near `range` / `ticks`.
double NiceStep(double range, int ticks)
{
    const double raw = range / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0})
        if (raw <= m * power)
            return m * power;
    return 10 * power;
}

struct Tick {
    double Time = 0;
    QString Label; // empty for a tick without one
};

// Ticks at the clock's whole hours (every three) for a day, at its
// midnights for longer spans, labelled every day up to a week and every
// fifth day beyond.
std::vector<Tick> TimeTicks(const CurveData& d)
{
    const timezones::Zone zone = d.Clock.value_or(timezones::Zone::Utc());
    std::vector<Tick> ticks;
    const double span = d.To - d.From;
    timezones::CivilDate date = DateIn(zone, d.From);
    for (int day = 0; day < 400; ++day, date = AddDays(date, 1)) {
        const double midnight = static_cast<double>(timezones::DayStart(zone, date));
        if (midnight > d.To)
            break;
        if (span <= 1.5 * SecondsPerDay) {
            constexpr int HoursApart = 3;
            for (int hour = 0; hour < 24; hour += HoursApart) {
                const double t = static_cast<double>(
                    zone.ToUtc(timezones::AtTime(date, hour, 0, 0), timezones::LocalChoice::Earlier));
                if (t >= d.From && t <= d.To)
                    ticks.push_back({t, QStringLiteral("%1:00").arg(hour, 2, 10, QLatin1Char('0'))});
            }
        } else if (midnight >= d.From) {
            const bool labelled = span <= 8 * SecondsPerDay || date.Day % 5 == 0 || date.Day == 1;
            const std::string text = span <= 8 * SecondsPerDay ? DateText(date).substr(0, 4) + std::to_string(date.Day)
                                                               : std::to_string(date.Day);
            ticks.push_back({midnight, labelled ? QString::fromStdString(text) : QString()});
        }
    }
    return ticks;
}

} // namespace

TideCurve::TideCurve(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TideCurve"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The ground is the paper's under any scheme, so that the frame's test
    // of readable texts reads it as it is drawn.
    platform::ShowOnPaper(*this);
}

void TideCurve::SetData(CurveData data)
{
    data_ = std::move(data);
    setAccessibleDescription(Summary());
    update();
}

void TideCurve::SetNow(double utc)
{
    const bool inside = utc >= data_.From && utc < data_.To;
    if (inside == data_.Now.has_value() && (!inside || std::abs(*data_.Now - utc) < 60))
        return;
    data_.Now = inside ? std::optional<double>(utc) : std::nullopt;
    setAccessibleDescription(Summary());
    update();
}

QString TideCurve::Summary() const
{
    const CurveData& d = data_;
    if (d.Values.Points.empty() || !d.Clock)
        return QStringLiteral("No predictions");
    const timezones::Zone& zone = *d.Clock;
    std::string text = std::string(d.Stream ? "Stream" : "Height") + " from " +
                       DateText(DateIn(zone, d.From)) + " " + ClockText(d.From, zone) + " to " +
                       DateText(DateIn(zone, d.To)) + " " + ClockText(d.To, zone);
    // The extremes marked, or the curve's where there are none.
    double low = INFINITY, high = -INFINITY;
    for (const TideEvent& e : d.Events)
        if (e.Kind != EventKind::Slack) {
            low = std::min(low, e.Value);
            high = std::max(high, e.Value);
        }
    if (!(low <= high))
        for (const CurvePoint& p : d.Values.Points) {
            low = std::min(low, p.Value);
            high = std::max(high, p.Value);
        }
    const auto value = [&](double v) { return geo::DecimalText(v, d.Stream ? 1 : 2); };
    text += d.Stream ? "; speeds in " + d.Unit + ": strongest flood " + value(high) + ", strongest ebb " + value(low)
                     : "; heights in " + d.Unit + " above " + d.Datum + ": highest " + value(high) + ", lowest " +
                           value(low);
    text += "; " + std::to_string(d.Events.size()) + (d.Stream ? " slack waters and strongest streams" : " high and low waters") +
            " marked";
    if (d.Values.Interpolated)
        text += "; joined between them by cosine curves";
    if (d.Now)
        text += "; the present time, " + ClockText(*d.Now, zone) + ", marked";
    return QString::fromUtf8(text.c_str());
}

void TideCurve::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Paper);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plot(Left, Top, std::max(1, width() - Left - Right), std::max(1, height() - Top - Bottom));
    painter.setPen(Ink);
    painter.drawRect(plot);
    const CurveData& d = data_;
    if (d.Values.Points.empty() || !(d.To > d.From)) {
        painter.drawText(plot, Qt::AlignCenter, QStringLiteral("No predictions"));
        return;
    }
    double lo = 0, hi = 0;
    for (const CurvePoint& p : d.Values.Points) {
        lo = std::min(lo, p.Value);
        hi = std::max(hi, p.Value);
    }
    const double pad = std::max(hi - lo, 0.1) * Headroom;
    lo -= pad;
    hi += pad;
    const auto x = [&](double t) { return plot.left() + (t - d.From) / (d.To - d.From) * plot.width(); };
    const auto y = [&](double v) { return plot.bottom() - (v - lo) / (hi - lo) * plot.height(); };

    // The value grid and its labels.
    const double step = NiceStep(hi - lo, ValueTicks);
    for (double v = std::ceil(lo / step) * step; v <= hi; v += step) {
        painter.setPen(GridLine);
        painter.drawLine(QPointF(plot.left(), y(v)), QPointF(plot.right(), y(v)));
        painter.setPen(Ink);
        const QString label = QString::fromStdString(geo::DecimalText(v, step < 1 ? 1 : 0));
        painter.drawText(QRectF(0, y(v) - 8, Left - 6, 16), Qt::AlignRight | Qt::AlignVCenter, label);
    }
    painter.drawText(QRectF(4, 0, Left, Top), Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(d.Unit));
    // The time axis, on the zone's clock; a label that would run into the
    // one before it is left out, and labels stay inside the picture.
    double labelledTo = -INFINITY;
    const QFontMetricsF metrics(font());
    for (const Tick& tick : TimeTicks(d)) {
        painter.setPen(GridLine);
        painter.drawLine(QPointF(x(tick.Time), plot.top()), QPointF(x(tick.Time), plot.bottom()));
        painter.setPen(Ink);
        const double wide = metrics.horizontalAdvance(tick.Label) + 6;
        const double left = std::clamp(x(tick.Time) - wide / 2, 0.0, std::max(0.0, width() - wide));
        if (tick.Label.isEmpty() || left < labelledTo)
            continue;
        painter.drawText(QRectF(left, plot.bottom() + 2, wide, 16), Qt::AlignCenter, tick.Label);
        labelledTo = left + wide;
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + 18, plot.width(), 16), Qt::AlignCenter,
                     QString::fromStdString(d.Clock ? d.Clock->Name() : std::string("UTC")));

    // The datum, or the slack line between flood and ebb.
    QPen datum(DatumInk, 1, Qt::DashLine);
    painter.setPen(datum);
    painter.drawLine(QPointF(plot.left(), y(0)), QPointF(plot.right(), y(0)));
    const QString datumName = d.Stream ? QStringLiteral("Slack") : QString::fromUtf8(d.Datum.c_str());
    painter.drawText(QRectF(plot.left() + 4, y(0) - 17, plot.width() - 8, 16), Qt::AlignLeft | Qt::AlignBottom,
                     datumName);
    if (d.Stream) {
        painter.drawText(plot.adjusted(4, 2, -4, -2), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Flood"));
        painter.drawText(plot.adjusted(4, 2, -4, -2), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Ebb"));
    }

    // The curve, dashed where it is joined from the events.
    QPainterPath path;
    for (std::size_t i = 0; i < d.Values.Points.size(); ++i) {
        const QPointF p(x(d.Values.Points[i].Time), y(d.Values.Points[i].Value));
        i == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    painter.setPen(QPen(CurveInk, 2, d.Values.Interpolated ? Qt::DashLine : Qt::SolidLine));
    painter.drawPath(path);
    painter.setPen(QPen(CurveInk, 1));
    painter.setBrush(CurveInk);
    const bool labelled = d.To - d.From <= 1.5 * SecondsPerDay;
    for (const TideEvent& e : d.Events) {
        const QPointF p(x(e.Time), y(e.Value));
        painter.drawEllipse(p, MarkRadius, MarkRadius);
        if (labelled && d.Clock) {
            const std::string clock = ClockText(e.Time, *d.Clock);
            const QString text = QString::fromStdString(clock.substr(0, clock.find(' ')));
            const bool above = e.Kind == EventKind::High || e.Kind == EventKind::MaxFlood;
            painter.drawText(QRectF(p.x() - 30, above ? p.y() - 18 : p.y() + 3, 60, 15), Qt::AlignCenter, text);
        }
    }
    painter.setBrush(Qt::NoBrush);

    if (d.Now) {
        painter.setPen(QPen(NowInk, 2));
        painter.drawLine(QPointF(x(*d.Now), plot.top()), QPointF(x(*d.Now), plot.bottom()));
        painter.drawText(QRectF(x(*d.Now) + 3, plot.top() + 2, 40, 14), Qt::AlignLeft, QStringLiteral("now"));
    }
}

} // namespace ebbflow
