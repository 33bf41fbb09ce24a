#include "datumshift/window/datum_shift_form.h"

#include "datumshift/core/datum_catalogue.h"
#include "datumshift/core/errors.h"
#include "datumshift/core/result_texts.h"
#include "datumshift/window/page_text.h"
#include "platform/desktop/latin1.h"
#include "platform/widgets/edit.h"
#include "platform/widgets/mask_edit.h"
#include "platform/widgets/radio_group.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace datumshift {
namespace {

constexpr int FirstFrom = 4326, FirstTo = 4230; // WGS 84, as satellites give it, to ED50
// A transformation is told to the millimetre: a display format coarser
// than DMS.sss (a thousandth of a second, 3 cm) would hide the shift.
constexpr int DmsSssIndex = static_cast<int>(geo::AngleFormat::DMSsss);
constexpr int MinimumWidth = 560;
constexpr int NoteLines = 5;

} // namespace

TDatumShiftForm::TDatumShiftForm(QWidget* parent)
    : ModuleWindow(QStringLiteral("TDatumShiftForm"), QStringLiteral("Datum Transformations"), parent),
      FromDatum(this, QStringLiteral("FromDatum"), QStringLiteral("From datum"), FirstFrom,
                [this](const std::string& t) { return Lookup(t); }, [this](const std::string& m) { SetStatus(m); }),
      Position(this, QStringLiteral("From"), QStringLiteral("From"), [this] { return Format(); },
               [this](const std::string& m) { SetStatus(m); }),
      ToDatum(this, QStringLiteral("ToDatum"), QStringLiteral("To datum"), FirstTo,
              [this](const std::string& t) { return Lookup(t); }, [this](const std::string& m) { SetStatus(m); })
{
    setMinimumWidth(MinimumWidth);
    auto* from = new QGroupBox(QStringLiteral("From"), centralWidget());
    auto* fromForm = new QFormLayout(from);
    fromForm->addRow(QStringLiteral("&Datum:"), FromDatum.Box);
    Position.AddRows(fromForm);
    Body()->addWidget(from);

    auto* to = new QGroupBox(QStringLiteral("To"), centralWidget());
    auto* toForm = new QFormLayout(to);
    toForm->addRow(QStringLiteral("Da&tum:"), ToDatum.Box);
    Body()->addWidget(to);

    auto* shift = new QGroupBox(QStringLiteral("Shift and transformation"), centralWidget());
    auto* shiftForm = new QFormLayout(shift);
    const std::vector<std::string> names = ResultNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        // The position found stands with its datum, the shift in a group of its own.
        QFormLayout* where = i < 4 ? toForm : shiftForm;
        QString name = QString::fromStdString(names[i]);
        QLabel* result = AddResult(where, name.remove(QLatin1Char(' ')), QString::fromStdString(names[i]));
        result->setWordWrap(true);
        Results.push_back(result);
    }
    // The note names two transformations and the grids one lacks: room for
    // it whole, so that the window need not grow under the user's eyes.
    Results.back()->setMinimumHeight(NoteLines * Results.back()->fontMetrics().lineSpacing());
    Results.back()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Body()->addWidget(shift);

    auto* choices = new QHBoxLayout;
    StrictBox = new QCheckBox(QStringLiteral("&Strict: refuse a fallback"), centralWidget());
    StrictBox->setObjectName(QStringLiteral("StrictBox"));
    StrictBox->setAccessibleName(QStringLiteral("Strict"));
    StrictBox->setAccessibleDescription(
        QStringLiteral("Refuse a transformation used in place of a better one whose grid is missing"));
    SwapButton = new QPushButton(QStringLiteral("S&wap"), centralWidget());
    SwapButton->setObjectName(QStringLiteral("SwapButton"));
    SwapButton->setAccessibleName(QStringLiteral("Swap"));
    SwapButton->setAccessibleDescription(
        QStringLiteral("Exchange the datums and take the result as the position (Ctrl+W)"));
    SwapButton->setToolTip(SwapButton->accessibleDescription());
    choices->addWidget(StrictBox);
    choices->addStretch();
    choices->addWidget(SwapButton);
    Body()->addLayout(choices);

    SwapAction = new QAction(QStringLiteral("S&wap"), this);
    SwapAction->setObjectName(QStringLiteral("SwapAction"));
    SwapAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    addAction(SwapAction); // the key works wherever the focus is in the window
    connect(SwapAction, &QAction::triggered, this, [this] { Guarded([this] { Swap(); }); });
    connect(SwapButton, &QPushButton::clicked, SwapAction, &QAction::trigger);

    AddDisplayGroup(Body(), [this] {
        Position.FormatChanged();
        Recompute();
    });
    DisplayGroup->SetItemIndex(DmsSssIndex);
    Position.FormatChanged();

    connect(&FromDatum, &DatumList::changed, this, [this] { Recompute(); });
    connect(&ToDatum, &DatumList::changed, this, [this] { Recompute(); });
    connect(&Position, &platform::PositionEntry::changed, this, [this] { Recompute(); });
    connect(StrictBox, &QCheckBox::toggled, this, [this] { Guarded([this] { Recompute(); }); });

    // Tab runs as the question is asked: the datum, the position, the
    // datum it goes to, then the choices.
    QWidget::setTabOrder(FromDatum.Box, Position.Lat);
    QWidget::setTabOrder(Position.Lat, Position.NorS);
    QWidget::setTabOrder(Position.NorS, Position.Lon);
    QWidget::setTabOrder(Position.Lon, Position.EorW);
    QWidget::setTabOrder(Position.EorW, ToDatum.Box);
    QWidget::setTabOrder(ToDatum.Box, StrictBox);
    QWidget::setTabOrder(StrictBox, SwapButton);
    FromDatum.Box->setFocus();
    FromDatum.Line->selectAll(); // what is typed first replaces it, as a field entered with Tab

    SetPage(QStringLiteral("Datum transformation"), [this] { return Page(); });
    Finish();
    Recompute();
}

