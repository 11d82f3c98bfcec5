#include "transfuncformula.h"

#include <model/sheetgeometry.h>

#include <common/numbertext.h>

#include <algorithm>

namespace {

// Significant digits of the painted coefficients.
constexpr int coefficientDigits = 10;

} // namespace

TransFuncFormula::TransFuncFormula(const DrawSurface &surface, Point topLeft)
    : m_surface(surface)
    , m_metrics(surface.textMetrics())
    , m_topLeft(topLeft)
    , m_x(std::int64_t{topLeft.x} + m_metrics.averageCharWidth)
    , m_bar(std::int64_t{topLeft.y} + static_cast<std::int64_t>(1.5 * m_metrics.height))
{
}

namespace {

void appendPlain(TransFuncFormula::Row &row, const std::string &text)
{
    if (row.empty() || row.back().raised)
        row.push_back({text, false});
    else
        row.back().text += text;
}

} // namespace

// Terms that are written are joined by " + ", so a negative coefficient shows as "+ -2".
TransFuncFormula::Row
TransFuncFormula::polynomialRow(const std::vector<ScaledComplex> &coefficients)
{
    Row row;
    const int degree = static_cast<int>(coefficients.size()) - 1;
    for (int i = 0; i <= degree; ++i) {
        const ScaledComplex &coefficient = coefficients[static_cast<std::size_t>(i)];
        const double c = coefficient.mantissa().real();
        if (c == 0.0 && degree != 0)
            continue;
        if (!row.empty())
            appendPlain(row, " + ");
        if (!(coefficient.value().real() == 1.0 && i > 0))
            appendPlain(row, formatGeneralScaled(c, coefficient.exponent(), coefficientDigits)
                                 + (i > 0 ? "*" : ""));
        if (i > 0)
            appendPlain(row, "s");
        if (i > 1)
            row.push_back({std::to_string(i), true});
    }
    return row;
}

void TransFuncFormula::addName(std::string_view name)
{
    m_texts.push_back({point(m_x, std::int64_t{m_topLeft.y} + 2 * m_metrics.height),
                       std::string(name), TextVAlign::Bottom});
    m_x += textWidth(name);
}

void TransFuncFormula::addEquals()
{
    static constexpr std::string_view equals = " = ";
    m_texts.push_back(
        {point(m_x, m_bar - m_metrics.height / 2), std::string(equals), TextVAlign::Top});
    m_x += textWidth(equals);
}

void TransFuncFormula::addTextFraction(std::string_view over, std::string_view under)
{
    addFraction({{std::string(over)}}, m_bar, TextVAlign::Bottom, {{std::string(under)}}, m_bar + 1,
                TextVAlign::Top);
}

void TransFuncFormula::addRowFraction(const Row &over, const Row &under)
{
    addFraction(over, m_bar - m_metrics.descent, TextVAlign::Baseline, under,
                m_bar + m_metrics.height, TextVAlign::Baseline);
}

void TransFuncFormula::addFraction(const Row &over, std::int64_t overY, TextVAlign overAlign,
                                   const Row &under, std::int64_t underY, TextVAlign underAlign)
{
    const std::int64_t width
        = std::max(rowWidth(over), rowWidth(under)) + 2 * std::int64_t{m_metrics.averageCharWidth};
    m_bars.emplace_back(point(m_x, m_bar), point(m_x + width, m_bar));
    placeRow(over, m_x + m_metrics.averageCharWidth, overY, overAlign);
    placeRow(under, m_x + m_metrics.averageCharWidth, underY, underAlign);
    m_x += width;
}

Rect TransFuncFormula::frame() const
{
    const Point bottomRight
        = point(m_x + m_metrics.averageCharWidth, std::int64_t{m_topLeft.y} + 3 * m_metrics.height);
    return {m_topLeft.x, m_topLeft.y, bottomRight.x, bottomRight.y};
}

void TransFuncFormula::draw(DrawSurface &surface, Color colour) const
{
    int width = m_metrics.averageCharWidth / 16 + 1;
    if (m_metrics.weight > 400)
        width *= 2;
    surface.setPen(Pen{colour, width});
    for (const auto &[from, to] : m_bars)
        surface.drawLine(from, to);
    surface.setTextColor(colour);
    for (const Placed &text : m_texts)
        surface.drawText(text.at, text.text, TextHAlign::Left, text.align);
}

std::int64_t TransFuncFormula::rowWidth(const Row &row) const
{
    std::int64_t width = 0;
    for (const Run &run : row)
        width += textWidth(run.text);
    return width;
}

void TransFuncFormula::placeRow(const Row &row, std::int64_t x, std::int64_t y, TextVAlign align)
{
    for (const Run &run : row) {
        m_texts.push_back({point(x, y), run.text, run.raised ? TextVAlign::Bottom : align});
        x += textWidth(run.text);
    }
}

std::int64_t TransFuncFormula::textWidth(std::string_view text) const
{
    return m_surface.textExtent(text).width;
}

Point TransFuncFormula::point(std::int64_t x, std::int64_t y) const
{
    return {SheetGeometry::saturate(x), SheetGeometry::saturate(y)};
}
