// The About box: a picture, the product name, the version, three lines
// about the publisher and a date line, closed with OK, Return, Escape or
// the window manager's close. A dialog frame over the launcher, with no
// minimize or maximize box: a window manager that minimizes it anyway
// without the launcher gets it straight back, so that the launcher never
// stands blocked behind a box nobody sees.
#pragma once

#include "ui_about_box.h"

#include <QDialog>

namespace launcher {

class TAboutBox : public QDialog, public Ui::TAboutBox {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

protected:
    // OK has the focus whenever the box opens.
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
};

} // namespace launcher
