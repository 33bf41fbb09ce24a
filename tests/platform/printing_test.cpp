#include "platform/printing.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

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
    platform::PrintOnePage(p.printer, QString(), [&](platform::PrintCanvas& canvas) {
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

TEST(PrintOnePage, FailureWhileDrawingDiscardsTheDocumentAndPassesTheErrorOn)
{
    PdfPrinter p;
    try {
        platform::PrintOnePage(p.printer, QString(), [](platform::PrintCanvas& canvas) {
            canvas.TextOut(0, 0, "half a page");
            throw std::runtime_error("Invalid floating point operation");
        });
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
    EXPECT_FALSE(QFile::exists(p.file));
}

TEST(PrintOnePage, APrinterThatCannotStartIsAnError)
{
    PdfPrinter p;
    p.printer.setOutputFileName(p.dir.filePath(QStringLiteral("no/such/folder/page.pdf")));
    bool drawn = false;
    try {
        platform::PrintOnePage(p.printer, QString(), [&](platform::PrintCanvas&) { drawn = true; });
        FAIL() << "no error";
    } catch (const platform::PrintError& e) {
        EXPECT_STREQ(e.what(), "The printer could not start the document");
    }
    EXPECT_FALSE(drawn);
}

} // namespace
