#include "fontconversion.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace {

constexpr int fixedPitch = 1;
constexpr int familyMask = 0xF0;
constexpr int romanFamily = 0x10;
constexpr int swissFamily = 0x20;
constexpr int modernFamily = 0x30;
constexpr int scriptFamily = 0x40;
constexpr int decorativeFamily = 0x50;
constexpr int defaultPixelSize = 12;
constexpr qreal screenDotsPerInch = 96.0;

QFont::StyleHint styleHintFor(int pitchAndFamily)
{
    switch (pitchAndFamily & familyMask) {
    case romanFamily:
        return QFont::Serif;
    case swissFamily:
        return QFont::SansSerif;
    case modernFamily:
        return QFont::TypeWriter;
    case scriptFamily:
        return QFont::Cursive;
    case decorativeFamily:
        return QFont::Decorative;
    default:
        break;
    }
    return (pitchAndFamily & fixedPitch) != 0 ? QFont::TypeWriter : QFont::AnyStyle;
}

int familyFor(QFont::StyleHint hint)
{
    switch (hint) {
    case QFont::Serif:
        return romanFamily;
    case QFont::SansSerif:
        return swissFamily;
    case QFont::TypeWriter:
        return modernFamily;
    case QFont::Cursive:
        return scriptFamily;
    case QFont::Decorative:
        return decorativeFamily;
    default:
        break;
    }
    return 0;
}

// The pixel size whose ascent and descent together make the given cell height.
int pixelSizeForCell(QFont font, int cellHeight)
{
    font.setPixelSize(cellHeight);
    const QFontMetricsF metrics(font);
    const qreal cell = metrics.ascent() + metrics.descent();
    if (cell <= 0)
        return cellHeight;
    return std::max(1, static_cast<int>(std::lround(cellHeight * cellHeight / cell)));
}

} // namespace

QFont FontConversion::toQFont(const FontSettings &settings)
{
    QFont font(QString::fromStdString(settings.faceName));
    font.setStyleHint(styleHintFor(settings.pitchAndFamily));
    font.setFixedPitch((settings.pitchAndFamily & fixedPitch) != 0);
    const int weight = settings.weight <= 0 ? QFont::Normal : std::min(settings.weight, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(settings.italic);
    font.setUnderline(settings.underline);
    font.setStrikeOut(settings.strikeOut);
    if (settings.height < 0)
        font.setPixelSize(std::max(1, -std::max(settings.height, -1000)));
    else if (settings.height > 0)
        font.setPixelSize(pixelSizeForCell(font, std::min(settings.height, 1000)));
    else
        font.setPixelSize(defaultPixelSize);
    return font;
}

FontSettings FontConversion::fromQFont(const QFont &font)
{
    FontSettings settings;
    settings.faceName = font.family().toStdString().substr(0, FontSettings::maximumNameLength);
    const int pixels
        = font.pixelSize() > 0
              ? font.pixelSize()
              : static_cast<int>(std::lround(font.pointSizeF() * screenDotsPerInch / 72.0));
    settings.height = -std::max(pixels, 1);
    settings.weight = font.weight();
    settings.pitchAndFamily = familyFor(font.styleHint()) | (font.fixedPitch() ? fixedPitch : 0);
    settings.italic = font.italic();
    settings.underline = font.underline();
    settings.strikeOut = font.strikeOut();
    return settings;
}
