#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

class ImageExport;

// Writes the picture of an image export: a PNG image and SVG drawing in the screen colours, a
// PDF page (of the picture's size) in the printer colours. One sheet unit is one pixel, or
// 1/96 inch in the PDF.
namespace ImageWriter {

enum class Format { Png, Svg, Pdf };

// The format a file name's suffix asks for (any case); none for another suffix.
std::optional<Format> formatForFile(const QString &fileName);
QString suffixOf(Format format);

QImage image(const ImageExport &picture, const QFont &font);
QByteArray svg(const ImageExport &picture, const QFont &font);
// Writes the file; answers the problem, empty when it was written.
QString write(const ImageExport &picture, const QFont &font, Format format,
              const QString &fileName);

} // namespace ImageWriter
