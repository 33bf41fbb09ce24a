#include "grid/window/grid_form.h"

#include "geo/angle_text.h"
#include "geo/ellipsoids.h"
#include "geo/position_text.h"
#include "grid/core/command_lines.h"
#include "platform/desktop/error_report.h"
#include "platform/desktop/latin1.h"
#include "platform/print/print_service.h"
#include "platform/widgets/edit.h"
#include "platform/widgets/field.h"
#include "platform/widgets/mask_edit.h"
#include "platform/widgets/radio_group.h"
#include "platform/window/surface_colours.h"
#include "platform/window/window_setup.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

#include <sstream>

namespace grid {
namespace {

constexpr int WGS84 = 22;
const char* const FormatNames[] = {"DM.dd", "DMS", "DMS.sss"};

} // namespace

TGridForm::TGridForm(Direction direction, QWidget* parent) : QMainWindow(parent), direction_(direction)
{
    const bool out = direction == Direction::ToUtm;
    setObjectName(out ? QStringLiteral("TGridOutForm") : QStringLiteral("TGridInForm"));
    setWindowTitle(out ? QStringLiteral("Geographic to UTM") : QStringLiteral("UTM to Geographic"));
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    auto* input = new QGroupBox(out ? QStringLiteral("Position") : QStringLiteral("Grid position"), client);
    auto* form = new QFormLayout(input);
    const auto named = [](QWidget* w, const char* object, const char* heard) {
        w->setObjectName(QString::fromLatin1(object));
        w->setAccessibleName(QString::fromLatin1(heard));
    };
    if (out) {
        LatEdit = new platform::MaskEdit(input);
        NorS = new platform::Edit(input);
        LonEdit = new platform::MaskEdit(input);
        EorW = new platform::Edit(input);
        named(LatEdit, "LatEdit", "Latitude");
        named(NorS, "NorS", "Latitude hemisphere");
        named(LonEdit, "LonEdit", "Longitude");
        named(EorW, "EorW", "Longitude hemisphere");
        LatEdit->SetSignsAllowed(false);
        LonEdit->SetSignsAllowed(false);
        NorS->SetText("N");
        EorW->SetText("E");
        NorS->setMaximumWidth(28);
        EorW->setMaximumWidth(28);
        auto* lat = new QHBoxLayout;
        lat->addWidget(LatEdit);
        lat->addWidget(NorS);
        auto* lon = new QHBoxLayout;
        lon->addWidget(LonEdit);
        lon->addWidget(EorW);
        form->addRow(QStringLiteral("Latitude:"), lat);
        form->addRow(QStringLiteral("Longitude:"), lon);
        ZoneBox = new QComboBox(input);
        named(ZoneBox, "ZoneBox", "Zone");
        ZoneBox->addItem(QStringLiteral("Standard"));
        form->addRow(QStringLiteral("Zone:"), ZoneBox);
    } else {
        ZoneEdit = new QLineEdit(QStringLiteral("31n"), input);
        EastingEdit = new QLineEdit(QStringLiteral("500000"), input);
        NorthingEdit = new QLineEdit(QStringLiteral("0"), input);
        named(ZoneEdit, "ZoneEdit", "Zone");
        named(EastingEdit, "EastingEdit", "Easting");
        named(NorthingEdit, "NorthingEdit", "Northing");
        ZoneEdit->setToolTip(QStringLiteral("The zone with its hemisphere (30n, 56s) or band (30U)"));
        form->addRow(QStringLiteral("Zone:"), ZoneEdit);
        form->addRow(QStringLiteral("Easting (m):"), EastingEdit);
        form->addRow(QStringLiteral("Northing (m):"), NorthingEdit);
    }
    layout->addWidget(input);

    auto* settings = new QFormLayout;
    EllipsoidBox = new QComboBox(client);
    named(EllipsoidBox, "EllipsoidBox", "Ellipsoid");
    for (std::string_view name : geo::EllipsoidNames)
        EllipsoidBox->addItem(platform::ToQt(std::string(name)));
    EllipsoidBox->setCurrentIndex(WGS84);
    settings->addRow(QStringLiteral("Ellipsoid:"), EllipsoidBox);
    layout->addLayout(settings);
    DisplayGroup = new platform::RadioGroup(client);
    named(DisplayGroup, "DisplayGroup", "Display");
    DisplayGroup->setTitle(QStringLiteral("Display"));
    DisplayGroup->SetItems({QStringLiteral("DM.dd"), QStringLiteral("DMS"), QStringLiteral("DMS.sss")});
    DisplayGroup->SetItemIndex(0);
    layout->addWidget(DisplayGroup, 0, Qt::AlignLeft);

    auto* results = new QGroupBox(QStringLiteral("Results"), client);
    auto* resultForm = new QFormLayout(results);
    const char* names[] = {"Zone", "Easting", "Northing", "Meridian convergence", "Point scale"};
    const char* inNames[] = {"Latitude", "Longitude", "Meridian convergence", "Point scale"};
    const std::vector<const char*> shown = out ? std::vector<const char*>(std::begin(names), std::end(names))
                                               : std::vector<const char*>(std::begin(inNames), std::end(inNames));
    for (const char* name : shown) {
        auto* label = new QLabel(results);
        label->setObjectName(QString::fromLatin1(name).remove(' '));
        label->setAccessibleName(QString::fromLatin1(name));
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        resultForm->addRow(QString::fromLatin1(name) + ':', label);
        Results.push_back(label);
    }
    layout->addWidget(results);
    setCentralWidget(client);
    StatusMessage = new QLabel(this);
    StatusMessage->setObjectName(QStringLiteral("StatusMessage"));
    statusBar()->addWidget(StatusMessage, 1);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Print"), this, [this] {
        platform::Guard([this] {
            platform::Printing().Print(this, windowTitle(), [this](platform::PrintCanvas& c) { PrintPage(c); });
        });
    });
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);

    const auto leave = [this](QWidget* w) { platform::Guard([this, w] { Recompute(w); }); };
    if (out) {
        for (platform::MaskEdit* f : {LatEdit, LonEdit})
            connect(f, &platform::MaskEdit::exited, this, [leave, f] { leave(f); });
        for (platform::Edit* f : {NorS, EorW})
            connect(f, &platform::Edit::exited, this, [leave, f] { leave(f); });
        connect(ZoneBox, &QComboBox::activated, this, [leave, this] { leave(ZoneBox); });
    } else {
        for (QLineEdit* f : {ZoneEdit, EastingEdit, NorthingEdit})
            connect(f, &QLineEdit::editingFinished, this, [leave, f] { leave(f); });
    }
    connect(EllipsoidBox, &QComboBox::activated, this, [leave, this] { leave(nullptr); });
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

