#pragma once

#include <common/drawcolors.h>
#include <common/drawsurface.h>
#include <common/geometry.h>
#include <common/tstreamablebase.h>
#include <model/fwd.h>
#include <model/labelside.h>
#include <model/labelunit.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A thing placed on the circuit sheet: a segment between two points with a name and a label.
// Components and tags are connected exactly where their terminal points coincide; a tool uses
// its two points as the corners of its rectangle. The selected flag and the owner document are
// run-time state and are never stored.
class CircThing : public TStreamableBase
{
    ZENODYNE_STREAMABLE(CircThing, 2)

public:
    // Distance from the midpoint within which a click hits the thing.
    static constexpr double hitDistance = 10;
    // A point hits a terminal when their whole-unit distance is below this.
    static constexpr int terminalHitDistance = 4;
    // Growth of the bounding rectangle beyond the two points on every side.
    static constexpr std::int32_t boundingMargin = 40;
    // Offset of the label from the segment when no text size is known.
    static constexpr int defaultLabelOffset = 25;
    // The widest symbol, a source's circle, reaches 15 units from its segment (a tag lying
    // along a capacitor has its plates 12 units off); labels keep a few units more.
    static constexpr int labelClearance = 18;

    ~CircThing() override = default;

    // Sets the two points and the owner; components and tags then recompute their label point.
    virtual void place(Point first, Point second, TCircuitDocument *document);
    // Opens the thing's parameter dialog; answers whether the user confirmed it.
    virtual bool editParameters(ParameterDialogs &dialogs);
    // The outline of the thing between two points, for drags (a tool draws a rectangle).
    virtual void drawSegment(DrawSurface &surface, Point from, Point to) const;
    // The thing's own outline shifted by (dx, dy).
    void drawShifted(DrawSurface &surface, std::int32_t dx, std::int32_t dy) const;
    // Shifts both points; the label point follows.
    virtual void move(std::int32_t dx, std::int32_t dy);
    // The outline while the terminal at a point is dragged by (dx, dy).
    void drawTerminalDrag(DrawSurface &surface, Point at, std::int32_t dx, std::int32_t dy) const;
    // Moves the terminal hit at a point by (dx, dy); nothing happens when no terminal is hit.
    void moveTerminal(Point at, std::int32_t dx, std::int32_t dy);
    // Draws the symbol with its label, in the colours of the owner's screen or printer set.
    virtual void draw(DrawSurface &surface) const = 0;

    // Click selection: a hit selects, or toggles off with extend; a miss keeps the thing
    // selected only with extend.
    void selectAt(Point at, bool extend);
    // Rectangle selection with the same rules, the midpoint deciding whether it is inside.
    void selectInRect(const Rect &rect, bool extend);
    // The validity check run by the compile; it reports into the owner's message list.
    virtual void check();
    // Whether a click at the point hits the thing.
    virtual bool hitAt(Point at) const;
    virtual const char *helpTopicTitle() const;
    // Whether moving the terminal hit at a point by (dx, dy) would put it onto the other one.
    bool terminalMoveCollapses(Point at, std::int32_t dx, std::int32_t dy) const;

    bool isSelected() const { return m_selected; }
    void setSelected(bool selected) { m_selected = selected; }
    Point firstPoint() const { return m_first; }
    Point secondPoint() const { return m_second; }
    Point labelPoint() const { return m_labelPoint; }
    // Where a label of the given text size is centred for a segment between two points.
    Point labelPointFor(Point first, Point second, int textWidth, int textHeight) const;

    const labelUnit &name() const { return m_name; }
    labelUnit &name() { return m_name; }
    void setName(const labelUnit &name) { m_name = name; }
    LabelSide labelSide() const { return m_labelSide; }
    void setLabelSide(LabelSide side) { m_labelSide = side; }
    TCircuitDocument *document() const { return m_document; }
    void setDocument(TCircuitDocument *document) { m_document = document; }

    static bool hitsTerminal(Point terminal, Point at);
    // Whether either terminal is hit at the point.
    bool hasTerminalAt(Point at) const;
    // The two points' rectangle grown by the bounding margin.
    Rect boundingRect() const;
    // Overlap of the bounding rectangle with the given one (strict on all sides).
    bool intersects(const Rect &rect) const { return boundingRect().intersects(rect); }
    bool matches(const labelUnit &name, const TCircuitDocument *document) const;

protected:
    CircThing() = default;

    void setLabelPoint(Point point) { m_labelPoint = point; }
    Point midpoint() const;
    // The owner's drawing state; a thing without an owner draws for the screen and shows
    // names and values.
    bool printing() const;
    bool showsNames() const;
    bool showsValues() const;
    Color roleColor(ColorRole role) const;
    // Appends a message to the owner's message list, the thing's name in place of "%s".
    void report(std::string_view pattern) const;
    // A pen of the given role, or of the selection colour while the thing is selected.
    Pen bodyPen(ColorRole role, PenStyle style = PenStyle::Solid) const;
    // Draws the lines of a label centred around the label point for their size, grown by the
    // label clearance on every side, so that the text keeps that distance from the segment
    // and the symbol drawn along it does not run through the text.
    void drawLabelLines(DrawSurface &surface, const std::vector<std::string> &lines) const;

private:
    void applySelection(bool inside, bool extend);

    bool m_selected = false;
    labelUnit m_name;
    LabelSide m_labelSide = LabelSide::Default;
    Point m_labelPoint;
    Point m_first;
    Point m_second;
    TCircuitDocument *m_document = nullptr;
};
