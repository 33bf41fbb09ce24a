#include "wayline/window/route_form.h"

#include "platform/widgets/date_picker.h"
#include "platform/widgets/edit.h"
#include "platform/widgets/mask_edit.h"
#include "platform/widgets/radio_group.h"
#include "wayline/files/gpx_read.h"
#include "wayline/window/route_chart.h"
#include "wayline/window/route_page.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>

namespace wayline {
namespace {

constexpr int NameLength = static_cast<int>(LargestGpxName); // what a file reads back
constexpr QSize StartSize(980, 760);                         // room for both tables on a small screen

QTableWidget* Table(QWidget* parent, const QString& objectName, const QString& name, const QStringList& headings)
{
    auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    table->setObjectName(objectName);
    table->setAccessibleName(name);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers); // edited beside it, in the suite's fields
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false); // Tab leaves the table, the arrows move in it
    table->verticalHeader()->setVisible(true);
    return table;
}

QPushButton* Button(QWidget* parent, const QString& objectName, const QString& caption, QHBoxLayout* row)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

// A caption with its access key over a table, which a form has no row for.
QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

TRouteForm::TRouteForm(QWidget* parent)
    : ModuleWindow(QStringLiteral("TRouteForm"), QStringLiteral("Route Calculations[*]"), parent),
      Position(this, QStringLiteral("Waypoint"), QStringLiteral("Waypoint"), [this] { return Format(); },
               [this](const std::string& m) { SetStatus(m); }),
      LegSpeed(this, QStringLiteral("LegSpeed"), QStringLiteral("Leg speed")),
      RouteSpeed(this, QStringLiteral("RouteSpeed"), QStringLiteral("Route speed")),
      DepartureTime(this, QStringLiteral("DepartureTime"), QStringLiteral("Departure time"),
                    [this](const std::string& m) { SetStatus(m); })
{
    MakeMenus();
    auto* top = new QFormLayout;
    RouteName = new platform::Edit(centralWidget());
    RouteName->setObjectName(QStringLiteral("RouteName"));
    RouteName->setAccessibleName(QStringLiteral("Route name"));
    RouteName->setMaxLength(NameLength);
    top->addRow(QStringLiteral("&Route:"), RouteName);
    Body()->addLayout(top);
    MakeWaypointControls();
    MakeLegControls();
    MakePassageControls();
    SetPage(QStringLiteral("Passage plan"), [this] { return Page(); });
    resize(StartSize);
    Finish();
    ShowTitle();
    Recompute();
    ShowSelectedWaypoint();
    ShowSelectedLeg();
    SetTabOrder();
    Waypoints->setFocus(); // where a route starts: Add, or the waypoints opened
}

