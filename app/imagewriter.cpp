#include "imagewriter.h"

#include "qtdrawsurface.h"

#include <common/drawcolors.h>
#include <editor/imageexport.h>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

constexpr int pdfDotsPerInch = 96;

QSize pictureSize(const ImageExport &picture)
{
    const Size size = picture.size();
    return QSize(std::max(size.width, 1), std::max(size.height, 1));
}

// Draws the picture with hairlines on pixel centres, as the editor's viewport does.
void paint(QPainter &painter, const ImageExport &picture, const QFont &font, bool printerColors)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(0.5, 0.5);
    QtDrawSurface surface(painter, font);
    picture.draw(surface, printerColors);
}

} // namespace

std::optional<ImageWriter::Format> ImageWriter::formatForFile(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return Format::Png;
    if (suffix == QLatin1String("svg"))
        return Format::Svg;
    if (suffix == QLatin1String("pdf"))
        return Format::Pdf;
    return std::nullopt;
}

QString ImageWriter::suffixOf(Format format)
{
    switch (format) {
    case Format::Png:
        return QStringLiteral("png");
    case Format::Svg:
        return QStringLiteral("svg");
    case Format::Pdf:
        break;
    }
    return QStringLiteral("pdf");
}

QImage ImageWriter::image(const ImageExport &picture, const QFont &font)
{
    QImage image(pictureSize(picture), QImage::Format_RGB32);
    image.fill(QtDrawSurface::toQColor(DrawColors::current().screen(ColorRole::Background)));
    QPainter painter(&image);
    paint(painter, picture, font, false);
    return image;
}

QByteArray ImageWriter::svg(const ImageExport &picture, const QFont &font)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(pictureSize(picture));
    generator.setViewBox(QRect(QPoint(0, 0), pictureSize(picture)));
    generator.setTitle(QStringLiteral("Zenodyne circuit"));
    {
        QPainter painter(&generator);
        paint(painter, picture, font, false);
    }
    return buffer.data();
}

QString ImageWriter::write(const ImageExport &picture, const QFont &font, Format format,
                           const QString &fileName)
{
    if (format == Format::Pdf) {
        QPdfWriter writer(fileName);
        writer.setResolution(pdfDotsPerInch);
        const QSize size = pictureSize(picture);
        writer.setPageSize(QPageSize(QSizeF(size) * 72.0 / pdfDotsPerInch, QPageSize::Point));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(QStringLiteral("Zenodyne circuit"));
        QPainter painter;
        if (!painter.begin(&writer))
            return QStringLiteral("Cannot write %1.").arg(fileName);
        paint(painter, picture, font, true);
        return {};
    }
    if (format == Format::Png) {
        if (!image(picture, font).save(fileName, "PNG"))
            return QStringLiteral("Cannot write %1.").arg(fileName);
        return {};
    }
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(svg(picture, font)) < 0)
        return QStringLiteral("Cannot write %1: %2").arg(fileName, file.errorString());
    return {};
}
