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

class TMainForm : public QWidget, public Ui::TMainForm {
    Q_OBJECT

public:
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
