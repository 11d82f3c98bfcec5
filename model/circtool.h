#pragma once

#include <model/circthing.h>

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

    Rect rect() const
    {
        return Rect{firstPoint().x, firstPoint().y, secondPoint().x, secondPoint().y};
    }
};
