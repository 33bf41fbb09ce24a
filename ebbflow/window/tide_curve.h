// The tide curve: the height against time over the days shown, the datum
// drawn and named, the high and low waters marked; for a tidal stream the
// speed, flood above the slack line and ebb below it. The present instant
// is marked when it falls inside. Its colours are a printed chart's, fixed
// under any desktop scheme; a screen reader hears it by its name and a
// description of what it shows.
#pragma once

#include "ebbflow/core/prediction_curve.h"
#include "timezones/zone.h"

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

namespace ebbflow {

struct CurveData {
    Curve Values;                  // the samples, in time order
    std::vector<TideEvent> Events; // marked with their times
    double From = 0, To = 0;       // UTC seconds, the days shown
    std::optional<timezones::Zone> Clock; // the zone the time axis is labelled in
    bool Stream = false;
    std::string Datum;                // "Mean Lower Low Water" (UTF-8); the slack line for streams
    std::string Unit;                 // "ft", "m", "kn"
    std::optional<double> Now;        // the present instant, when it falls inside
};

class TideCurve : public QWidget {
    Q_OBJECT

public:
    explicit TideCurve(QWidget* parent = nullptr);

    // What is drawn; an empty curve draws the frame and says so.
    void SetData(CurveData data);
    const CurveData& Data() const { return data_; }

    // Moves the present instant (UTC seconds) and redraws it.
    void SetNow(double utc);

    // What a screen reader hears as the description ("Height from ...").
    QString Summary() const;

    QSize sizeHint() const override { return {560, 240}; }
    QSize minimumSizeHint() const override { return {320, 160}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CurveData data_;
};

} // namespace ebbflow
