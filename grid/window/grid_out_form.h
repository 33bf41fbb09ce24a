// Geographic to UTM (gridout): a position typed like the dead-reckoning
// start, the standard zone or a neighbour the position allows, the
// ellipsoid; the grid position, recomputed whenever a field is left.
#pragma once

#include "grid/core/command_lines.h"
#include "platform/module/module_window.h"
#include "platform/module/position_entry.h"

#include <optional>
#include <vector>

namespace grid {

class TGridOutForm : public platform::ModuleWindow {
    Q_OBJECT

public:
    explicit TGridOutForm(QWidget* parent = nullptr);

    platform::PositionEntry Position;
    QComboBox* ZoneBox = nullptr; // "Standard", then the neighbours the position takes
    std::vector<QLabel*> Results;  // in the order of GridOutLines

private:
    void Recompute(bool offerZones);
    int RequestedZone() const;
    platform::ResultsPage Page() const;

    std::optional<GridPosition> grid_; // none after a refusal
    std::string refusal_;
};

} // namespace grid
