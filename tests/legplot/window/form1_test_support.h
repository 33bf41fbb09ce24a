// A dead-reckoning window for the tests: shown offscreen and active, with
// the error report recorded, and helpers to type into its fields.
#pragma once

#include "legplot/window/form1.h"
#include "platform/desktop/modal.h"
#include "platform/desktop/number_settings.h"
#include "platform/print/printing.h"

#include "qt_test_support.h"
#include "test_texts.h"

#include <QApplication>
#include <QDate>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <string>

namespace testsupport {

// Texts of the tests write the degree sign as '*'.
using testtexts::T;

inline QString Q(const std::string& s)
{
    return QString::fromLatin1(T(s).c_str());
}

struct Window {
    ErrorRecorder errors;
    std::unique_ptr<legplot::TForm1> form = std::make_unique<legplot::TForm1>();

    Window() { ShowActive(*form); }
    ~Window()
    {
        if (form->isVisible())
            form->close();
    }

    legplot::TForm1* operator->() const { return form.get(); }
    const legplot::Leg& Leg(int k) const { return form->Plan().Legs[static_cast<std::size_t>(k - 1)]; }

    // Clears a field and types `text` into it, then leaves it with Tab.
    void TypeAndLeave(QLineEdit* field, const std::string& text)
    {
        Type(field, text);
        Tab(field);
    }

    // Clears a field and types `text` into it, without leaving it.
    void Type(QLineEdit* field, const std::string& text)
    {
        Enter(field);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        field->setCursorPosition(0);
        QTest::keyClicks(field, QString::fromLatin1(T(text).c_str()));
    }
};

// Driving the window with events, as a user does ------------------------

inline QWidget* Focus()
{
    return QApplication::focusWidget();
}

// A key at whatever has the focus now, as the keyboard sends it.
inline void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = Focus();
    if (QWidget* popup = QApplication::activePopupWidget())
        target = popup->focusWidget() ? popup->focusWidget() : popup;
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    QApplication::processEvents();
}

// Typed characters ('*' stands for the degree sign).
inline void Type(const std::string& text)
{
    QTest::keyClicks(Focus(), QString::fromLatin1(T(text).c_str()));
    QApplication::processEvents();
}

// A click at the left end of a field: the caret goes to its first position.
inline void ClickIntoStart(QWidget* field)
{
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(2, field->height() / 2));
    QApplication::processEvents();
}

// File > Print by its keys, with `choose` standing in for the user in the
// print dialog.
inline void PrintThroughTheMenu(const std::function<void(QPrinter&)>& choose)
{
    platform::SetPrintDialog([&](QPrinter& printer, QWidget*) {
        choose(printer);
        return true;
    });
    Key(Qt::Key_F, Qt::AltModifier);
    Key(Qt::Key_P);
    platform::SetPrintDialog({});
}

// File > Print by its keys, to a PDF file; the page as text.
inline QString PrintFromTheMenu()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("voyage.pdf"));
    PrintThroughTheMenu([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    });
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    pdftotext.waitForFinished(20000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// Stands in for the user in the dialogs: types a file name into the file
// dialog and presses Return (Escape when there is none), or presses a
// button of a question.
class Answers {
public:
    Answers()
    {
        previous_ = platform::SetModalRunner([this](QDialog& dialog) {
            ++asked;
            if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
                ShowActive(*files);
                auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                name->setFocus();
                if (fileName.isEmpty()) {
                    QTest::keyClick(name, Qt::Key_Escape);
                    ShowActive(*files->parentWidget()->window());
                    return files->result();
                }
                QTest::keyClicks(name, fileName);
                // The dialog's own question, "... already exists. Do you want
                // to replace it?", is answered Yes.
                QTimer replace;
                QObject::connect(&replace, &QTimer::timeout, [] {
                    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                        box->button(QMessageBox::Yes)->click();
                });
                replace.start(10);
                QTest::keyClick(name, Qt::Key_Return);
                QApplication::processEvents();
                files->hide();
                // The window the dialog was over is active again, as on a desktop.
                ShowActive(*files->parentWidget()->window());
                return files->result();
            }
            if (auto* box = qobject_cast<QMessageBox*>(&dialog))
                question = box->text();
            return static_cast<int>(button);
        });
    }
    ~Answers() { platform::SetModalRunner(previous_); }

    QString fileName;
    QMessageBox::StandardButton button = QMessageBox::Cancel;
    int asked = 0;
    QString question;

private:
    platform::ModalRunner previous_;
};

// A File menu item by its access key.
inline void Menu(int accessKey)
{
    Key(Qt::Key_F, Qt::AltModifier);
    Key(accessKey);
}

} // namespace testsupport