CrsDescription TDatumShiftForm::Lookup(const std::string& text) { return shifter_.Describe(text); }

void TDatumShiftForm::Recompute()
{
    const FallbackRule rule = StrictBox->isChecked() ? FallbackRule::Refuse : FallbackRule::Allow;
    try {
        shift_ = shifter_.Shift(FromDatum.Code(), ToDatum.Code(), {Position.Latitude(), Position.Longitude(), 0}, rule);
        refusal_.clear();
    } catch (const DatumError& refused) {
        shift_.reset();
        refusal_ = refused.what();
    }
    SetStatus(Latin1(refusal_));
    const ResultLines lines = shift_ ? ResultTexts(*shift_, Format()) : ResultLines{};
    for (std::size_t i = 0; i < Results.size(); ++i)
        SetResult(Results[i], i < lines.size() ? Latin1(lines[i].second) : std::string());
}

void TDatumShiftForm::Swap()
{
    const std::optional<DatumShift> found = shift_;
    FromDatum.Exchange(ToDatum);
    if (found)
        Position.SetPosition(found->Latitude, ShownLongitude(found->Longitude));
    Recompute();
}

platform::ResultsPage TDatumShiftForm::Page() const
{
    // The position as its fields took it, which a text made anew from the
    // number could show a thousandth lower (DMS.sss does not round up).
    const auto taken = [](const platform::MaskEdit& field, double value, const char* letters) {
        return field.TakenText() + " " + letters[value < 0 || std::signbit(value) ? 1 : 0];
    };
    const PageInput input{platform::FromQt(FromDatum.Text()), platform::FromQt(ToDatum.Text()),
                          taken(*Position.Lat, Position.Latitude(), "NS"),
                          taken(*Position.Lon, Position.Longitude(), "EW"), StrictBox->isChecked()};
    return ShiftPage(input, shift_, refusal_, Format());
}

} // namespace datumshift
