#include "rangebear/window/rangebear_form.h"

#include "platform/desktop/error_report.h"
#include "platform/desktop/latin1.h"
#include "platform/print/print_service.h"
#include "platform/widgets/edit.h"
#include "platform/widgets/mask_edit.h"
#include "platform/widgets/radio_group.h"
#include "platform/window/surface_colours.h"
#include "platform/window/window_setup.h"
#include "rangebear/core/command_line.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

#include <cmath>

namespace rangebear {
namespace {

constexpr int WGS84 = 22;

double Signed(double magnitude, bool negative) { return negative ? -std::fabs(magnitude) : std::fabs(magnitude); }

} // namespace

TRangeBearForm::TRangeBearForm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TRangeBearForm"));
    setWindowTitle(QStringLiteral("Distance and Course Calculations"));
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);

    const auto position = [&](PositionFields& p, const QString& caption, const QString& prefix) {
        auto* box = new QGroupBox(caption, client);
        auto* form = new QFormLayout(box);
        p.Lat = new platform::MaskEdit(box);
        p.NorS = new platform::Edit(box);
        p.Lon = new platform::MaskEdit(box);
        p.EorW = new platform::Edit(box);
        const std::pair<QWidget*, QString> named[] = {{p.Lat, QStringLiteral("Lat")}, {p.NorS, QStringLiteral("NorS")},
                                                      {p.Lon, QStringLiteral("Lon")}, {p.EorW, QStringLiteral("EorW")}};
        for (const auto& [w, name] : named)
            w->setObjectName(prefix + name);
        p.Lat->SetSignsAllowed(false);
        p.Lon->SetSignsAllowed(false);
        p.NorS->SetText("N");
        p.EorW->SetText("E");
        for (platform::Edit* letter : {p.NorS, p.EorW})
            letter->setMaximumWidth(28);
        auto* latRow = new QHBoxLayout;
        latRow->addWidget(p.Lat);
        latRow->addWidget(p.NorS);
        auto* lonRow = new QHBoxLayout;
        lonRow->addWidget(p.Lon);
        lonRow->addWidget(p.EorW);
        form->addRow(QStringLiteral("Latitude:"), latRow);
        form->addRow(QStringLiteral("Longitude:"), lonRow);
        p.Lat->setAccessibleName(caption + QStringLiteral(" latitude"));
        p.NorS->setAccessibleName(caption + QStringLiteral(" latitude hemisphere"));
        p.Lon->setAccessibleName(caption + QStringLiteral(" longitude"));
        p.EorW->setAccessibleName(caption + QStringLiteral(" longitude hemisphere"));
        layout->addWidget(box);
    };
    position(From, QStringLiteral("From"), QStringLiteral("From"));
    position(To, QStringLiteral("To"), QStringLiteral("To"));

    auto* settings = new QFormLayout;
    EllipsoidBox = new QComboBox(client);
    EllipsoidBox->setObjectName(QStringLiteral("EllipsoidBox"));
    EllipsoidBox->setAccessibleName(QStringLiteral("Ellipsoid"));
    for (std::string_view name : geo::EllipsoidNames)
        EllipsoidBox->addItem(platform::ToQt(std::string(name)));
    EllipsoidBox->setCurrentIndex(WGS84);
    settings->addRow(QStringLiteral("Ellipsoid:"), EllipsoidBox);
    layout->addLayout(settings);
    DisplayGroup = new platform::RadioGroup(client);
    DisplayGroup->setObjectName(QStringLiteral("DisplayGroup"));
    DisplayGroup->setTitle(QStringLiteral("Display"));
    DisplayGroup->setAccessibleName(QStringLiteral("Display"));
    DisplayGroup->SetItems({QStringLiteral("DM.dd"), QStringLiteral("DMS"), QStringLiteral("DMS.sss")});
    DisplayGroup->SetItemIndex(0);
    layout->addWidget(DisplayGroup, 0, Qt::AlignLeft);

    auto* results = new QGroupBox(QStringLiteral("Results"), client);
    auto* resultForm = new QFormLayout(results);
    const auto names = ResultTexts({}, geo::AngleFormat::DMdd);
    for (std::size_t i = 0; i < Results.size(); ++i) {
        Results[i] = new QLabel(results);
        Results[i]->setObjectName(QStringLiteral("Result%1").arg(i + 1));
        Results[i]->setAccessibleName(QString::fromStdString(names[i].Name));
        Results[i]->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        resultForm->addRow(QString::fromStdString(names[i].Name) + ':', Results[i]);
    }
    layout->addWidget(results);
    setCentralWidget(client);

    StatusMessage = new QLabel(this);
    StatusMessage->setObjectName(QStringLiteral("StatusMessage"));
    statusBar()->addWidget(StatusMessage, 1);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Print"), this, [this] {
        platform::Guard([this] {
            platform::Printing().Print(this, QStringLiteral("Distance and course"),
                                       [this](platform::PrintCanvas& c) { PrintPage(c); });
        });
    });
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);

    for (PositionFields* p : {&From, &To}) {
        connect(p->Lat, &platform::MaskEdit::exited, this, [this, p] { platform::Guard([&] { PositionExit(*p, false); }); });
        connect(p->Lon, &platform::MaskEdit::exited, this, [this, p] { platform::Guard([&] { PositionExit(*p, true); }); });
        connect(p->NorS, &platform::Edit::exited, this, [this, p] { platform::Guard([&] { LetterExit(*p, false); }); });
        connect(p->EorW, &platform::Edit::exited, this, [this, p] { platform::Guard([&] { LetterExit(*p, true); }); });
        // A click on a letter turns it to the other hemisphere.
        connect(p->NorS, &platform::Edit::clicked, this, [p] { p->NorS->SetText(p->NorS->Text() == "N" ? "S" : "N"); });
        connect(p->EorW, &platform::Edit::clicked, this, [p] { p->EorW->SetText(p->EorW->Text() == "E" ? "W" : "E"); });
    }
    connect(EllipsoidBox, &QComboBox::activated, this, [this] { platform::Guard([this] { Recompute(); }); });
    connect(DisplayGroup, &platform::RadioGroup::clicked, this, [this] { platform::Guard([this] { FormatChanged(); }); });

    // The suite's look: navy captions, results in black.
    platform::KeepReadableSurfaces(*this, [this] {
        platform::SetTextColour(*this, platform::Navy);
        for (QLabel* result : Results)
            platform::SetTextColour(*result, Qt::black);
    });
    platform::CentreOnFirstShow(*this);
    FormatChanged();
}

