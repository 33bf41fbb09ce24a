#include "platform/print/printing.h"

#include "full_folder.h"
#include "private_cups.h"
#include "qt_test_support.h"
#include "test_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

#include <stdexcept>

namespace {

// The dead-reckoning page: no document name, a failure names the voyage.
const platform::PrintJob Voyage{QString(), QStringLiteral("The voyage could not be printed")};

struct PdfPrinter {
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("page.pdf"));
    QPrinter printer{QPrinter::HighResolution};

    PdfPrinter()
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    }
};

TEST(PrintOnePage, HandsOverAPageWithThePrintersGeometry)
{
    PdfPrinter p;
    int width = 0, height = 0;
    platform::PrintOnePage(p.printer, Voyage, [&](platform::PrintCanvas& canvas) {
        width = canvas.Width();
        height = canvas.Height();
        canvas.SetFont("Arial", 10, true);
        canvas.TextOut(width / 8, 0, "Dead Reckoning : ");
    });
    EXPECT_GT(width, 1000);
    EXPECT_GT(height, width);
    EXPECT_TRUE(QFile::exists(p.file));
    EXPECT_GT(QFile(p.file).size(), 0);
}

// A text hangs from the place it is put at: written at the top of the
// printable area, its letters start there, on the page.
TEST(PrintOnePage, TextsHangFromTheirPlace)
{
    PdfPrinter p;
    platform::PrintOnePage(p.printer, Voyage, [](platform::PrintCanvas& canvas) {
        canvas.SetFont("Arial", 10, false);
        canvas.TextOut(0, 0, "Top");
    });
    QProcess boxes;
    boxes.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), p.file, QStringLiteral("-")});
    ASSERT_TRUE(boxes.waitForFinished());
    const QRegularExpression word(QStringLiteral(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>Top</word>)re"));
    const QRegularExpressionMatch top = word.match(QString::fromUtf8(boxes.readAllStandardOutput()));
    ASSERT_TRUE(top.hasMatch());
    const QRectF area = p.printer.pageLayout().paintRectPoints();
    EXPECT_NEAR(top.captured(1).toDouble(), area.left(), 2.0);
    EXPECT_NEAR(top.captured(2).toDouble(), area.top(), 2.0);
}

// Prints half a page on `printer`, then fails as a computation can; true
// when the failure came through.
bool FailedHalfWay(QPrinter& printer)
{
    try {
        platform::PrintOnePage(printer, Voyage, [](platform::PrintCanvas& canvas) {
            canvas.TextOut(0, 0, "half a page");
            throw std::runtime_error("Invalid floating point operation");
        });
    } catch (const std::runtime_error& e) {
        return std::string(e.what()) == "Invalid floating point operation";
    }
    return false;
}

TEST(PrintOnePage, FailureWhileDrawingDiscardsTheDocumentAndPassesTheErrorOn)
{
    PdfPrinter p;
    EXPECT_TRUE(FailedHalfWay(p.printer));
    EXPECT_FALSE(QFile::exists(p.file));

    // A printer is handed no job.
    testsupport::PrivateCups cups;
    ASSERT_TRUE(cups.Ready()) << cups.Log().toStdString();
    QPrinter printer;
    printer.setPrinterName(QString::fromLatin1(testsupport::PrivateCups::Queue));
    EXPECT_TRUE(FailedHalfWay(printer));
    EXPECT_EQ(cups.Jobs(), 0);
    platform::PrintOnePage(printer, Voyage, [](platform::PrintCanvas& canvas) { canvas.TextOut(0, 0, "whole"); });
    EXPECT_EQ(cups.Jobs(), 1);
}

TEST(PrintOnePage, AFileThatCannotBeStartedIsAnErrorNamingIt)
{
    PdfPrinter p;
    const QString file = p.dir.filePath(QStringLiteral("no/such/folder/page.pdf"));
    p.printer.setOutputFileName(file);
    bool drawn = false;
    try {
        platform::PrintOnePage(p.printer, Voyage, [&](platform::PrintCanvas&) { drawn = true; });
        FAIL() << "no error";
    } catch (const platform::PrintError& e) {
        EXPECT_EQ(QString::fromUtf8(e.what()),
                  QStringLiteral("The voyage could not be printed to %1: No such file or directory").arg(file));
    }
    EXPECT_FALSE(drawn);
}

