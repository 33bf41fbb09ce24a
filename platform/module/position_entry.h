// A position typed as the dead-reckoning start is typed: the latitude and
// longitude magnitudes in the display format's masks, each with its
// hemisphere letter (typed, or clicked to turn it), the same refusals
// ("Wrong Minutes !" keeps the field, its text selected), and Escape
// bringing back what is stored. The stored position is the value typed: a
// field tabbed through changes nothing, a format switch shows it anew in
// the new format's layout, and back in the format it was typed in it shows
// as it was typed.
#pragma once

#include "geo/angle_text.h"

#include <QObject>

#include <array>

#include <functional>
#include <string>

class QFormLayout;
class QWidget;

namespace platform {

class Edit;
class MaskEdit;

class PositionEntry : public QObject {
    Q_OBJECT

public:
    // Where the entry says what it refuses (8-bit text; empty clears it).
    using StatusSink = std::function<void(const std::string& message)>;

    // Makes the four fields in `window` (their parent). Their object names
    // are `prefix` + "Lat", "NorS", "Lon", "EorW"; a screen reader hears
    // them as `caption` + " latitude" and so on ("From latitude"); an empty
    // caption gives "Latitude". `format` is asked whenever a field is read
    // or shown. The entry itself belongs to its window as a member.
    PositionEntry(QWidget* window, const QString& prefix, const QString& caption,
                  std::function<geo::AngleFormat()> format, StatusSink status);

    // Adds the rows "Latitude:" and "Longitude:" to `form`.
    void AddRows(QFormLayout* form);

    MaskEdit* Lat = nullptr;
    Edit* NorS = nullptr;
    MaskEdit* Lon = nullptr;
    Edit* EorW = nullptr;

    double Latitude() const { return lat_; }   // signed degrees, north positive
    double Longitude() const { return lon_; }  // signed degrees, east positive
    // Stores and shows a position (from a file, or the other way round).
    void SetPosition(double lat, double lon);

    // Re-lays both fields in the current format.
    void FormatChanged();

    // A coordinate's text with its hemisphere letter, as a page prints it:
    // as typed while its format is shown ("50°21'15"120 N").
    std::string Text(bool isLongitude) const;

    // The status message is cleared when Escape brings a refused field
    // back (the new modules want that; dead reckoning keeps its message
    // until the next entry).
    void ClearStatusOnEscape(bool clear) { clearOnEscape_ = clear; }

signals:
    // The stored position changed through the user.
    void changed();

private:
    void MagnitudeExit(bool isLongitude);
    void LetterExit(bool isLongitude);
    void ApplyLetters();

    std::string EntryOf(bool isLongitude) const;

    struct Typed {
        std::string Text;              // the entry as it was taken
        geo::AngleFormat Format{};     // the format it was typed in
    };
    std::array<Typed, 2> typed_{};     // latitude, longitude
    const MaskEdit* refused_ = nullptr; // the field whose entry was refused last
    std::function<geo::AngleFormat()> format_;
    StatusSink status_;
    bool clearOnEscape_ = true;
    double lat_ = 0, lon_ = 0;
};

} // namespace platform
