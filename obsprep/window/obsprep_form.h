// The planning window: the DR typed like the dead-reckoning start, its
// time on the ship's clock, the course and speed, the ship's date, morning
// or evening; the time of the list in UT (the middle of nautical twilight
// unless typed); the twilights and meridian passage, the bodies between 15
// and 75 degrees with their Hc, Zn and magnitude (by brightness or by
// azimuth), the proposed stars marked, and the sky as a star finder shows
// it; all recomputed whenever a field is left or a choice made. File >
// Print prints the planning list.
#pragma once

#include "obsprep/core/plan.h"
#include "platform/module/module_window.h"
#include "platform/module/position_entry.h"
#include "platform/module/time_entry.h"

#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QTableWidget;

namespace platform {
class DatePicker;
class MaskEdit;
class RadioGroup;
} // namespace platform

namespace obsprep {

class SkyPicture;

class TObsPrepForm : public platform::ModuleWindow {
    Q_OBJECT

public:
    explicit TObsPrepForm(QWidget* parent = nullptr);

    platform::PositionEntry Dr;
    platform::TimeEntry DrTime;               // on the ship's clock (ZT)
    platform::MaskEdit* CourseEdit = nullptr; // ddd.d, up to 359.9
    platform::MaskEdit* SpeedEdit = nullptr;  // dd.d knots, up to 60.0
    platform::DatePicker* DateField = nullptr;
    platform::RadioGroup* TwilightGroup = nullptr; // Morning, Evening
    platform::TimeEntry ListTime;                  // UT, within the ship's day
    QCheckBox* AtTwilightBox = nullptr;            // the list at the middle of nautical twilight
    platform::RadioGroup* OrderGroup = nullptr;    // By brightness, By azimuth
    platform::RadioGroup* SetGroup = nullptr;      // 3 stars, 5 stars
    std::vector<QLabel*> Results;                  // TwilightLines, then ListLines
    QTableWidget* ListTable = nullptr;
    SkyPicture* Picture = nullptr;

    enum TwilightItem { MorningItem, EveningItem };
    enum OrderItem { BrightnessItem, AzimuthItem };
    enum SetItem { ThreeStars, FiveStars };

    // The last plan computed; none after a refusal.
    const std::optional<Plan>& CurrentPlan() const { return plan_; }

private:
    void MakeInputs();
    void MakeChoices(class QBoxLayout* where);
    void MakeResults();
    void NumberExit(platform::MaskEdit* field, double& stored, double largest, const char* refusal, int decimals);
    void Recompute();
    void Show();
    void ShowTable();
    void ShowPicture();
    PlanRequest Request() const;
    platform::ResultsPage Page() const;

    double course_ = 0, speed_ = 0;
    std::optional<Plan> plan_;
    std::string refusal_;
};

} // namespace obsprep
