#include "bpepdialogdata.h"

#include <tools/bpelemparam.h>
#include <tools/graph/tpepdialogdata.h>
#include <tools/tooldialogs.h>

#include <common/drawcolors.h>

BPEPDialogData BPEPDialogData::from(const BPElemParam &element)
{
    BPEPDialogData data;
    data.elementName = element.name.text();
    data.magnitudeMode = element.magnitudeMode;
    data.phaseMode = element.phaseMode;
    for (const BodeLineKind kind : bodeLineKinds)
        data.line(kind) = element.line(kind).parameters();
    return data;
}

bool BPEPDialogData::editLine(ToolDialogs &dialogs, BodeLineKind kind)
{
    TPElemParam &target = line(kind);
    TPEPDialogData data = TPEPDialogData::from(target, true);
    data.line.title = labelUnit(elementName + " " + std::string(bodeLineName(kind)) + " Plot");
    if (!target.shown)
        data.line.colour = DrawColors::current().screen(ColorRole::GraphDefaultLine);
    if (!dialogs.plotLineDialog(data))
        return false;
    data.applyTo(target);
    target.title = data.line.title;
    return true;
}

void BPEPDialogData::applyTo(BPElemParam &element) const
{
    element.magnitudeMode = magnitudeMode;
    element.phaseMode = phaseMode;
    for (const BodeLineKind kind : bodeLineKinds)
        element.line(kind).parameters() = lines[static_cast<std::size_t>(kind)];
}
