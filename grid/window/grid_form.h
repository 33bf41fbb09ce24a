// The UTM windows: geographic to UTM (gridout) and UTM to geographic
// (gridin). Each takes what its command line takes, in fields, and shows
// the command line's answer line by line; a refusal is said in the status
// bar and the field keeps the focus.
#pragma once

#include <QMainWindow>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;

namespace platform {
class Edit;
class MaskEdit;
class PrintCanvas;
class RadioGroup;
} // namespace platform

namespace grid {

class TGridForm : public QMainWindow {
    Q_OBJECT

public:
    enum class Direction { ToUtm, FromUtm };
    explicit TGridForm(Direction direction, QWidget* parent = nullptr);

    // gridout's position.
    platform::MaskEdit* LatEdit = nullptr;
    platform::Edit* NorS = nullptr;
    platform::MaskEdit* LonEdit = nullptr;
    platform::Edit* EorW = nullptr;
    QComboBox* ZoneBox = nullptr; // the standard zone, or a neighbour
    // gridin's grid position.
    QLineEdit* ZoneEdit = nullptr;
    QLineEdit* EastingEdit = nullptr;
    QLineEdit* NorthingEdit = nullptr;

    QComboBox* EllipsoidBox = nullptr;
    platform::RadioGroup* DisplayGroup = nullptr;
    std::vector<QLabel*> Results;
    QLabel* StatusMessage = nullptr;

    void PrintPage(platform::PrintCanvas& canvas) const;

private:
    void FormatChanged();
    void Recompute(QWidget* left);
    std::vector<std::string> Arguments() const;

    Direction direction_;
    std::vector<std::string> lines_; // the last answer, "Name: value"
};

} // namespace grid
