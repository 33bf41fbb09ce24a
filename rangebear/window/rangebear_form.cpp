#include "rangebear/window/rangebear_form.h"

#include "geo/ellipsoid_definitions.h"
#include "rangebear/core/command_line.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace rangebear {

TRangeBearForm::TRangeBearForm(QWidget* parent)
    : ModuleWindow(QStringLiteral("TRangeBearForm"), QStringLiteral("Distance and Course Calculations"), parent),
      From(this, QStringLiteral("From"), QStringLiteral("From"), [this] { return Format(); },
           [this](const std::string& m) { SetStatus(m); }),
      To(this, QStringLiteral("To"), QStringLiteral("To"), [this] { return Format(); },
         [this](const std::string& m) { SetStatus(m); })
{
    for (platform::PositionEntry* p : {&From, &To}) {
        auto* box = new QGroupBox(p == &From ? QStringLiteral("From") : QStringLiteral("To"), centralWidget());
        auto* form = new QFormLayout(box);
        p->AddRows(form);
        Body()->addWidget(box);
        connect(p, &platform::PositionEntry::changed, this, [this] { Recompute(); });
    }
    auto* settings = new QFormLayout;
    AddEllipsoidList(settings, [this] { Recompute(); });
    Body()->addLayout(settings);
    AddDisplayGroup(Body(), [this] {
        From.FormatChanged();
        To.FormatChanged();
        Recompute();
    });

    auto* results = new QGroupBox(QStringLiteral("Results"), centralWidget());
    auto* resultForm = new QFormLayout(results);
    const auto names = ResultTexts({}, geo::AngleFormat::DMdd);
    for (std::size_t i = 0; i < Results.size(); ++i)
        Results[i] = AddResult(resultForm, QStringLiteral("Result%1").arg(i + 1), QString::fromStdString(names[i].Name));
    Body()->addWidget(results);

    SetPage(QStringLiteral("Distance and course"), [this] { return Page(); });
    Finish();
    Recompute();
}

void TRangeBearForm::Recompute()
{
    const RangeBearing r = Solve(geo::DefinedEllipsoid(Ellipsoid()), From.Latitude(), From.Longitude(), To.Latitude(),
                                 To.Longitude());
    const auto texts = ResultTexts(r, Format());
    for (std::size_t i = 0; i < Results.size(); ++i)
        SetResult(Results[i], texts[i].Value);
}

platform::ResultsPage TRangeBearForm::Page() const
{
    platform::ResultsPage page;
    page.Title = "Distance and Course : " + EllipsoidBox->currentText().toStdString();
    const auto position = [](const platform::PositionEntry& p) { return p.Text(false) + "   " + p.Text(true); };
    page.Inputs = {{"From", position(From)}, {"To", position(To)}};
    const RangeBearing r = Solve(geo::DefinedEllipsoid(Ellipsoid()), From.Latitude(), From.Longitude(), To.Latitude(),
                                 To.Longitude());
    for (const ResultText& line : ResultTexts(r, Format()))
        page.Results.emplace_back(line.Name, line.Value);
    return page;
}

} // namespace rangebear