void TRouteForm::SetTabOrder()
{
    // Top to bottom, left to right, as the window reads: the fields made
    // with the window come first in Qt's order otherwise.
    QWidget* const order[] = {RouteName,    Waypoints,     AddButton,       InsertButton,    DeleteButton,
                              UpButton,     DownButton,    WaypointName,    Position.Lat,    Position.NorS,
                              Position.Lon, Position.EorW, Legs,            LegKindBox,      LegSpeed.Field,
                              RouteSpeed.Field, DepartureBox, DepartureDate, DepartureTime.Field, EllipsoidBox,
                              DisplayGroup->Item(0)};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TRouteForm::MakeMenus()
{
    QMenu* file = FileMenu();
    QAction* print = PrintAction();
    const auto item = [&](const QString& caption, QKeySequence keys, void (TRouteForm::*handler)()) {
        auto* action = new QAction(caption, this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
        file->insertAction(print, action);
    };
    item(QStringLiteral("&Open..."), QKeySequence::Open, &TRouteForm::FileOpen);
    item(QStringLiteral("&Save"), QKeySequence::Save, &TRouteForm::FileSave);
    item(QStringLiteral("Save &As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &TRouteForm::FileSaveAs);
    file->insertSeparator(print);
    // View stands between File and the kit's Help, as menus are ordered.
    auto* view = new QMenu(QStringLiteral("&View"), this);
    const QList<QAction*> menus = menuBar()->actions();
    menuBar()->insertMenu(menus.size() > 1 ? menus.at(1) : nullptr, view);
    QAction* chart = view->addAction(QStringLiteral("&Chart"), this, [this] { Guarded([this] { ViewChart(); }); });
    chart->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
}

void TRouteForm::MakeWaypointControls()
{
    auto* box = new QGroupBox(QStringLiteral("Waypoints"), centralWidget());
    auto* columns = new QHBoxLayout(box);
    auto* left = new QVBoxLayout;
    Waypoints = Table(box, QStringLiteral("Waypoints"), QStringLiteral("Waypoints"),
                      {QStringLiteral("Name"), QStringLiteral("Latitude"), QStringLiteral("Longitude")});
    left->addWidget(Caption(QStringLiteral("&Waypoints:"), Waypoints, box));
    left->addWidget(Waypoints, 1);
    auto* buttons = new QHBoxLayout;
    AddButton = Button(box, QStringLiteral("AddButton"), QStringLiteral("&Add"), buttons);
    InsertButton = Button(box, QStringLiteral("InsertButton"), QStringLiteral("&Insert"), buttons);
    DeleteButton = Button(box, QStringLiteral("DeleteButton"), QStringLiteral("&Delete"), buttons);
    UpButton = Button(box, QStringLiteral("UpButton"), QStringLiteral("Move &Up"), buttons);
    DownButton = Button(box, QStringLiteral("DownButton"), QStringLiteral("Move Dow&n"), buttons);
    left->addLayout(buttons);
    columns->addLayout(left, 1);

    auto* selected = new QGroupBox(QStringLiteral("Selected waypoint"), box);
    auto* form = new QFormLayout(selected);
    WaypointName = new platform::Edit(selected);
    WaypointName->setObjectName(QStringLiteral("WaypointName"));
    WaypointName->setAccessibleName(QStringLiteral("Waypoint name"));
    WaypointName->setMaxLength(NameLength);
    form->addRow(QStringLiteral("Na&me:"), WaypointName);
    Position.AddRows(form);
    columns->addWidget(selected);
    Body()->addWidget(box, 1);

    connect(Waypoints, &QTableWidget::itemSelectionChanged, this,
            [this] { Guarded([this] { ShowSelectedWaypoint(); }); });
    connect(AddButton, &QPushButton::clicked, this, [this] { Guarded([this] { AddWaypoint(true); }); });
    connect(InsertButton, &QPushButton::clicked, this, [this] { Guarded([this] { AddWaypoint(false); }); });
    connect(DeleteButton, &QPushButton::clicked, this, [this] { Guarded([this] { DeleteWaypoint(); }); });
    connect(UpButton, &QPushButton::clicked, this, [this] { Guarded([this] { MoveWaypoint(true); }); });
    connect(DownButton, &QPushButton::clicked, this, [this] { Guarded([this] { MoveWaypoint(false); }); });
    connect(WaypointName, &platform::Edit::exited, this, [this] { Guarded([this] { WaypointNameExit(); }); });
    connect(&Position, &platform::PositionEntry::changed, this, [this] { Guarded([this] { PositionChanged(); }); });
}

void TRouteForm::MakeLegControls()
{
    // The table across the window, for its ten columns; what the selected
    // leg takes and the totals below it.
    auto* box = new QGroupBox(QStringLiteral("Legs"), centralWidget());
    auto* rows = new QVBoxLayout(box);
    Legs = Table(box, QStringLiteral("Legs"), QStringLiteral("Legs"),
                 {QStringLiteral("From"), QStringLiteral("To"), QStringLiteral("Kind"), QStringLiteral("Course"),
                  QStringLiteral("Final course"), QStringLiteral("Distance"), QStringLiteral("Speed"),
                  QStringLiteral("Time"), QStringLiteral("ETA"), QStringLiteral("Vertex")});
    rows->addWidget(Caption(QStringLiteral("&Legs:"), Legs, box));
    rows->addWidget(Legs, 1);
    auto* below = new QHBoxLayout;
    auto* selected = new QGroupBox(QStringLiteral("Selected leg"), box);
    auto* form = new QFormLayout(selected);
    LegKindBox = new QComboBox(selected);
    LegKindBox->setObjectName(QStringLiteral("LegKindBox"));
    LegKindBox->setAccessibleName(QStringLiteral("Leg kind"));
    LegKindBox->addItems({QStringLiteral("Rhumb line"), QStringLiteral("Great circle"), QStringLiteral("Parallel")});
    form->addRow(QStringLiteral("&Kind:"), LegKindBox);
    form->addRow(QStringLiteral("S&peed (kn):"), LegSpeed.Field);
    below->addWidget(selected);
    auto* totals = new QFormLayout;
    TotalDistance = AddResult(totals, QStringLiteral("TotalDistance"), QStringLiteral("Total distance"));
    TotalTime = AddResult(totals, QStringLiteral("TotalTime"), QStringLiteral("Total time"));
    Arrival = AddResult(totals, QStringLiteral("Arrival"), QStringLiteral("Arrival"));
    below->addLayout(totals, 1);
    rows->addLayout(below);
    Body()->addWidget(box, 1);

    connect(Legs, &QTableWidget::itemSelectionChanged, this, [this] { Guarded([this] { ShowSelectedLeg(); }); });
    connect(LegKindBox, &QComboBox::activated, this, [this](int index) { Guarded([this, index] { LegKindChosen(index); }); });
    connect(&LegSpeed, &SpeedEntry::changed, this, [this] { Guarded([this] { LegSpeedChanged(); }); });
}

void TRouteForm::MakePassageControls()
{
    auto* box = new QGroupBox(QStringLiteral("Passage"), centralWidget());
    auto* row = new QHBoxLayout(box);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Route &speed (kn):"), RouteSpeed.Field);
    DepartureBox = new QCheckBox(QStringLiteral("Planned depar&ture (UTC)"), box);
    DepartureBox->setObjectName(QStringLiteral("DepartureBox"));
    form->addRow(DepartureBox);
    DepartureDate = AddDateField(form, QStringLiteral("DepartureDate"), QStringLiteral("Departure date"),
                                 QStringLiteral("Date"), [this] { DepartureChanged(); });
    form->addRow(QStringLiteral("Time:"), DepartureTime.Field);
    AddEllipsoidList(form, [this] { Recompute(); });
    row->addLayout(form, 1);
    AddDisplayGroup(row, [this] {
        Position.FormatChanged();
        Recompute();
    });
    Body()->addWidget(box);

    connect(&RouteSpeed, &SpeedEntry::changed, this, [this] {
        Guarded([this] {
            route_.Plan.Speed = RouteSpeed.Knots();
            Changed();
        });
    });
    connect(DepartureBox, &QCheckBox::toggled, this, [this] { Guarded([this] { DepartureChanged(); }); });
    connect(&DepartureTime, &platform::TimeEntry::changed, this, [this] { Guarded([this] { DepartureChanged(); }); });
    connect(RouteName, &platform::Edit::exited, this, [this] {
        Guarded([this] {
            route_.Plan.Name = RouteName->text().toStdString();
            Changed();
        });
    });
}

void TRouteForm::ViewChart()
{
    if (!chart_) {
        chart_ = new TRouteChartForm(this);
        chart_->resize(chart_->sizeHint());
        chart_->ChartView1->SetRoute(route_.Plan, Ellipsoid(), Format());
    }
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
}

platform::ResultsPage TRouteForm::Page() const
{
    return PassagePlanPage(route_.Plan, plan_, Ellipsoid(), Format());
}

void TRouteForm::closeEvent(QCloseEvent* event)
{
    bool leave = false;
    Guarded([this, &leave] { leave = MayLeaveRoute(); });
    if (leave)
        event->accept();
    else
        event->ignore();
}

} // namespace wayline
