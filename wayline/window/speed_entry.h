// A speed in knots typed in a fixed mask, "###.##" (digits or nothing in
// each place, so 6.5, 06.50 and 12.25 are typed as they read), or left
// blank for none: a leg then sails at the route's speed, and a route
// without one has no times. Escape brings back what is stored.
#pragma once

#include <QObject>

#include <optional>
#include <string>

class QWidget;

namespace platform {
class MaskEdit;
}

namespace wayline {

class SpeedEntry : public QObject {
    Q_OBJECT

public:
    // Makes the field in `window`, named `objectName` and heard as `name`.
    SpeedEntry(QWidget* window, const QString& objectName, const QString& name);

    platform::MaskEdit* Field = nullptr;

    const std::optional<double>& Knots() const { return knots_; }
    // Stores and shows a speed (knots, >= 0; shown to two decimals, kept
    // exact until the field is typed into). A speed the field cannot show
    // (1000 knots or more) shows as its largest.
    void SetKnots(const std::optional<double>& knots);

    // The knots of a field's text: none for blanks only; blanks within
    // the figures are no digits ("6 .5 " is 6.5).
    static std::optional<double> Read(const std::string& text);

signals:
    // The stored speed changed through the user.
    void changed();

private:
    void Exit();

    std::optional<double> knots_;
    std::string shown_; // the field's text for knots_
};

} // namespace wayline