void TGridForm::FormatChanged()
{
    const auto format = static_cast<geo::AngleFormat>(std::max(0, DisplayGroup->ItemIndex()));
    if (LatEdit) {
        // The position read in the format it was shown in, shown in the new one.
        double lat = 0, lon = 0;
        std::string message;
        const std::string latText = geo::BlanksToZeros(LatEdit->Text()), lonText = geo::BlanksToZeros(LonEdit->Text());
        if (!LatEdit->EditMask().empty()) {
            geo::AngleFormat before{};
            for (int f = 0; f < 3; ++f)
                if (LatEdit->EditMask() == geo::AngleLayout(static_cast<geo::AngleFormat>(f), false))
                    before = static_cast<geo::AngleFormat>(f);
            geo::ParseLatitude(latText, before, lat, message);
            geo::ParseLongitude(lonText, before, lon, message);
        }
        LatEdit->SetEditMask(geo::AngleLayout(format, false));
        LonEdit->SetEditMask(geo::AngleLayout(format, true));
        LatEdit->SetText(geo::EntryText(format, false, lat));
        LonEdit->SetText(geo::EntryText(format, true, lon));
    }
    Recompute(nullptr);
}

std::vector<std::string> TGridForm::Arguments() const
{
    const int format = std::max(0, DisplayGroup->ItemIndex());
    std::vector<std::string> a = {"--ellipsoid", EllipsoidBox->currentText().toStdString(), "--format", FormatNames[format]};
    if (direction_ == Direction::ToUtm) {
        if (ZoneBox->currentIndex() > 0)
            a.insert(a.end(), {"--zone", ZoneBox->currentText().toStdString()});
        a.erase(a.begin() + 2, a.begin() + 4); // gridout shows no angles but the convergence
        a.push_back(geo::Utf8Text(geo::BlanksToZeros(LatEdit->Text())) + ' ' + NorS->Text() + ' ' +
                    geo::Utf8Text(geo::BlanksToZeros(LonEdit->Text())) + ' ' + EorW->Text());
    } else {
        a.insert(a.end(), {ZoneEdit->text().trimmed().toStdString(), EastingEdit->text().trimmed().toStdString(),
                           NorthingEdit->text().trimmed().toStdString()});
    }
    return a;
}

void TGridForm::Recompute(QWidget* left)
{
    std::string out, err;
    const int status = direction_ == Direction::ToUtm ? RunGridOut(Arguments(), out, err) : RunGridIn(Arguments(), out, err);
    if (status != 0) {
        // The reason without the program's name and its usage line.
        std::string reason = err.substr(0, err.find('\n'));
        reason = reason.substr(reason.find(": ") == std::string::npos ? 0 : reason.find(": ") + 2);
        StatusMessage->setText(QString::fromUtf8(reason.c_str()));
        // A position field out of its range keeps the focus, as the start
        // fields do; the grid fields depend on each other, and stay free.
        if (auto* field = qobject_cast<platform::MaskEdit*>(left))
            platform::TakeFocusBack(*field);
        return;
    }
    StatusMessage->clear();
    lines_.clear();
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        lines_.push_back(line);
    for (std::size_t i = 0; i < Results.size() && i < lines_.size(); ++i)
        Results[i]->setText(QString::fromUtf8(lines_[i].substr(lines_[i].find(": ") + 2).c_str()));
    if (ZoneBox && left != ZoneBox) {
        // The standard zone and its neighbours, for the position now typed.
        const int zone = std::atoi(lines_.empty() ? "0" : lines_[0].substr(6).c_str());
        ZoneBox->clear();
        ZoneBox->addItem(QStringLiteral("Standard"));
        if (zone > 0)
            for (const int z : {zone == 1 ? 60 : zone - 1, zone == 60 ? 1 : zone + 1})
                ZoneBox->addItem(QString::number(z));
    }
}

void TGridForm::PrintPage(platform::PrintCanvas& canvas) const
{
    const int u = canvas.Width() / 8, v = canvas.Height() / 40;
    canvas.SetFont("Arial", 10, true);
    canvas.TextOut(u, 0, windowTitle().toStdString() + " : " + EllipsoidBox->currentText().toStdString());
    canvas.SetFont("Arial", 8, false);
    int row = 2;
    for (const std::string& argument : Arguments())
        if (!argument.starts_with("--"))
            canvas.TextOut(u, row++ * v, platform::FromQt(QString::fromUtf8(argument.c_str())));
    ++row;
    for (const std::string& line : lines_)
        canvas.TextOut(u, row++ * v, platform::FromQt(QString::fromUtf8(line.c_str())));
}

} // namespace grid
