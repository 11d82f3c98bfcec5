#include <print/circuitprinter.h>
#include <print/printcommands.h>

#include <common/drawcolors.h>
#include <editor/pagetiling.h>
#include <filepaths.h>
#include <support/circuitsketch.h>
#include <support/tempfolder.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <gtest/gtest.h>

namespace {

QFont drawingFont()
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(12);
    return font;
}

int pdfPageCount(const std::filesystem::path &path)
{
    QFile file(FilePaths::toQString(path));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = file.readAll();
    return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r")
                            + pdf.count("/Type /Page/") + pdf.count("/Type /Page "));
}

// A wire from (110,110) to (230,110): its picture starts at (60,60), so the wire runs along
// picture row 50 from column 50 to 170.
class CircuitPrinterTest : public testing::Test
{
protected:
    CircuitPrinterTest() { sketch.wire({110, 110}, {230, 110}); }
    ~CircuitPrinterTest() override { DrawColors::current() = saved; }

    int printedPages(bool leftToRight)
    {
        sketch.document.setPageCount({2, 2});
        sketch.document.setNumbersLeftToRight(leftToRight);
        const std::filesystem::path file = folder.file("pages.pdf");
        QPdfWriter writer(FilePaths::toQString(file));
        writer.setResolution(300);
        if (!CircuitPrinter(sketch.document, drawingFont()).print(writer))
            return -1;
        return pdfPageCount(file);
    }

    DrawColors saved = DrawColors::current();
    CircuitSketch sketch;
    TempFolder folder;
};

TEST_F(CircuitPrinterTest, TwoByTwoLayoutPrintsFourPagesInEitherScheme)
{
    EXPECT_EQ(printedPages(true), 4);
    EXPECT_EQ(printedPages(false), 4);
}

TEST_F(CircuitPrinterTest, FitToOnePagePrintsOnePage)
{
    sketch.document.setPageCount({3, 2});
    const std::filesystem::path file = folder.file("fit.pdf");
    QPdfWriter writer(FilePaths::toQString(file));
    CircuitPrinter printer(sketch.document, drawingFont());
    printer.setFitToOnePage(true);
    ASSERT_TRUE(printer.print(writer));
    EXPECT_EQ(pdfPageCount(file), 1);
}

TEST_F(CircuitPrinterTest, PagesAreDrawnInThePrinterColoursAtOneSheetUnitPer96thInch)
{
    DrawColors &colors = DrawColors::current();
    colors.setPrinter(ColorRole::Component, {200, 0, 0});
    colors.setPrinter(ColorRole::Background, {250, 250, 210});
    colors.setScreen(ColorRole::Component, {0, 200, 0});

    // At 192 dots per inch a sheet unit is two pixels, and so is a hairline: the wire at
    // picture row 50 covers the pixel rows 99 and 100.
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    const CircuitPrinter printer(sketch.document, drawingFont());
    const PageTiling tiling = printer.tiling(QSizeF(image.size()), 192);
    ASSERT_EQ(tiling.pages().size(), 1u);
    {
        QPainter painter(&image);
        printer.paintPage(painter, tiling, tiling.pages().front(), 192);
    }
    EXPECT_EQ(image.pixelColor(200, 100), QColor(200, 0, 0));
    EXPECT_EQ(image.pixelColor(200, 99), QColor(200, 0, 0));
    EXPECT_EQ(image.pixelColor(200, 98), QColor(250, 250, 210));
    EXPECT_EQ(image.pixelColor(200, 101), QColor(250, 250, 210));
    // Beyond the picture the paper stays as it is.
    EXPECT_EQ(image.pixelColor(600, 60), QColor(Qt::white));
    EXPECT_FALSE(sketch.document.isPrinting());
}

TEST_F(CircuitPrinterTest, PrinterStartsFromTheDocumentsPaperAndOrientation)
{
    PrinterSettings landscapeA4;
    landscapeA4.orientation = 2;
    landscapeA4.paperSize = 9;
    sketch.document.setPrinterSettings(landscapeA4);
    QPrinter printer;
    PrintCommands::prepare(sketch.document, printer);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);

    PrinterSettings custom;
    custom.paperSize = 256;
    custom.paperWidth = 1000;
    custom.paperLength = 1500;
    sketch.document.setPrinterSettings(custom);
    PrintCommands::prepare(sketch.document, printer);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(printer.pageLayout().pageSize().size(QPageSize::Millimeter), QSizeF(100, 150));
}

} // namespace
