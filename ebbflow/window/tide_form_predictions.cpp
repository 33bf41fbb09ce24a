// The predictions the window shows: the events of the days chosen in the
// table and on the curve, and the height or stream at the time chosen.
#include "ebbflow/window/tide_form.h"


#include "ebbflow/tables/event_texts.h"
#include "ebbflow/core/prediction_curve.h"
#include "ebbflow/tables/tide_days.h"
#include "ebbflow/core/tide_errors.h"
#include "ebbflow/window/tide_curve.h"
#include "ebbflow/window/utf8_texts.h"
#include "platform/desktop/latin1.h"
#include "platform/widgets/date_picker.h"
#include "timezones/time_errors.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>

namespace ebbflow {
namespace {

constexpr int CurveSamples = 1200;

} // namespace

void TTideForm::Recompute()
{
    events_.clear();
    if (!data_ || !choice_.Chosen) {
        ShowTable(timezones::Zone::Utc());
        Curve->SetData({});
        return;
    }
    const Station& station = *choice_.Chosen;
    // A year the data do not cover, a zone the system lacks: the window
    // shows no predictions and says why.
    const auto refuse = [this](const char* why) {
        events_.clear();
        ShowTable(timezones::Zone::Utc());
        Curve->SetData({});
        SetResult(Times, {});
        refusal_ = Latin1Of(why);
        SetStatus(refusal_);
    };
    try {
        const timezones::Zone zone = ShownZone();
        const HeightUnits units = ShownUnits();
        const QDate day = Day->date();
        const DaySpan days = SpanOf(static_cast<SpanKind>(SpanBox->currentIndex()), {day.year(), day.month(), day.day()});
        const UtcSpan span = UtcSpanOf(zone, days.First, days.Days);
        events_ = PredictEvents(*data_, station, span.From, span.To, units);
        CurveData curve;
        curve.Values = PredictCurve(*data_, station, span.From, span.To, CurveSamples, units);
        curve.Events = events_;
        curve.From = span.From;
        curve.To = span.To;
        curve.Clock = zone;
        curve.Stream = station.IsCurrent();
        curve.Datum = station.Datum.empty() ? "the station's datum" : station.Datum;
        curve.Unit = std::string(UnitsName(ValueUnits(station, units)));
        const double now = now_();
        if (now >= span.From && now < span.To)
            curve.Now = now;
        Curve->SetData(std::move(curve));
        ShowTable(zone);
        SetResult(Times, Latin1Of(ZoneText(zone, span.From, span.To)));
        if (!refusal_.empty() && StatusMessage->text() == platform::ToQt(refusal_))
            SetStatus({});
        refusal_.clear();
    } catch (const PredictionError& e) {
        refuse(e.what());
    } catch (const timezones::TimeError& e) {
        refuse(e.what());
    }
    Notice->setText(FromUtf8(NoticeText(*data_)));
    RecomputeAt();
}

void TTideForm::ShowTable(const timezones::Zone& zone)
{
    const bool streams = mode_ == Mode::Streams;
    const Station* station = choice_.Chosen;
    const Units units = station ? ValueUnits(*station, ShownUnits()) : Units::Feet;
    QStringList headings{QStringLiteral("Date"), QStringLiteral("Time"), QStringLiteral("Event")};
    if (streams)
        headings << QStringLiteral("Speed (kn)") << QStringLiteral("Direction");
    else
        headings << (station ? FromUtf8("Height in " + UnitsText(*station, units)).replace(QStringLiteral(" above "), QStringLiteral("\nabove "))
                              : QStringLiteral("Height"));
    Events->setHorizontalHeaderLabels(headings);
    Events->setRowCount(static_cast<int>(events_.size()));
    for (std::size_t i = 0; i < events_.size(); ++i) {
        const EventRow row = RowOf(events_[i], zone, units);
        const std::string cells[] = {row.Date, row.Time, row.Event, row.Value, row.Direction};
        for (int c = 0; c < Events->columnCount(); ++c)
            Events->setItem(static_cast<int>(i), c, new QTableWidgetItem(FromUtf8(cells[c])));
    }
    Events->resizeColumnsToContents();
    // Every column in view: the table is as wide as what it holds.
    int width = Events->frameWidth() * 2 + Events->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < Events->columnCount(); ++c)
        width += Events->columnWidth(c);
    Events->setMinimumWidth(width);
}

void TTideForm::RecomputeAt()
{
    if (!data_ || !choice_.Chosen) {
        SetResult(AtResult, {});
        return;
    }
    const Station& station = *choice_.Chosen;
    std::string text;
    try {
        const timezones::Zone zone = ShownZone();
        const QDate date = AtDate->date();
        const int second = AtTime.Seconds();
        const timezones::LocalDateTime local =
            timezones::AtTime({date.year(), date.month(), date.day()}, second / 3600, second / 60 % 60, second % 60);
        const double utc = static_cast<double>(zone.ToUtc(local, timezones::LocalChoice::Refuse));
        const HeightUnits units = ShownUnits();
        text = ReadingText(station, PredictAt(*data_, station, utc, units), ValueUnits(station, units));
    } catch (const PredictionError& e) {
        text = e.what();
    } catch (const timezones::TimeError& e) {
        text = e.what();
    }
    SetResult(AtResult, Latin1Of(text));
}

} // namespace ebbflow
