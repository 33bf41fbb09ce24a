#include "grid/window/grid_out_form.h"

#include "geo/ellipsoid_definitions.h"
#include "platform/desktop/latin1.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace grid {
namespace {

constexpr int FirstZone = 1, LastZone = 60;

} // namespace

TGridOutForm::TGridOutForm(QWidget* parent)
    : ModuleWindow(QStringLiteral("TGridOutForm"), QStringLiteral("Geographic to UTM"), parent),
      Position(this, QString(), QString(), [this] { return Format(); }, [this](const std::string& m) { SetStatus(m); })
{
    auto* input = new QGroupBox(QStringLiteral("Position"), centralWidget());
    auto* form = new QFormLayout(input);
    Position.AddRows(form);
    ZoneBox = new QComboBox(input);
    ZoneBox->setObjectName(QStringLiteral("ZoneBox"));
    ZoneBox->setAccessibleName(QStringLiteral("Zone"));
    ZoneBox->addItem(QStringLiteral("Standard"));
    form->addRow(QStringLiteral("&Zone:"), ZoneBox);
    Body()->addWidget(input);
    connect(&Position, &platform::PositionEntry::changed, this, [this] { Recompute(true); });
    connect(ZoneBox, &QComboBox::activated, this, [this] { Guarded([this] { Recompute(false); }); });

    auto* settings = new QFormLayout;
    AddEllipsoidList(settings, [this] { Recompute(true); });
    Body()->addLayout(settings);
    AddDisplayGroup(Body(), [this] { Position.FormatChanged(); });

    auto* results = new QGroupBox(QStringLiteral("Results"), centralWidget());
    auto* resultForm = new QFormLayout(results);
    for (const auto& [name, value] : GridOutLines({}))
        Results.push_back(AddResult(resultForm, platform::ToQt(name).remove(' '), platform::ToQt(name)));
    Body()->addWidget(results);

    SetPage({QStringLiteral("Geographic to UTM"), QStringLiteral("The grid position could not be printed")},
            [this] { return Page(); });
    Finish();
    Recompute(true);
}

int TGridOutForm::RequestedZone() const
{
    bool number = false;
    const int zone = ZoneBox->currentText().toInt(&number);
    return number ? zone : StandardZone;
}

void TGridOutForm::Recompute(bool offerZones)
{
    const geo::EllipsoidDefinition e = geo::DefinedEllipsoid(Ellipsoid());
    const double lat = Position.Latitude(), lon = Position.Longitude();
    if (offerZones) {
        // The standard zone and those of its neighbours that take the
        // position (a neighbour too far from its meridian is not offered).
        ZoneBox->clear();
        ZoneBox->addItem(QStringLiteral("Standard"));
        const int standard = ToGrid(e, lat, lon).Zone;
        if (standard != Ups)
            for (const int z : {standard == FirstZone ? LastZone : standard - 1, standard == LastZone ? FirstZone : standard + 1}) {
                try {
                    ToGrid(e, lat, lon, z);
                    ZoneBox->addItem(QString::number(z));
                } catch (const GridError&) {
                }
            }
    }
    try {
        grid_ = ToGrid(e, lat, lon, RequestedZone());
        refusal_.clear();
    } catch (const GridError& refused) {
        grid_.reset();
        refusal_ = refused.what();
    }
    SetStatus(refusal_);
    const ResultLines lines = grid_ ? GridOutLines(*grid_) : ResultLines{};
    for (std::size_t i = 0; i < Results.size(); ++i)
        SetResult(Results[i], i < lines.size() ? lines[i].second : std::string());
}

platform::ResultsPage TGridOutForm::Page() const
{
    platform::ResultsPage page;
    page.Title = "Geographic to UTM : " + EllipsoidBox->currentText().toStdString();
    page.Inputs = {{"Latitude", Position.Text(false)},
                   {"Longitude", Position.Text(true)},
                   {"Zone", ZoneBox->currentText().toStdString()}};
    if (grid_)
        page.Results = GridOutLines(*grid_);
    else
        page.Results = {{"Refused", refusal_}};
    return page;
}

} // namespace grid
