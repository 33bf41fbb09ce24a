// The datum-transformation window: a position on one datum (typed like the
// dead-reckoning start, in the display format) moved to another datum,
// with the shift, its direction and the transformation PROJ chose, its
// accuracy, and a note when it is a fallback, a ballpark or outside its
// area. "Strict" refuses a fallback instead. Swap (Ctrl+W, Alt+W) turns
// the question round: the datums change places and the result becomes the
// position. Recomputed whenever a field is left or a choice made.
#pragma once

#include "datumshift/core/datum_shift.h"
#include "datumshift/window/datum_list.h"
#include "platform/module/module_window.h"
#include "platform/module/position_entry.h"

#include <optional>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QPushButton;

namespace datumshift {

class TDatumShiftForm : public platform::ModuleWindow {
    Q_OBJECT

public:
    explicit TDatumShiftForm(QWidget* parent = nullptr);

    DatumList FromDatum;
    platform::PositionEntry Position; // on FromDatum
    DatumList ToDatum;
    QCheckBox* StrictBox = nullptr;
    QPushButton* SwapButton = nullptr;
    QAction* SwapAction = nullptr;
    std::vector<QLabel*> Results; // in the order of ResultTexts

private:
    void Recompute();
    void Swap();
    platform::ResultsPage Page() const;
    CrsDescription Lookup(const std::string& text);

    DatumShifter shifter_;
    std::optional<DatumShift> shift_; // none after a refusal
    std::string refusal_;             // UTF-8
};

} // namespace datumshift