geo::AngleFormat TRangeBearForm::Format() const
{
    const int index = DisplayGroup->ItemIndex();
    return static_cast<geo::AngleFormat>(index >= 0 && index <= 2 ? index : 0);
}

void TRangeBearForm::FormatChanged()
{
    for (PositionFields* p : {&From, &To}) {
        const Stored& s = StoredOf(*p);
        p->Lat->SetEditMask(geo::AngleLayout(Format(), false));
        p->Lon->SetEditMask(geo::AngleLayout(Format(), true));
        p->Lat->SetText(geo::EntryText(Format(), false, s.Lat));
        p->Lon->SetText(geo::EntryText(Format(), true, s.Lon));
    }
    Recompute();
}

void TRangeBearForm::PositionExit(PositionFields& p, bool isLongitude)
{
    platform::MaskEdit* field = isLongitude ? p.Lon : p.Lat;
    double& stored = isLongitude ? StoredOf(p).Lon : StoredOf(p).Lat;
    const std::string text = geo::BlanksToZeros(field->Text());
    double value = 0;
    std::string message;
    if (isLongitude)
        geo::ParseLongitude(text, Format(), value, message);
    else
        geo::ParseLatitude(text, Format(), value, message);
    StatusMessage->setText(platform::ToQt(message));
    if (!message.empty()) {
        field->SetRefusedText(text, geo::EntryText(Format(), isLongitude, stored));
        platform::TakeFocusBack(*field);
        return;
    }
    const platform::Edit* letter = isLongitude ? p.EorW : p.NorS;
    stored = Signed(value, letter->Text() == (isLongitude ? "W" : "S"));
    field->SetText(text);
    Recompute();
}

void TRangeBearForm::LetterExit(PositionFields& p, bool isLongitude)
{
    platform::Edit* letter = isLongitude ? p.EorW : p.NorS;
    const std::string text = letter->text().toUpper().toStdString();
    const std::string positive = isLongitude ? "E" : "N", negative = isLongitude ? "W" : "S";
    if (text != positive && text != negative) {
        StatusMessage->setText(QString::fromStdString(positive + " or " + negative));
        platform::TakeFocusBack(*letter);
        return;
    }
    letter->SetText(text);
    StatusMessage->clear();
    double& stored = isLongitude ? StoredOf(p).Lon : StoredOf(p).Lat;
    stored = Signed(stored, text == negative);
    Recompute();
}

void TRangeBearForm::Recompute()
{
    // The letters count even when only they changed (a click).
    for (PositionFields* p : {&From, &To}) {
        Stored& s = StoredOf(*p);
        s.Lat = Signed(s.Lat, p->NorS->Text() == "S");
        s.Lon = Signed(s.Lon, p->EorW->Text() == "W");
    }
    const RangeBearing r = Solve(geo::DefinedEllipsoid(std::max(0, EllipsoidBox->currentIndex())), from_.Lat, from_.Lon,
                                 to_.Lat, to_.Lon);
    const auto texts = ResultTexts(r, Format());
    for (std::size_t i = 0; i < Results.size(); ++i)
        Results[i]->setText(platform::ToQt(texts[i].Value));
}

void TRangeBearForm::PrintPage(platform::PrintCanvas& canvas) const
{
    const int u = canvas.Width() / 8, v = canvas.Height() / 40;
    canvas.SetFont("Arial", 10, true);
    canvas.TextOut(u, 0, "Distance and Course : " + EllipsoidBox->currentText().toStdString());
    canvas.SetFont("Arial", 8, false);
    canvas.TextOut(u, 2 * v, "From : " + geo::FormatAngle(Format(), false, from_.Lat) + "   " +
                                 geo::FormatAngle(Format(), true, from_.Lon));
    canvas.TextOut(u, 3 * v, "To : " + geo::FormatAngle(Format(), false, to_.Lat) + "   " +
                                 geo::FormatAngle(Format(), true, to_.Lon));
    const auto texts = ResultTexts(Solve(geo::DefinedEllipsoid(std::max(0, EllipsoidBox->currentIndex())), from_.Lat,
                                         from_.Lon, to_.Lat, to_.Lon),
                                   Format());
    for (std::size_t i = 0; i < texts.size(); ++i)
        canvas.TextOut(u, static_cast<int>(5 + i) * v, texts[i].Name + " : " + texts[i].Value);
}

} // namespace rangebear
