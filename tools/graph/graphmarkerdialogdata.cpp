#include "graphmarkerdialogdata.h"

#include <tools/graph/dialogtext.h>

#include <algorithm>

GraphMarkerDialogData GraphMarkerDialogData::from(const GraphMarker &marker)
{
    return {marker.position.text(), marker.target.text(),        marker.kind,
            marker.visible,         marker.lineToHorizontalAxis, marker.lineToVerticalAxis,
            marker.showValue,       marker.showPosition,         marker.labelRow,
            marker.labelSide};
}

void GraphMarkerDialogData::applyTo(GraphMarker &marker) const
{
    marker.position = textDouble(DialogText::readLabel(position).view());
    marker.target = textDouble(DialogText::readLabel(target).view());
    const bool known = kind >= GraphMarker::ValueAt && kind <= GraphMarker::SlopeAt;
    marker.kind = known ? kind : GraphMarker::ValueAt;
    marker.visible = visible;
    marker.lineToHorizontalAxis = lineToHorizontalAxis;
    marker.lineToVerticalAxis = lineToVerticalAxis;
    marker.showValue = showValue;
    marker.showPosition = showPosition;
    marker.labelRow = std::clamp(labelRow, GraphMarker::upperRow, GraphMarker::lowerRow);
    marker.labelSide = labelSide < 0 ? GraphMarker::leftSide : GraphMarker::rightSide;
}
