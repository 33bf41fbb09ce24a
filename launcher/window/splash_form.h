// The splash window: a borderless picture in the middle of the desktop
// while the launcher starts.
#pragma once

#include <QWidget>

class QLabel;

namespace launcher {

class TSplashForm : public QWidget {
    Q_OBJECT

public:
    explicit TSplashForm(QWidget* parent = nullptr);

    // The picture, 601 x 400, painted at its own size from the top-left
    // corner of the 599 x 401 window: its two rightmost columns fall
    // outside, and the window's bottom row shows the button face.
    QLabel* Image1;
};

} // namespace launcher
