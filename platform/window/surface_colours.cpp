#include "platform/window/surface_colours.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <cmath>
#include <utility>

namespace platform {
namespace {

constexpr double LeastContrast = 4.5; // WCAG AA for normal text

// The relative luminance of a colour (WCAG 2).
double Luminance(const QColor& c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// Re-lays the surfaces when the desktop's palette changes.
class SurfaceKeeper : public QObject {
public:
    SurfaceKeeper(QWidget& window, std::function<void()> fixedColours)
        : QObject(&window), window_(window), fixedColours_(std::move(fixedColours))
    {
        window.installEventFilter(this);
        Apply();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_ && event->type() == QEvent::ApplicationPaletteChange)
            Apply();
        return false;
    }

private:
    void Apply()
    {
        // An empty palette inherits the desktop's.
        window_.setPalette(TakesFixedTextColours(QApplication::palette()) ? QPalette() : LightPalette());
        if (fixedColours_)
            fixedColours_();
    }

    QWidget& window_;
    std::function<void()> fixedColours_;
};

} // namespace

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool TakesFixedTextColours(const QPalette& palette)
{
    for (QPalette::ColorRole surface : {QPalette::Window, QPalette::Button, QPalette::Base})
        if (ContrastRatio(Navy, palette.color(QPalette::Active, surface)) < LeastContrast)
            return false;
    return true;
}

QPalette LightPalette()
{
    const QColor face(240, 240, 240);
    QPalette p(Qt::black, face, Qt::white, QColor(160, 160, 160), QColor(160, 160, 160), Qt::black, Qt::white,
               Qt::white, face);
    p.setColor(QPalette::Midlight, QColor(227, 227, 227));
    p.setColor(QPalette::Shadow, QColor(105, 105, 105));
    p.setColor(QPalette::Highlight, QColor(0, 120, 215));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    p.setColor(QPalette::ToolTipText, Qt::black);
    p.setColor(QPalette::PlaceholderText, QColor(109, 109, 109));
    p.setColor(QPalette::Link, QColor(0, 0, 255));
    for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, text, QColor(109, 109, 109));
    return p;
}

void SetTextColour(QWidget& widget, const QColor& colour)
{
    QPalette p = widget.palette();
    for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(text, colour);
    widget.setPalette(p);
}

void ShowOnPaper(QWidget& picture)
{
    QPalette fixed = picture.palette();
    fixed.setColor(QPalette::Window, Paper);
    fixed.setColor(QPalette::WindowText, PaperInk);
    picture.setPalette(fixed);
    picture.setAutoFillBackground(true);
}

void KeepReadableSurfaces(QWidget& window, std::function<void()> fixedColours)
{
    new SurfaceKeeper(window, std::move(fixedColours));
}

} // namespace platform
