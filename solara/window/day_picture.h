// The day's picture: the Sun's and the Moon's true altitudes, -90 to 90
// degrees, over the local day, with the twilight bands below the horizon
// shaded and a mark at the present time when the day is today. Its colours
// are fixed, as a printed chart's, under any desktop scheme. A screen reader
// hears it as "Altitudes of the Sun and the Moon", with a summary of the
// day as its description.
#pragma once

#include "solara/core/day_curve.h"

#include <QWidget>

#include <optional>
#include <vector>

namespace solara {

class DayPicture : public QWidget {
    Q_OBJECT

public:
    explicit DayPicture(QWidget* parent = nullptr);

    // A label for the hour marks: the hour on the zone's clock at an instant.
    struct HourMark {
        double Utc;
        QString Text;
    };

    // Shows `samples` (from the day's start to its end), the hour marks,
    // the present time (when within the day) and the summary heard.
    void SetDay(std::vector<AltitudeSample> samples, std::vector<HourMark> hours, std::optional<double> now,
                const QString& summary);
    // Shows nothing but the frame (no day computed).
    void Clear(const QString& why);

    const std::vector<AltitudeSample>& Samples() const { return samples_; }
    std::optional<double> Now() const { return now_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<AltitudeSample> samples_;
    std::vector<HourMark> hours_;
    std::optional<double> now_;
};

} // namespace solara
