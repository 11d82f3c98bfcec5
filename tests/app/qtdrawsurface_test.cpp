#include <qtdrawsurface.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const Color red{255, 0, 0};

QFont testFont()
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(16);
    return font;
}

QImage blankImage()
{
    QImage image(100, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The columns (or rows) that hold a pixel other than white.
QRect inkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != QColor(Qt::white))
                bounds = bounds.united(QRect(x, y, 1, 1));
        }
    }
    return bounds;
}

TEST(QtDrawSurface, HairlineStaysOneDevicePixelWhenZoomed)
{
    QImage image = blankImage();
    {
        QPainter painter(&image);
        painter.translate(0.5, 0.5);
        painter.scale(4, 4);
        QtDrawSurface surface(painter, testFont());
        surface.setPen(Pen{red, 1});
        surface.drawLine({2, 5}, {20, 5});
    }
    EXPECT_EQ(inkBounds(image), QRect(8, 20, 73, 1));
    EXPECT_EQ(image.pixelColor(40, 20), QColor(255, 0, 0));
}

TEST(QtDrawSurface, WidePenScalesWithThePainter)
{
    QImage image = blankImage();
    {
        QPainter painter(&image);
        painter.scale(2, 2);
        QtDrawSurface surface(painter, testFont());
        surface.setPen(Pen{red, 4});
        surface.drawLine({10, 10}, {30, 10});
    }
    EXPECT_EQ(inkBounds(image).height(), 8);
}

TEST(QtDrawSurface, FilledRectangleWithoutPenCoversItsEdges)
{
    QImage image = blankImage();
    {
        QPainter painter(&image);
        QtDrawSurface surface(painter, testFont());
        surface.setPen(Pen{red, 1, PenStyle::None});
        surface.setBrush(Brush{Color{0, 0, 255}, false});
        surface.drawRect(Rect{30, 20, 10, 5});
    }
    EXPECT_EQ(inkBounds(image), QRect(10, 5, 20, 15));
    EXPECT_EQ(image.pixelColor(15, 10), QColor(0, 0, 255));
}

TEST(QtDrawSurface, TextAlignsAgainstItsPointAndMeasuresInTheFont)
{
    const QFontMetricsF metrics(testFont());
    QImage image = blankImage();
    {
        QPainter painter(&image);
        QtDrawSurface surface(painter, testFont());
        surface.setTextColor(Color{0, 0, 0});
        surface.drawText({90, 10}, "HH", TextHAlign::Right, TextVAlign::Top);
        const Size extent = surface.textExtent("HH");
        EXPECT_EQ(extent.width, std::lround(metrics.horizontalAdvance(QStringLiteral("HH"))));
        EXPECT_EQ(extent.height, surface.textMetrics().height);
        EXPECT_EQ(surface.textMetrics().ascent, std::lround(metrics.ascent()));
        EXPECT_EQ(surface.textMetrics().weight, 400);
    }
    const QRect ink = inkBounds(image);
    EXPECT_LE(ink.right(), 90);
    EXPECT_GE(ink.right(), 90 - 4);
    EXPECT_GE(ink.top(), 10);
    // Capital letters reach from the baseline nearly up to the ascent.
    EXPECT_NEAR(ink.bottom() + 1, 10 + metrics.ascent(), 1.5);
}

// Bold text with no colour of its own, longer than its frame holds.
QImage richTextImage(int dotsPerMetre)
{
    QImage image = blankImage();
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    QtDrawSurface surface(painter, testFont());
    EXPECT_TRUE(surface.drawRichText(
        {10, 10, 60, 40},
        "{\\rtf1{\\fonttbl{\\f0 DejaVu Sans;}}\\f0\\fs24\\b WWWWWWWWWW\\par W\\par}", red));
    return image;
}

TEST(QtDrawSurface, RichTextStaysInItsFrameAtTheSameSizeOnEveryDevice)
{
    const QImage screen = richTextImage(3780);
    const QRect ink = inkBounds(screen);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(QRect(10, 10, 50, 30).contains(ink))
        << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    // The long word wraps to the frame's width and runs out at its bottom edge.
    EXPECT_EQ(ink.bottom(), 39);
    bool pureRed = false;
    for (int y = ink.top(); y <= ink.bottom(); ++y) {
        for (int x = ink.left(); x <= ink.right(); ++x)
            pureRed = pureRed || screen.pixelColor(x, y) == QColor(255, 0, 0);
    }
    EXPECT_TRUE(pureRed);
    // A printer's resolution lays the text out as the screen does.
    EXPECT_EQ(inkBounds(richTextImage(23622)), ink);
}

} // namespace
