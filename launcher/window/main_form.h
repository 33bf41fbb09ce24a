// The launcher's main window: one button for each module of the suite,
// grouped under Astro, Tide, Route and Tools, the Manual and About
// buttons, and the hover line at the foot that says what a module does.
//
// Every control is a member named as in the form (main_form.ui); the
// handlers are public methods named after their control and event.
#pragma once

#include "ui_main_form.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <map>

namespace launcher {

class TAboutBox;

class TMainForm : public QWidget, private Ui::TMainForm {
    Q_OBJECT

public:
    // The form's controls, by the names the form gives them; its
    // generated setup stays the class's own.
    using Ui::TMainForm::Image1; using Ui::TMainForm::Label2; using Ui::TMainForm::Label3;
    using Ui::TMainForm::Label4; using Ui::TMainForm::Label5; using Ui::TMainForm::CoolBar1;
    using Ui::TMainForm::Label1; using Ui::TMainForm::Memo2; using Ui::TMainForm::Button5;
    using Ui::TMainForm::Button6; using Ui::TMainForm::Button7; using Ui::TMainForm::Button8;
    using Ui::TMainForm::Button9; using Ui::TMainForm::Button10; using Ui::TMainForm::Button11;
    using Ui::TMainForm::Button12; using Ui::TMainForm::Button1; using Ui::TMainForm::Button2;
    using Ui::TMainForm::Button3; using Ui::TMainForm::Panel1; using Ui::TMainForm::Label7;
    using Ui::TMainForm::Button4; using Ui::TMainForm::Button13;

    using TickSource = std::function<std::uint32_t()>;

    // `ticks` is the millisecond counter of the start wait (the system's
    // own unless a test gives another).
    explicit TMainForm(TickSource ticks = {}, QWidget* parent = nullptr);

    // The About box Button13 shows; the start sequence creates it after
    // this window.
    void SetAboutBox(TAboutBox* box) { aboutBox_ = box; }

    void FormCreate();
    void FormMouseMove();

    void Button1MouseMove();
    void Button2MouseMove();
    void Button3MouseMove();
    void Button5MouseMove();
    void Button6MouseMove();
    void Button7MouseMove();
    void Button8MouseMove();
    void Button9MouseMove();
    void Button10MouseMove();
    void Button11MouseMove();
    void Button12MouseMove();

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void Button12Click();
    void Button13Click();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    using Handler = void (TMainForm::*)();

    void ApplyLook();
    void ApplyTextColours();
    void WireEvents();
    void Hover(const char* text);

    TickSource ticks_;
    std::map<const QObject*, Handler> hoverHandlers_;
    TAboutBox* aboutBox_ = nullptr;
    bool shown_ = false;
};

} // namespace launcher
