// What the route window shows: the waypoint and leg tables, the selected
// waypoint and leg beside them, the passage and the totals.
#include "wayline/window/route_form.h"

#include "platform/desktop/error_report.h"
#include "platform/desktop/latin1.h"
#include "platform/widgets/date_picker.h"
#include "platform/widgets/edit.h"
#include "platform/widgets/mask_edit.h"
#include "timezones/civil_calendar.h"
#include "wayline/core/plan_texts.h"
#include "wayline/window/route_chart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QHeaderView>
#include <QTableWidget>

#include <cmath>

namespace wayline {
namespace {

// A cell a screen reader hears by `name` ("Leg 2 ETA") with its text as
// its value, as the suite's result labels are heard. A cell that says
// the same is left alone: a long route's tables change in a few places.
void SetCell(QTableWidget& table, int row, int column, const QString& text, const QString& name)
{
    QTableWidgetItem* item = table.item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        table.setItem(row, column, item);
    }
    if (item->text() != text) {
        item->setText(text);
        item->setData(Qt::AccessibleDescriptionRole, text);
    }
    if (item->data(Qt::AccessibleTextRole).toString() != name)
        item->setData(Qt::AccessibleTextRole, name);
}

// The columns fitted to what they show once the rows are filled, from
// the first rows (a route of thousands of points would be measured
// through at every change otherwise).
void FitColumns(QTableWidget& table)
{
    constexpr int MeasuredRows = 200;
    table.horizontalHeader()->setResizeContentsPrecision(MeasuredRows);
    table.resizeColumnsToContents();
}

void SetRows(QTableWidget& table, std::size_t rows)
{
    table.setRowCount(static_cast<int>(rows));
}

std::optional<std::size_t> Selected(const QTableWidget& table, std::size_t rows)
{
    const QList<QTableWidgetItem*> items = table.selectedItems();
    if (items.isEmpty())
        return std::nullopt;
    const int row = items.front()->row();
    if (row < 0 || static_cast<std::size_t>(row) >= rows)
        return std::nullopt;
    return static_cast<std::size_t>(row);
}

// Selects `row` (the last where it lies beyond) without the selection's
// handler, which the caller runs once.
void Reselect(QTableWidget& table, std::optional<std::size_t> row)
{
    const QSignalBlocker quiet(table);
    const int rows = table.rowCount();
    if (rows == 0) {
        table.clearSelection();
        return;
    }
    const int wanted = row ? static_cast<int>(std::min<std::size_t>(*row, static_cast<std::size_t>(rows - 1))) : 0;
    table.setCurrentCell(wanted, 0);
    table.selectRow(wanted);
}

} // namespace

void TRouteForm::Recompute()
{
    try {
        plan_ = PlanRoute(Earth(Ellipsoid()), route_.Plan);
    } catch (const RouteError& e) {
        throw platform::TextError(QString::fromUtf8(e.what())); // names are UTF-8
    }
    ShowWaypoints();
    ShowLegs();
    const TotalTexts totals = TotalsOf(plan_);
    SetResult(TotalDistance, totals.Distance);
    SetResult(TotalTime, totals.Time.empty() ? "none" : totals.Time);
    SetResult(Arrival, totals.Arrival.empty() ? "none" : totals.Arrival);
    if (chart_)
        chart_->ChartView1->SetRoute(route_.Plan, Ellipsoid(), Format());
    UpdateButtons();
    setWindowModified(route_ != saved_);
}

void TRouteForm::ShowWaypoints()
{
    const std::optional<std::size_t> selected = SelectedWaypoint();
    const wayline::Route& r = route_.Plan;
    SetRows(*Waypoints, r.Points.size());
    for (std::size_t i = 0; i < r.Points.size(); ++i) {
        const int row = static_cast<int>(i);
        const QString heard = QStringLiteral("Waypoint %1 ").arg(i + 1);
        SetCell(*Waypoints, row, 0, QString::fromStdString(wayline::WaypointName(r, i)), heard + QStringLiteral("name"));
        SetCell(*Waypoints, row, 1, platform::ToQt(geo::FormatAngle(Format(), false, r.Points[i].Lat)),
                heard + QStringLiteral("latitude"));
        SetCell(*Waypoints, row, 2, platform::ToQt(geo::FormatAngle(Format(), true, r.Points[i].Lon)),
                heard + QStringLiteral("longitude"));
    }
    FitColumns(*Waypoints);
    Reselect(*Waypoints, selected);
}

