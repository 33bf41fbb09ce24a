// The About box: a picture, the product name, the version, three lines
// about the publisher and a date line, closed with OK.
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
};

} // namespace launcher
