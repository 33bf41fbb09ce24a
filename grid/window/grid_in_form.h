// UTM to geographic (gridin): a zone, an easting and a northing as the
// command line takes them, the ellipsoid and the display format; the
// position, recomputed whenever a field is left. A refused entry is said
// in the status bar and leaves no results beside it.
#pragma once

#include "grid/core/command_lines.h"
#include "platform/module/module_window.h"

#include <optional>
#include <vector>

class QLineEdit;

namespace grid {

class TGridInForm : public platform::ModuleWindow {
    Q_OBJECT

public:
    explicit TGridInForm(QWidget* parent = nullptr);

    QLineEdit* ZoneEdit = nullptr;
    QLineEdit* EastingEdit = nullptr;
    QLineEdit* NorthingEdit = nullptr;
    std::vector<QLabel*> Results; // in the order of GridInLines

private:
    void Recompute();
    void Show();
    platform::ResultsPage Page() const;

    std::optional<GeoPosition> position_; // none after a refusal
    std::string refusal_;
};

} // namespace grid
