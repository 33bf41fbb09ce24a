// The sky at the time of the list, as a star finder shows it: the horizon
// as the outer circle, the zenith at the centre, altitude inward (the
// distance from the centre is the zenith distance), azimuth round with
// north up and east to the right, as bearings are read off a compass
// rose. The 15 and 75 degree circles bound the bodies listed; stars are
// dots sized by magnitude, planets and the Moon marked apart, the proposed
// stars ringed and named in bold. Its colours are fixed, as a printed
// chart's, under any desktop scheme. A screen reader hears it as "Sky at
// the time of the list", with the proposed stars and their bearings as its
// description.
#pragma once

#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

namespace obsprep {

class SkyPicture : public QWidget {
    Q_OBJECT

public:
    explicit SkyPicture(QWidget* parent = nullptr);

    enum class MarkKind { Star, Planet, Moon };
    struct Mark {
        QString Name;
        double HcDeg, ZnDeg;
        std::optional<double> Magnitude;
        MarkKind Kind;
        bool Proposed;
    };

    // Shows `marks` and sets what a screen reader hears of them.
    void SetSky(std::vector<Mark> marks, const QString& description);
    // Shows the empty sky (no list), saying why.
    void Clear(const QString& why);

    const std::vector<Mark>& Marks() const { return marks_; }
    // Where a body at altitude `hcDeg` and azimuth `znDeg` is drawn.
    QPointF PointOf(double hcDeg, double znDeg) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawGrid(class QPainter& p) const;
    void DrawMark(QPainter& p, const Mark& mark) const;
    QPointF Centre() const;
    double HorizonRadius() const;

    std::vector<Mark> marks_;
};

} // namespace obsprep
