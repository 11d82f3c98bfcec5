#pragma once

#include <algebra/scaledcomplex.h>

#include <common/drawsurface.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The picture of a transfer-function tool, laid out from its frame's top-left corner for the
// metrics of a surface: parts placed from left to right (the name, then fractions), each
// fraction a bar at 1.5 character heights below the top with a row above and a row below it.
// The frame ends one average character width after the last part and is three character
// heights tall.
class TransFuncFormula
{
public:
    // A run of text in a row; a raised run (an exponent) sits with its bottom on the row's
    // baseline.
    struct Run
    {
        std::string text;
        bool raised = false;
    };
    using Row = std::vector<Run>;

    TransFuncFormula(const DrawSurface &surface, Point topLeft);

    // The polynomial's row in ascending powers of s: "c0 + c1*s + c2*s2 ...", the exponents
    // raised, zero terms left out (but for a constant), a coefficient 1 left out before s,
    // coefficients with 10 significant digits (real parts).
    static Row polynomialRow(const std::vector<ScaledComplex> &coefficients);

    // The name, bottom-aligned two character heights below the top.
    void addName(std::string_view name);
    // " = " before the next part, centred on the bar.
    void addEquals();
    // A fraction of two plain texts: the upper one bottom-aligned on the bar, the lower one
    // top-aligned just below it.
    void addTextFraction(std::string_view over, std::string_view under);
    // A fraction of two rows on baselines: the upper one a descent above the bar, the lower
    // one a character height below it.
    void addRowFraction(const Row &over, const Row &under);

    // The frame the parts laid out so far need.
    Rect frame() const;
    // The texts in the text colour, the bars in the bar pen (width: average character width /
    // 16 + 1, doubled for a bold font).
    void draw(DrawSurface &surface, Color colour) const;

private:
    struct Placed
    {
        Point at;
        std::string text;
        TextVAlign align;
    };

    void addFraction(const Row &over, std::int64_t overY, TextVAlign overAlign, const Row &under,
                     std::int64_t underY, TextVAlign underAlign);
    std::int64_t rowWidth(const Row &row) const;
    void placeRow(const Row &row, std::int64_t x, std::int64_t y, TextVAlign align);
    std::int64_t textWidth(std::string_view text) const;
    Point point(std::int64_t x, std::int64_t y) const;

    const DrawSurface &m_surface;
    TextMetrics m_metrics;
    Point m_topLeft;
    std::int64_t m_x;
    std::int64_t m_bar;
    std::vector<Placed> m_texts;
    std::vector<std::pair<Point, Point>> m_bars;
};
