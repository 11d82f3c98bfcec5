#include "graphmarker.h"

#include <tools/graph/graphable.h>
#include <tools/graph/markersearch.h>

#include <common/ipstream.h>
#include <common/numbertext.h>
#include <common/opstream.h>

void GraphMarker::recompute(const Graphable &curve)
{
    const double x0 = position.value();
    switch (kind) {
    case FindValue:
        x = MarkerSearch::positionOfValue(curve, x0, target.value());
        break;
    case MinimumNear:
    case MaximumNear:
        x = MarkerSearch::extremumNear(curve, x0, kind == MaximumNear);
        break;
    default:
        x = x0;
        break;
    }
    y = curve.value(x);
    shownValue = kind == SlopeAt ? curve.slope(x) : y;
}

std::string GraphMarker::label(std::size_t bufferLength) const
{
    if (bufferLength == 0)
        return {};
    std::string text;
    switch (kind) {
    case ValueAt:
        text = std::string("Value at ") + position.text();
        break;
    case FindValue:
        text = std::string("Position at ") + target.text() + " near " + position.text();
        break;
    case MinimumNear:
        text = std::string("Minimum near ") + position.text();
        break;
    case MaximumNear:
        text = std::string("Maximum near ") + position.text();
        break;
    case SlopeAt:
        text = std::string("Slope at ") + position.text();
        break;
    default:
        break;
    }
    if (text.size() >= bufferLength)
        text.resize(bufferLength - 1);
    return text;
}

const char *GraphMarker::valuePrefix() const
{
    switch (kind) {
    case ValueAt:
    case FindValue:
        return "val=";
    case MinimumNear:
        return "min=";
    case MaximumNear:
        return "max=";
    case SlopeAt:
        return "slope=";
    default:
        return " ";
    }
}

std::string GraphMarker::annotation() const
{
    std::string text;
    if (showPosition)
        text = "pos=" + formatGeneral(x, 8);
    if (showPosition && showValue)
        text += ", ";
    if (showValue)
        text += valuePrefix() + formatGeneral(shownValue, 8);
    return text;
}

bool GraphMarker::operator==(const GraphMarker &other) const
{
    return position == other.position && target == other.target && kind == other.kind
           && visible == other.visible && lineToHorizontalAxis == other.lineToHorizontalAxis
           && lineToVerticalAxis == other.lineToVerticalAxis && showValue == other.showValue
           && showPosition == other.showPosition && labelRow == other.labelRow
           && labelSide == other.labelSide && x == other.x && y == other.y
           && shownValue == other.shownValue;
}

void GraphMarker::write(opstream &os) const
{
    os.writeObject(position);
    os.writeObject(target);
    os.writeInt32(kind);
    os.writeBool32(visible);
    os.writeBool32(lineToHorizontalAxis);
    os.writeBool32(lineToVerticalAxis);
    os.writeBool32(showValue);
    os.writeBool32(showPosition);
    os.writeInt32(labelRow);
    os.writeInt32(labelSide);
    os.writeDouble(x);
    os.writeDouble(y);
    os.writeDouble(shownValue);
}

void GraphMarker::read(ipstream &is, std::uint32_t)
{
    is.readObject(position);
    is.readObject(target);
    kind = is.readInt32();
    visible = is.readBool32();
    lineToHorizontalAxis = is.readBool32();
    lineToVerticalAxis = is.readBool32();
    showValue = is.readBool32();
    showPosition = is.readBool32();
    labelRow = is.readInt32();
    labelSide = is.readInt32();
    x = is.readDouble();
    y = is.readDouble();
    shownValue = is.readDouble();
}
