// The distance-and-course window: two positions typed like the
// dead-reckoning window's start, an ellipsoid and a display format; the
// rhumb line and the geodesic, recomputed whenever a field is left.
#pragma once

#include "geo/angle_text.h"
#include "rangebear/core/range_bearing.h"

#include <QMainWindow>

#include <array>
#include <string>

class QComboBox;
class QLabel;

namespace platform {
class Edit;
class MaskEdit;
class PrintCanvas;
class RadioGroup;
} // namespace platform

namespace rangebear {

class TRangeBearForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TRangeBearForm(QWidget* parent = nullptr);

    // One position's controls: magnitudes and their hemisphere letters.
    struct PositionFields {
        platform::MaskEdit* Lat;
        platform::Edit* NorS;
        platform::MaskEdit* Lon;
        platform::Edit* EorW;
    };
    PositionFields From{}, To{};
    QComboBox* EllipsoidBox = nullptr;
    platform::RadioGroup* DisplayGroup = nullptr;
    std::array<QLabel*, 7> Results{}; // in the order of ResultTexts
    QLabel* StatusMessage = nullptr;

    // Draws the results as they stand on a page.
    void PrintPage(platform::PrintCanvas& canvas) const;

private:
    void PositionExit(PositionFields& p, bool isLongitude);
    void LetterExit(PositionFields& p, bool isLongitude);
    void FormatChanged();
    void Recompute();
    geo::AngleFormat Format() const;

    struct Stored {
        double Lat = 0, Lon = 0; // signed degrees
    };
    Stored from_, to_;
    Stored& StoredOf(const PositionFields& p) { return &p == &From ? from_ : to_; }
};

} // namespace rangebear
