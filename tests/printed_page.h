// A window's page as the user prints it: File > Print by its keys, the
// print dialog answered as "Print to File (PDF)", the PDF's text read back
// with pdftotext.
#pragma once

#include "platform/print/printing.h"

#include <QApplication>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace testsupport {

// `to` names the PDF file (a temporary one when empty); a file that cannot
// be written leaves the page empty and the failure with the error report.
inline QString PrintedPage(const QString& to = {})
{
    QTemporaryDir dir;
    const QString pdf = to.isEmpty() ? dir.filePath(QStringLiteral("page.pdf")) : to;
    platform::SetPrintDialog([&](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_P);
    platform::SetPrintDialog({});
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    text.waitForFinished(20000);
    return QString::fromUtf8(text.readAllStandardOutput());
}

} // namespace testsupport
