#include "tpepdialogdata.h"

#include <tools/graph/graphdialogs.h>
#include <tools/graph/graphmarkerdialogdata.h>

TPEPDialogData TPEPDialogData::from(const TPElemParam &line, bool hasShowLine)
{
    return {line, hasShowLine};
}

void TPEPDialogData::applyTo(TPElemParam &target) const
{
    const labelUnit title = target.title;
    const bool shown = target.shown;
    target = line;
    target.title = title;
    if (!hasShowLine)
        target.shown = shown;
}

std::vector<std::string> TPEPDialogData::markerLabels() const
{
    std::vector<std::string> labels;
    for (const GraphMarker &marker : line.markers)
        labels.push_back(marker.label());
    return labels;
}

bool TPEPDialogData::addMarker(GraphDialogs &dialogs)
{
    GraphMarkerDialogData data = GraphMarkerDialogData::from(GraphMarker());
    if (!dialogs.graphMarkerDialog(data))
        return false;
    GraphMarker marker;
    data.applyTo(marker);
    line.markers.append(marker);
    return true;
}

bool TPEPDialogData::editMarker(GraphDialogs &dialogs, int index)
{
    if (index < line.markers.lowerIndex() || index > line.markers.upperIndex())
        return false;
    GraphMarkerDialogData data = GraphMarkerDialogData::from(line.markers[index]);
    if (!dialogs.graphMarkerDialog(data))
        return false;
    data.applyTo(line.markers[index]);
    return true;
}

void TPEPDialogData::deleteMarker(int index)
{
    line.markers.removeAt(index);
}