TEST(PrintOnePage, AFullDiskIsReportedAndLeavesTheFileAsItWas)
{
    testsupport::FullFolder full;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(full.File());
    QString error;
    full.WhileFull([&] {
        try {
            platform::PrintOnePage(printer, Voyage, [](platform::PrintCanvas& canvas) {
                canvas.SetFont("Arial", 10, true);
                canvas.TextOut(0, 0, "Dead Reckoning : ");
            });
        } catch (const platform::PrintError& e) {
            error = QString::fromUtf8(e.what());
        }
    });
    EXPECT_EQ(error, QStringLiteral("The voyage could not be printed to %1: %2").arg(full.File(), full.Reason()));
    QFile file(full.File());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("an earlier voyage")); // neither emptied nor cut short
    EXPECT_EQ(QDir(QFileInfo(full.File()).path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("voyage")),
              QStringList{QStringLiteral("voyage.pdf")}); // no temporary file left either
}

TEST(PrintService, AFailureNamesThePageThatWasPrinted)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("no such folder/page.pdf"));
    const platform::PrintDialog before = platform::SetPrintDialog([&](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return true;
    });
    const struct {
        const char* documentName;
        const char* failure;
    } cases[] = {
        {"Distance and course", "The distance and course could not be printed"},
        {"UTM to Geographic", "The UTM to Geographic could not be printed"},
        {"", "The page could not be printed"},
    };
    for (const auto& c : cases) {
        const QString what = QString::fromStdString(testtexts::WhatOf([&] {
            platform::Printing().Print(nullptr, QString::fromLatin1(c.documentName),
                                       [](platform::PrintCanvas& canvas) { canvas.TextOut(0, 0, "a page"); });
        }));
        EXPECT_EQ(what, QString::fromLatin1(c.failure) + QStringLiteral(" to %1: No such file or directory").arg(file));
    }
    platform::SetPrintDialog(before);
}

// Prints one small page on `printer`, running `meanwhile` while the page is
// drawn; the error text, or none.
QString PrintedOn(QPrinter& printer, const std::function<void()>& meanwhile = {})
{
    try {
        platform::PrintOnePage(printer, Voyage, [&](platform::PrintCanvas& canvas) {
            canvas.SetFont("Arial", 10, false);
            canvas.TextOut(0, 0, "Starting At :");
            if (meanwhile)
                meanwhile();
        });
    } catch (const platform::PrintError& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

TEST(PrintOnePage, QueuesThatRefuseTheJobAreReportedWithTheirReason)
{
    testsupport::PrivateCups cups;
    ASSERT_TRUE(cups.Ready()) << cups.Log().toStdString();
    const QString queue = QString::fromLatin1(testsupport::PrivateCups::Queue);
    const QString failed = QStringLiteral("The voyage could not be printed on %1: ").arg(queue);
    const QStringList addQueue = {QStringLiteral("-p"), queue, QStringLiteral("-E"), QStringLiteral("-v"),
                                  QStringLiteral("cups-pdf:/"), QStringLiteral("-P"),
                                  QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd")};
    const QString gone = failed + QStringLiteral("The printer or class does not exist.");
    {
        QPrinter printer;
        printer.setPrinterName(queue);
        ASSERT_EQ(printer.printerName(), queue);
        EXPECT_EQ(PrintedOn(printer), QString()); // accepted: nothing to say

        ASSERT_TRUE(cups.Admin(QStringLiteral("cupsreject"), {queue}));
        EXPECT_EQ(PrintedOn(printer),
                  failed + QStringLiteral("Destination \"%1\" is not accepting jobs.").arg(queue));
        // Accepting again: the refusal before is not this print's.
        ASSERT_TRUE(cups.Admin(QStringLiteral("cupsaccept"), {queue}));
        EXPECT_EQ(PrintedOn(printer), QString());

        // Removed while the page was drawn, or while the dialog was open.
        EXPECT_EQ(PrintedOn(printer, [&] { cups.Admin(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue}); }),
                  gone);
        EXPECT_EQ(PrintedOn(printer), gone);
    }
    // The scheduler stopped while the dialog was open.
    ASSERT_TRUE(cups.Admin(QStringLiteral("lpadmin"), addQueue));
    QPrinter printer;
    printer.setPrinterName(queue);
    cups.Stop();
    EXPECT_EQ(PrintedOn(printer), failed + QStringLiteral("Scheduler is not running."));
}

} // namespace
