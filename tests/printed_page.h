// A window's page as the user prints it: File > Print (or another item of
// the File menu that prints) by its keys, the print dialog answered as
// "Print to File (PDF)", the PDF's text read back with pdftotext.
#pragma once

#include "platform/print/printing.h"

#include <QApplication>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace testsupport {

// The page the File menu's item of access key `item` prints. `to` names
// the PDF file (a temporary one when empty); a file that cannot be written
// leaves the page empty and the failure with the error report.
inline QString PrintedBy(Qt::Key item, const QString& to = {})
{
    QTemporaryDir dir;
    const QString pdf = to.isEmpty() ? dir.filePath(QStringLiteral("page.pdf")) : to;
    platform::SetPrintDialog([&](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
    QTest::keyClick(QApplication::activePopupWidget(), item);
    platform::SetPrintDialog({});
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    text.waitForFinished(20000);
    return QString::fromUtf8(text.readAllStandardOutput());
}

// The page File > Print prints (Alt+F P).
inline QString PrintedPage(const QString& to = {})
{
    return PrintedBy(Qt::Key_P, to);
}

} // namespace testsupport
