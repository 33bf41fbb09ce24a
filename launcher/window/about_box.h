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

class TAboutBox : public QDialog, private Ui::TAboutBox {
    Q_OBJECT

public:
    // The form's controls, by the names the form gives them; its
    // generated setup stays the class's own.
    using Ui::TAboutBox::Panel1; using Ui::TAboutBox::ProgramIcon; using Ui::TAboutBox::ProductName;
    using Ui::TAboutBox::Version; using Ui::TAboutBox::Copyright; using Ui::TAboutBox::Comments;
    using Ui::TAboutBox::Label1; using Ui::TAboutBox::Label2; using Ui::TAboutBox::OKButton;

    explicit TAboutBox(QWidget* parent = nullptr);

protected:
    // OK has the focus whenever the box opens.
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
};

} // namespace launcher
