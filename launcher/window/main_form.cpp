#include "launcher/window/main_form.h"

#include "launcher/window/resources.h"
#include "launcher/window/about_box.h"
#include "launcher/core/start_wait.h"
#include "platform/desktop/error_report.h"
#include "platform/desktop/modal.h"
#include "platform/desktop/shell_open.h"
#include "platform/window/surface_colours.h"
#include "platform/system/tick_count.h"
#include "platform/window/window_setup.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>

namespace launcher {
namespace {

// Opens a module or the manual through the shell; the result is not
// looked at, and nothing is reported.
void Open(const char* file, const char* parameters = nullptr, platform::OpenAs kind = platform::OpenAs::Program)
{
    platform::Guard([&] {
        platform::ShellOpen(QString::fromLatin1(file),
                            parameters ? std::optional<QString>(QString::fromLatin1(parameters)) : std::nullopt, kind);
    });
}

} // namespace

TMainForm::TMainForm(TickSource ticks, QWidget* parent)
    : QWidget(parent), ticks_(ticks ? std::move(ticks) : TickSource(&platform::GetTickCount))
{
    EnsureResources();
    setupUi(this);
    ApplyLook();
    WireEvents();
    FormCreate();
}

void TMainForm::ApplyLook()
{
    setFixedSize(size()); // the form's
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QString());

    platform::KeepReadableSurfaces(*this, [this] { ApplyTextColours(); });
    platform::CentreOnFirstShow(*this);
    platform::FitAutoSizeLabels(*this);
    // The strip's title keeps its place at the left and grows to its text.
    Label1->resize(std::max(Label1->width(), Label1->sizeHint().width()), Label1->height());

    // Shown transparent in the colour of its bottom-left pixel.
    QPixmap picture(QStringLiteral(":/launcher/image1.bmp"));
    if (!picture.isNull()) {
        const QColor clear = picture.toImage().pixelColor(0, picture.height() - 1);
        picture.setMask(picture.createMaskFromColor(clear, Qt::MaskInColor));
        Image1->setPixmap(picture);
    }
}

void TMainForm::ApplyTextColours()
{
    for (QLabel* heading : {Label1, Label2, Label3, Label4, Label5})
        platform::SetTextColour(*heading, platform::Navy);
    // The memo reads like the window behind it.
    QPalette memo = Memo2->palette();
    memo.setColor(QPalette::Base, palette().color(QPalette::Window));
    Memo2->setPalette(memo);
}

void TMainForm::WireEvents()
{
    setMouseTracking(true);
    struct ButtonEvents {
        QPushButton* button;
        Handler click;
        Handler move; // none for Manual and About, which have no hover text
    };
    const ButtonEvents buttons[] = {
        {Button1, &TMainForm::Button1Click, &TMainForm::Button1MouseMove},
        {Button2, &TMainForm::Button2Click, &TMainForm::Button2MouseMove},
        {Button3, &TMainForm::Button3Click, &TMainForm::Button3MouseMove},
        {Button4, &TMainForm::Button4Click, nullptr},
        {Button5, &TMainForm::Button5Click, &TMainForm::Button5MouseMove},
        {Button6, &TMainForm::Button6Click, &TMainForm::Button6MouseMove},
        {Button7, &TMainForm::Button7Click, &TMainForm::Button7MouseMove},
        {Button8, &TMainForm::Button8Click, &TMainForm::Button8MouseMove},
        {Button9, &TMainForm::Button9Click, &TMainForm::Button9MouseMove},
        {Button10, &TMainForm::Button10Click, &TMainForm::Button10MouseMove},
        {Button11, &TMainForm::Button11Click, &TMainForm::Button11MouseMove},
        {Button12, &TMainForm::Button12Click, &TMainForm::Button12MouseMove},
        {Button13, &TMainForm::Button13Click, nullptr},
    };
    // The memo is in the Tab order: a screen reader names it too.
    Memo2->setAccessibleName(QStringLiteral("Program description"));
    for (const ButtonEvents& b : buttons) {
        connect(b.button, &QPushButton::clicked, this, b.click);
        // A screen reader says the caption without its access-key mark.
        b.button->setAccessibleName(b.button->text().remove(QLatin1Char('&')));
        b.button->installEventFilter(this); // Return and Enter
        if (b.move) {
            b.button->setMouseTracking(true);
            hoverHandlers_[b.button] = b.move;
        }
    }
}