void TRouteForm::ShowLegs()
{
    const std::optional<std::size_t> selected = SelectedLeg();
    SetRows(*Legs, plan_.Legs.size());
    for (std::size_t i = 0; i < plan_.Legs.size(); ++i) {
        const LegTexts t = TextsOf(plan_.Legs[i], Format());
        const QString heard = QStringLiteral("Leg %1 ").arg(i + 1);
        const bool gc = plan_.Legs[i].Solution.Kind == LegKind::GreatCircle;
        const std::pair<QString, QString> cells[LegColumns] = {
            {QString::fromStdString(t.From), QStringLiteral("from")},
            {QString::fromStdString(t.To), QStringLiteral("to")},
            {platform::ToQt(t.Kind), QStringLiteral("kind")},
            {platform::ToQt(t.Course), gc ? QStringLiteral("initial course") : QStringLiteral("course")},
            {platform::ToQt(t.FinalCourse), QStringLiteral("final course")},
            {platform::ToQt(t.Distance), QStringLiteral("distance")},
            {platform::ToQt(t.Speed), QStringLiteral("speed")},
            {platform::ToQt(t.Time), QStringLiteral("time")},
            {platform::ToQt(t.Eta), QStringLiteral("ETA")},
            {platform::ToQt(t.Vertex), QStringLiteral("vertex")},
        };
        for (int c = 0; c < LegColumns; ++c)
            SetCell(*Legs, static_cast<int>(i), c, cells[c].first, heard + cells[c].second);
    }
    FitColumns(*Legs);
    Reselect(*Legs, selected);
}

std::optional<std::size_t> TRouteForm::SelectedWaypoint() const
{
    return Selected(*Waypoints, route_.Plan.Points.size());
}

std::optional<std::size_t> TRouteForm::SelectedLeg() const
{
    return Selected(*Legs, route_.Plan.Legs.size());
}

void TRouteForm::SelectWaypoint(std::size_t index)
{
    Reselect(*Waypoints, index);
    ShowSelectedWaypoint();
}

void TRouteForm::ShowSelectedWaypoint()
{
    const std::optional<std::size_t> i = SelectedWaypoint();
    for (QWidget* w : std::initializer_list<QWidget*>{WaypointName, Position.Lat, Position.NorS, Position.Lon,
                                                      Position.EorW})
        w->setEnabled(i.has_value());
    if (i) {
        const Waypoint& p = route_.Plan.Points[*i];
        WaypointName->SetText(p.Name);
        Position.SetPosition(p.Lat, p.Lon);
    } else {
        WaypointName->SetText("");
        Position.SetPosition(0, 0);
    }
    UpdateButtons();
}

void TRouteForm::ShowSelectedLeg()
{
    const std::optional<std::size_t> i = SelectedLeg();
    LegKindBox->setEnabled(i.has_value());
    LegSpeed.Field->setEnabled(i.has_value());
    const Leg leg = i ? route_.Plan.Legs[*i] : Leg{};
    LegKindBox->setCurrentIndex(static_cast<int>(leg.Kind));
    LegSpeed.SetKnots(leg.Speed);
}

void TRouteForm::ShowPassage()
{
    const wayline::Route& r = route_.Plan;
    RouteName->SetText(r.Name);
    RouteSpeed.SetKnots(r.Speed);
    {
        const QSignalBlocker quiet(DepartureBox); // shown, not changed
        DepartureBox->setChecked(r.Departure.has_value());
    }
    DepartureDate->setEnabled(r.Departure.has_value());
    DepartureTime.Field->setEnabled(r.Departure.has_value());
    if (r.Departure && std::isfinite(*r.Departure)) {
        const double whole = std::floor(*r.Departure); // to the second the field shows
        constexpr double Limit = 1e15;
        const auto seconds = static_cast<std::int64_t>(std::fabs(whole) < Limit ? whole : 0);
        const timezones::CivilDate day =
            timezones::CivilFromDays(timezones::FloorDiv(seconds, timezones::SecondsPerDay));
        const QSignalBlocker quiet(DepartureDate);
        DepartureDate->setDate(QDate(day.Year, day.Month, day.Day));
        DepartureTime.SetSeconds(static_cast<int>(timezones::FloorMod(seconds, timezones::SecondsPerDay)));
    }
}

void TRouteForm::UpdateButtons()
{
    const std::optional<std::size_t> i = SelectedWaypoint();
    const std::size_t n = route_.Plan.Points.size();
    InsertButton->setEnabled(i.has_value());
    DeleteButton->setEnabled(i.has_value());
    UpButton->setEnabled(i && *i > 0);
    DownButton->setEnabled(i && *i + 1 < n);
}

} // namespace wayline
