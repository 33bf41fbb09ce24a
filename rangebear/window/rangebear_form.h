// The distance-and-course window: two positions typed like the
// dead-reckoning window's start, an ellipsoid and a display format; the
// rhumb line and the geodesic, recomputed whenever a field is left.
#pragma once

#include "platform/module/module_window.h"
#include "platform/module/position_entry.h"

#include <array>

namespace rangebear {

class TRangeBearForm : public platform::ModuleWindow {
    Q_OBJECT

public:
    explicit TRangeBearForm(QWidget* parent = nullptr);

    platform::PositionEntry From, To;
    std::array<QLabel*, 7> Results{}; // in the order of ResultTexts

private:
    void Recompute();
    platform::ResultsPage Page() const;
};

} // namespace rangebear
