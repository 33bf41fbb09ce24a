#include "platform/module/position_entry.h"

#include "platform/desktop/error_report.h"
#include "platform/widgets/edit.h"
#include "platform/widgets/mask_edit.h"

#include <QFormLayout>
#include <QHBoxLayout>

#include <cmath>

namespace platform {
namespace {

constexpr int LetterWidth = 28;

double Signed(double magnitude, bool negative) { return negative ? -std::fabs(magnitude) : std::fabs(magnitude); }

} // namespace

PositionEntry::PositionEntry(QWidget* window, const QString& prefix, const QString& caption,
                             std::function<geo::AngleFormat()> format, StatusSink status)
    : format_(std::move(format)), status_(std::move(status))
{
    Lat = new MaskEdit(window);
    NorS = new Edit(window);
    Lon = new MaskEdit(window);
    EorW = new Edit(window);
    const QString heard = caption.isEmpty() ? QString() : caption + ' ';
    const auto name = [&](QWidget* w, const char* object, const char* what) {
        w->setObjectName(prefix + QString::fromLatin1(object));
        QString text = heard + QString::fromLatin1(what);
        text[0] = text[0].toUpper();
        w->setAccessibleName(text);
    };
    name(Lat, "Lat", "latitude");
    name(NorS, "NorS", "latitude hemisphere");
    name(Lon, "Lon", "longitude");
    name(EorW, "EorW", "longitude hemisphere");
    Lat->SetSignsAllowed(false); // magnitudes: the letters give the hemisphere
    Lon->SetSignsAllowed(false);
    NorS->SetText("N");
    EorW->SetText("E");
    for (Edit* letter : {NorS, EorW})
        letter->setMaximumWidth(LetterWidth);

    connect(Lat, &MaskEdit::exited, this, [this] { Guard([this] { MagnitudeExit(false); }); });
    connect(Lon, &MaskEdit::exited, this, [this] { Guard([this] { MagnitudeExit(true); }); });
    connect(NorS, &Edit::exited, this, [this] { Guard([this] { LetterExit(false); }); });
    connect(EorW, &Edit::exited, this, [this] { Guard([this] { LetterExit(true); }); });
    // A click on a letter turns it to the other hemisphere.
    connect(NorS, &Edit::clicked, this, [this] {
        Guard([this] {
            NorS->SetText(NorS->Text() == "N" ? "S" : "N");
            ApplyLetters();
        });
    });
    connect(EorW, &Edit::clicked, this, [this] {
        Guard([this] {
            EorW->SetText(EorW->Text() == "E" ? "W" : "E");
            ApplyLetters();
        });
    });
    for (MaskEdit* field : {Lat, Lon})
        connect(field, &MaskEdit::restored, this, [this] {
            refused_ = nullptr;
            if (clearOnEscape_)
                status_({});
        });
    FormatChanged();
}

void PositionEntry::AddRows(QFormLayout* form)
{
    const auto row = [](QWidget* magnitude, QWidget* letter) {
        auto* r = new QHBoxLayout;
        r->addWidget(magnitude);
        r->addWidget(letter);
        return r;
    };
    form->addRow(QStringLiteral("Latitude:"), row(Lat, NorS));
    form->addRow(QStringLiteral("Longitude:"), row(Lon, EorW));
}

void PositionEntry::SetPosition(double lat, double lon)
{
    lat_ = lat;
    lon_ = lon;
    typed_ = {};
    NorS->SetText(lat < 0 || std::signbit(lat) ? "S" : "N");
    EorW->SetText(lon < 0 || std::signbit(lon) ? "W" : "E");
    FormatChanged();
}

void PositionEntry::FormatChanged()
{
    const geo::AngleFormat f = format_();
    Lat->SetEditMask(geo::AngleLayout(f, false));
    Lon->SetEditMask(geo::AngleLayout(f, true));
    Lat->SetText(EntryOf(false));
    Lon->SetText(EntryOf(true));
}

std::string PositionEntry::EntryOf(bool isLongitude) const
{
    // As it was typed while its format is shown (a text made again from
    // the number could end a thousandth lower), from the number otherwise.
    const geo::AngleFormat f = format_();
    const Typed& t = typed_[isLongitude ? 1 : 0];
    return !t.Text.empty() && t.Format == f ? t.Text : geo::EntryText(f, isLongitude, isLongitude ? lon_ : lat_);
}

std::string PositionEntry::Text(bool isLongitude) const
{
    const double value = isLongitude ? lon_ : lat_;
    const bool negative = value < 0 || std::signbit(value);
    return EntryOf(isLongitude) + (isLongitude ? (negative ? " W" : " E") : (negative ? " S" : " N"));
}

void PositionEntry::MagnitudeExit(bool isLongitude)
{
    MaskEdit* field = isLongitude ? Lon : Lat;
    double& stored = isLongitude ? lon_ : lat_;
    // A field tabbed through shows what is stored: reading its text again
    // would round the position to the format shown.
    const std::string text = geo::BlanksToZeros(field->Text());
    if (text == EntryOf(isLongitude)) {
        if (refused_ == field) // typed back to what is stored: nothing is wrong any more
            status_({});
        refused_ = nullptr;
        return;
    }
    double value = stored;
    std::string message;
    geo::ParseCoordinate(isLongitude, text, format_(), value, message);
    status_(message);
    refused_ = message.empty() ? nullptr : field;
    if (!message.empty()) {
        field->SetRefusedText(text, EntryOf(isLongitude));
        TakeFocusBack(*field);
        return;
    }
    const Edit* letter = isLongitude ? EorW : NorS;
    stored = Signed(value, letter->Text() == (isLongitude ? "W" : "S"));
    typed_[isLongitude ? 1 : 0] = {text, format_()};
    field->SetText(text);
    emit changed();
}

void PositionEntry::LetterExit(bool isLongitude)
{
    Edit* letter = isLongitude ? EorW : NorS;
    const std::string text = letter->text().toUpper().toStdString();
    const std::string positive = isLongitude ? "E" : "N", negative = isLongitude ? "W" : "S";
    if (text != positive && text != negative) {
        status_(positive + " or " + negative);
        TakeFocusBack(*letter);
        return;
    }
    letter->SetText(text);
    status_({});
    ApplyLetters();
}

void PositionEntry::ApplyLetters()
{
    const double lat = Signed(lat_, NorS->Text() == "S"), lon = Signed(lon_, EorW->Text() == "W");
    if (lat == lat_ && lon == lon_ && std::signbit(lat) == std::signbit(lat_) && std::signbit(lon) == std::signbit(lon_))
        return;
    lat_ = lat;
    lon_ = lon;
    emit changed();
}

} // namespace platform
