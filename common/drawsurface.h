#pragma once

#include <common/color.h>
#include <common/geometry.h>

#include <span>
#include <string_view>

enum class PenStyle { Solid, Dash, Dot, DashDot, None, DashDotDot };

struct Pen
{
    Color color;
    int width = 1;
    PenStyle style = PenStyle::Solid;

    bool operator==(const Pen &) const = default;
};

struct Brush
{
    Color color;
    bool hollow = true;

    bool operator==(const Brush &) const = default;
};

// Horizontal alignment of text against its reference point.
enum class TextHAlign { Left, Center, Right };
// Vertical alignment: the reference point is the top of the text, its baseline or its bottom.
enum class TextVAlign { Top, Baseline, Bottom };

struct TextMetrics
{
    int height = 0;           // ascent + descent
    int ascent = 0;           // above the baseline
    int descent = 0;          // below the baseline
    int averageCharWidth = 0; // width of an average character
    int weight = 400;         // 400 normal, 700 bold

    bool operator==(const TextMetrics &) const = default;
};

// Everything the program draws goes through this surface: the symbols on the sheet, the tools,
// the graphs. The desktop program draws on a window or a printer through it; tests record the
// calls. Coordinates are those of the caller (sheet or device units).
class DrawSurface
{
public:
    virtual ~DrawSurface() = default;

    virtual void setPen(const Pen &pen) = 0;
    virtual void setBrush(const Brush &brush) = 0;
    virtual void setTextColor(const Color &color) = 0;

    virtual void drawLine(Point from, Point to) = 0;
    virtual void drawRect(const Rect &rect) = 0;
    virtual void drawEllipse(const Rect &bounds) = 0;
    virtual void drawPolyline(std::span<const Point> points) = 0;
    virtual void drawText(Point at, std::string_view text, TextHAlign hAlign, TextVAlign vAlign)
        = 0;

    // Draws a Rich Text Format document laid out to the width of the frame and cut at its
    // edges, in the given colour where the text asks for none. A surface that cannot render
    // rich text answers false, and the caller draws the plain text instead.
    virtual bool drawRichText(const Rect &, std::string_view, const Color &) { return false; }

    virtual Size textExtent(std::string_view text) const = 0;
    virtual TextMetrics textMetrics() const = 0;

protected:
    DrawSurface() = default;
};
