// Readable colours under any desktop colour scheme.
//
// The windows give some texts fixed colours (navy titles, black results)
// that were chosen for the light button-face surface. Under a light scheme
// a window takes the scheme's own surfaces; where the scheme is dark and
// navy would stand on its surfaces at a contrast below 4.5 : 1, the window
// takes a light palette instead, whole, so that the texts it leaves in the
// scheme's colours stay readable as well. A window follows the desktop when
// it switches scheme while the window is open.
#pragma once

#include <QColor>
#include <QPalette>

#include <functional>

class QWidget;

namespace platform {

inline const QColor Navy(0, 0, 128);

// The pictures' fixed colours, those of a chart printed on white paper:
// the paper and the ink of its texts and lines.
inline const QColor Paper(255, 255, 255);
inline const QColor PaperInk(0, 0, 0);

// The contrast ratio of two colours, 1 to 21 (WCAG 2).
double ContrastRatio(const QColor& a, const QColor& b);

// True when navy text is readable on the surfaces of `palette` (window,
// button and base).
bool TakesFixedTextColours(const QPalette& palette);

// A light palette of the desktop's classic look: button face, white base,
// black texts.
QPalette LightPalette();

// Gives `widget` a fixed text colour (window text, text and button text),
// leaving its surfaces to the window.
void SetTextColour(QWidget& widget, const QColor& colour);

// Gives a picture (a widget that paints itself) the paper's ground and ink
// under any desktop scheme, its ground filled before it paints, so that
// what a window tells of its colours is what the picture shows.
void ShowOnPaper(QWidget& picture);

// Gives `window` readable surfaces now and whenever the desktop's palette
// changes; `fixedColours` (which sets the window's fixed text colours on
// its controls) runs after each change.
void KeepReadableSurfaces(QWidget& window, std::function<void()> fixedColours = {});

} // namespace platform