void TMainForm::FormCreate()
{
    platform::Guard([this] {
        StartWait(ticks_, [] { std::this_thread::sleep_for(std::chrono::milliseconds(1)); });
    });
}

void TMainForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        Button7->setFocus();
    }
}

// Hover line ----------------------------------------------------------------

void TMainForm::Hover(const char* text)
{
    Label7->setText(QString::fromLatin1(text));
    Label7->adjustSize();
}

void TMainForm::mouseMoveEvent(QMouseEvent* event)
{
    // Moves over a child that has no handler (a label, the memo, the
    // picture, the strip, the panel) reach the window too; only its bare
    // surface counts.
    if (!childAt(event->position().toPoint()))
        FormMouseMove();
    QWidget::mouseMoveEvent(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    // Return and the keypad's Enter press the focused button, as Space does.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            button->click();
            return true;
        }
    }
    if (event->type() == QEvent::MouseMove) {
        if (const auto found = hoverHandlers_.find(watched); found != hoverHandlers_.end()) {
            (this->*found->second)();
            return true; // handled here; the window's surface is not under the mouse
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TMainForm::FormMouseMove() { Hover("VORLAN 4.1"); }
void TMainForm::Button7MouseMove() { Hover("Sun and Moon Phenomena (Rise and Set)"); }
void TMainForm::Button5MouseMove() { Hover("Planning an Astronomical Position Fix"); }
void TMainForm::Button6MouseMove() { Hover("Calculation or Replay of astronomical Position Fix."); }
void TMainForm::Button1MouseMove() { Hover("Calculations of Vertical Tide(s)"); }
void TMainForm::Button2MouseMove() { Hover("Calculations of Tidal Streams"); }
void TMainForm::Button3MouseMove() { Hover("Route Calculations"); }
void TMainForm::Button8MouseMove() { Hover("Conversion of Geographical Coordinates to UTM"); }
void TMainForm::Button9MouseMove() { Hover("Conversion of UTM to Geographical Coordinates"); }
void TMainForm::Button10MouseMove() { Hover("Distance and Course Calculations"); }
void TMainForm::Button11MouseMove() { Hover("Dead Reckoning Calculations"); }
void TMainForm::Button12MouseMove() { Hover("Datum Transformations"); }

// Buttons -------------------------------------------------------------------

void TMainForm::Button7Click() { Open("solara.exe"); }
void TMainForm::Button5Click() { Open("obsprep.exe"); }
void TMainForm::Button6Click() { Open("celpos.exe"); }
void TMainForm::Button1Click() { Open("ebbflow.exe"); }
void TMainForm::Button2Click() { Open("ebbflow.exe", "STR"); }
void TMainForm::Button3Click() { Open("wayline.exe"); }
void TMainForm::Button8Click() { Open("gridout.exe"); }
void TMainForm::Button9Click() { Open("gridin.exe"); }
void TMainForm::Button10Click() { Open("rangebear.exe"); }
void TMainForm::Button11Click() { Open("legplot.exe"); }
void TMainForm::Button12Click() { Open("datumshift.exe"); }
void TMainForm::Button4Click() { Open("Vorlan41Manual.chm", "STR", platform::OpenAs::Document); }

void TMainForm::Button13Click()
{
    if (aboutBox_)
        platform::ShowModal(*aboutBox_); // its result is not looked at
}

} // namespace launcher
