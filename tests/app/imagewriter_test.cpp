#include "apptestsupport.h"

#include <filepaths.h>
#include <headlessexport.h>
#include <imagewriter.h>

#include <editor/imageexport.h>
#include <model/tcircuitdocument.h>

#include <QFile>
#include <QFont>
#include <QImage>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

QFont drawingFont()
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(12);
    return font;
}

QByteArray contentsOf(const std::filesystem::path &path)
{
    QFile file(FilePaths::toQString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The page size of a one-page PDF, in points.
QSizeF pdfPageSize(const QByteArray &pdf)
{
    const QRegularExpression mediaBox(
        QString::fromUtf8(R"(/MediaBox\s*\[\s*0\s+0\s+([0-9.]+)\s+([0-9.]+)\s*\])"));
    const QRegularExpressionMatch match = mediaBox.match(QString::fromLatin1(pdf));
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble())
                            : QSizeF();
}

class ImageWriterTest : public testing::Test
{
protected:
    ImageWriterTest()
    {
        [[maybe_unused]] const FileResult result = document.open(examplePath("rc-lowpass.crc"));
    }

    // The size of the picture: the things' bounds, grown to their labels, with the margin.
    QSize expectedSize(bool selectedOnly)
    {
        const Size size = ImageExport(document, selectedOnly).size();
        return QSize(size.width, size.height);
    }

    TCircuitDocument document;
    TempFolder folder;
};

TEST_F(ImageWriterTest, PngHoldsTheThingsWithTheirMarginInTheScreenBackground)
{
    const ImageExport picture(document, false);
    const std::filesystem::path file = folder.file("circuit.png");
    EXPECT_EQ(ImageWriter::write(picture, drawingFont(), ImageWriter::Format::Png,
                                 FilePaths::toQString(file)),
              QString());

    const QImage image(FilePaths::toQString(file));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), expectedSize(false));
    // The corner is margin only: the screen's background (black unless set otherwise).
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), QColor(0, 0, 0));
}

TEST_F(ImageWriterTest, SvgIsWellFormedXmlOfThePictureSize)
{
    const ImageExport picture(document, false);
    const std::filesystem::path file = folder.file("circuit.svg");
    ASSERT_EQ(ImageWriter::write(picture, drawingFont(), ImageWriter::Format::Svg,
                                 FilePaths::toQString(file)),
              QString());

    const QByteArray svg = contentsOf(file);
    QXmlStreamReader reader(svg);
    while (!reader.atEnd())
        reader.readNext();
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    const QRegularExpression viewBox(QString::fromUtf8(R"re(viewBox="0 0 (\d+) (\d+)")re"));
    const QRegularExpressionMatch match = viewBox.match(QString::fromUtf8(svg));
    ASSERT_TRUE(match.hasMatch());
    EXPECT_EQ(QSize(match.captured(1).toInt(), match.captured(2).toInt()), expectedSize(false));
}

TEST_F(ImageWriterTest, PdfIsOnePageOfThePictureSizeAtNinetySixDotsPerInch)
{
    const ImageExport picture(document, false);
    const std::filesystem::path file = folder.file("circuit.pdf");
    ASSERT_EQ(ImageWriter::write(picture, drawingFont(), ImageWriter::Format::Pdf,
                                 FilePaths::toQString(file)),
              QString());

    const QByteArray pdf = contentsOf(file);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    const QSizeF page = pdfPageSize(pdf);
    const QSize size = expectedSize(false);
    EXPECT_NEAR(page.width(), size.width() * 72.0 / 96.0, 0.5);
    EXPECT_NEAR(page.height(), size.height() * 72.0 / 96.0, 0.5);
}

TEST_F(ImageWriterTest, SelectedOnlyImageIsCutToTheSelection)
{
    ASSERT_GT(document.components().count(), 1);
    document.selectAll(false);
    Component &chosen = *document.components()[0];
    chosen.setSelected(true);

    const ImageExport picture(document, true);
    const QImage image = ImageWriter::image(picture, drawingFont());
    const Rect own = chosen.boundingRect().inflated(ImageExport::margin);
    EXPECT_EQ(image.size(), QSize(own.width(), own.height()));
    EXPECT_LT(image.width() * image.height(),
              expectedSize(false).width() * expectedSize(false).height());
    EXPECT_TRUE(chosen.isSelected()) << "the export gives the selection back";
}

TEST_F(ImageWriterTest, FormatComesFromTheSuffixInAnyCase)
{
    EXPECT_EQ(ImageWriter::formatForFile("a.PNG"), ImageWriter::Format::Png);
    EXPECT_EQ(ImageWriter::formatForFile("a.b.svg"), ImageWriter::Format::Svg);
    EXPECT_EQ(ImageWriter::formatForFile("a.Pdf"), ImageWriter::Format::Pdf);
    EXPECT_EQ(ImageWriter::formatForFile("a.bmp"), std::nullopt);
}

TEST_F(ImageWriterTest, HeadlessExportWritesTheWholeSheetAndRefusesWhatItCannotWrite)
{
    const QString ini = FilePaths::toQString(folder.file("ZENODYNE.INI"));
    const std::filesystem::path png = folder.file("sheet.png");
    EXPECT_EQ(exportCircuitImage(exampleFile("rc-lowpass.crc"), FilePaths::toQString(png), ini),
              QString());
    EXPECT_EQ(QImage(FilePaths::toQString(png)).size(), expectedSize(false));

    EXPECT_EQ(exportCircuitImage(exampleFile("rc-lowpass.crc"), "sheet.bmp", ini),
              QStringLiteral("sheet.bmp: the image file must end in .png, .svg or .pdf"));
    const QString missing = FilePaths::toQString(folder.file("none.crc"));
    EXPECT_TRUE(exportCircuitImage(missing, FilePaths::toQString(png), ini)
                    .startsWith(missing + ": Unable to open document."));
}

} // namespace
