#include "grid/window/grid_in_form.h"

#include "geo/ellipsoid_definitions.h"
#include "platform/command_line/arguments.h"
#include "platform/desktop/latin1.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace grid {

TGridInForm::TGridInForm(QWidget* parent)
    : ModuleWindow(QStringLiteral("TGridInForm"), QStringLiteral("UTM to Geographic"), parent)
{
    auto* input = new QGroupBox(QStringLiteral("Grid position"), centralWidget());
    auto* form = new QFormLayout(input);
    const auto field = [&](QLineEdit*& edit, const char* text, const char* object, const char* heard, const char* caption) {
        edit = new QLineEdit(QString::fromLatin1(text), input);
        edit->setObjectName(QString::fromLatin1(object));
        edit->setAccessibleName(QString::fromLatin1(heard));
        form->addRow(QString::fromLatin1(caption), edit);
        connect(edit, &QLineEdit::editingFinished, this, [this] { Guarded([this] { Recompute(); }); });
    };
    field(ZoneEdit, "31n", "ZoneEdit", "Zone", "&Zone:");
    field(EastingEdit, "500000", "EastingEdit", "Easting", "E&asting (m):");
    field(NorthingEdit, "0", "NorthingEdit", "Northing", "&Northing (m):");
    ZoneEdit->setToolTip(QStringLiteral("The zone with its hemisphere (30n, 56s) or band (30U)"));
    Body()->addWidget(input);

    auto* settings = new QFormLayout;
    AddEllipsoidList(settings, [this] { Recompute(); });
    Body()->addLayout(settings);
    AddDisplayGroup(Body(), [this] { Show(); });

    auto* results = new QGroupBox(QStringLiteral("Results"), centralWidget());
    auto* resultForm = new QFormLayout(results);
    for (const auto& [name, value] : GridInLines({}, geo::AngleFormat::DMdd))
        Results.push_back(AddResult(resultForm, platform::ToQt(name).remove(' '), platform::ToQt(name)));
    Body()->addWidget(results);

    SetPage({QStringLiteral("UTM to geographic"), QStringLiteral("The geographic position could not be printed")},
            [this] { return Page(); });
    Finish();
    Recompute();
}

void TGridInForm::Recompute()
{
    try {
        const GridReference g = ReadZone(ZoneEdit->text().trimmed().toStdString());
        const double easting = Metres(EastingEdit->text().trimmed().toStdString());
        const double northing = Metres(NorthingEdit->text().trimmed().toStdString());
        position_ = FromReference(geo::DefinedEllipsoid(Ellipsoid()), g, easting, northing);
        refusal_.clear();
    } catch (const std::exception& refused) { // cli::InputError or GridError: both are reasons
        position_.reset();
        refusal_ = platform::FromQt(QString::fromUtf8(refused.what()));
    }
    Show();
}

void TGridInForm::Show()
{
    SetStatus(refusal_);
    const ResultLines lines = position_ ? GridInLines(*position_, Format()) : ResultLines{};
    for (std::size_t i = 0; i < Results.size(); ++i)
        SetResult(Results[i], i < lines.size() ? lines[i].second : std::string());
}

platform::ResultsPage TGridInForm::Page() const
{
    platform::ResultsPage page;
    page.Title = "UTM to Geographic : " + EllipsoidBox->currentText().toStdString();
    page.Inputs = {{"Zone", platform::FromQt(ZoneEdit->text())},
                   {"Easting", platform::FromQt(EastingEdit->text()) + " m"},
                   {"Northing", platform::FromQt(NorthingEdit->text()) + " m"}};
    if (position_)
        page.Results = GridInLines(*position_, Format());
    else
        page.Results = {{"Refused", refusal_}};
    return page;
}

} // namespace grid
