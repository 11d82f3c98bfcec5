#pragma once

#include <model/circthing.h>

#include <cstdint>
#include <optional>

// A tool on the sheet (a text block or an analysis tool): a rectangle whose corners are the
// two points, first the top-left and second the bottom-right one.
class CircTool : public CircThing
{
    ZENODYNE_STREAMABLE(CircTool, 1)

public:
    CircTool() = default;

    // Orders the corners; the label point becomes the first point as given.
    void place(Point first, Point second, TCircuitDocument *document) override;
    // Shifts the corners and the label point alike, so that moving back restores the tool.
    void move(std::int32_t dx, std::int32_t dy) override;
    // Takes over the corners and the label point of another tool.
    void copyPlacement(const CircTool &other);
    // A tool without a dialog of its own accepts its parameters as they are.
    bool editParameters(ParameterDialogs &dialogs) override;
    void drawSegment(DrawSurface &surface, Point from, Point to) const override;
    // Sets the pen of the tool's frame and paints the tool.
    void draw(DrawSurface &surface) const final;
    // A click hits the tool inside its rectangle.
    bool hitAt(Point at) const override;

    // Runs after the tool has been read from a file and added to its document.
    virtual void attach();
    // The tool's picture inside its rectangle; the base draws the rectangle.
    virtual void paint(DrawSurface &surface) const;
    // Recomputes what the tool derives from its parameters (curves, ratios); the base derives
    // nothing.
    virtual void update();
    // Runs the tool's data export dialog; answers false for a tool without an export.
    virtual bool exportData(ParameterDialogs &dialogs);
    // Runs the tool's extended view; answers false for a tool without one.
    virtual bool extendedView(ParameterDialogs &dialogs);
    // Sets the rectangle to what the tool's picture needs on the surface, for a tool whose
    // picture decides its size (a formula); the base keeps the rectangle.
    virtual void fitFrame(const DrawSurface &surface);
    // Whether the tool is an input signal, which the time plot can apply to a source.
    virtual bool isSignal() const;
    // An input signal's value at time t; 0 for other tools.
    virtual double valueAt(double t) const;

    Rect rect() const
    {
        return Rect{firstPoint().x, firstPoint().y, secondPoint().x, secondPoint().y};
    }

    // The plots sample their curves once per device pixel of their frame's width: per sheet
    // unit, the zoom of the view that shows them (1 without a view). Attach samples anew; a
    // view asks whether the samples still fit the frame's width and its zoom.
    void setColumnScale(double scale) { m_columnScale = scale; }
    bool samplesFit(double scale) const
    {
        return m_sampledWidth == rect().width() && m_sampledScale == scale;
    }

protected:
    // The columns to sample for a frame that takes the given number at scale 1, at most the
    // limit; the frame's width and the scale are noted as sampled for.
    std::int64_t sampledColumns(std::int64_t unscaled, std::int64_t limit);

private:
    double m_columnScale = 1.0;
    double m_sampledScale = 1.0;
    std::optional<std::int32_t> m_sampledWidth;
};
