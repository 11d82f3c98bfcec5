#include "depsrcdialogdata.h"

#include <model/currenttag.h>
#include <model/depsource.h>
#include <model/tcircuitdocument.h>
#include <model/voltagetag.h>

#include <algorithm>

DepSrcDialogData DepSrcDialogData::from(const DepSource &source)
{
    DepSrcDialogData data;
    data.label = NameSideDialogData::from(source);
    data.voltageDependent = source.isVoltageDependent();
    data.gainNumerator = source.gainNumerator().view();
    data.gainDenominator = source.gainDenominator().view();
    data.document = source.document();
    for (const TagDepcy &dependency : source.dependencies())
        data.dependencies.push_back(dependency.tagName());
    data.rebuildEntries();
    return data;
}

void DepSrcDialogData::chooseKind(bool voltage)
{
    voltageDependent = voltage;
    rebuildEntries();
}

void DepSrcDialogData::toggle(std::size_t index)
{
    if (index < entries.size())
        entries[index].marked = !entries[index].marked;
}

void DepSrcDialogData::applyTo(DepSource &source) const
{
    label.applyTo(source);
    source.setVoltageDependent(voltageDependent);
    source.dependencies().clear();
    for (const Entry &entry : entries) {
        if (entry.marked)
            source.dependencies().append(TagDepcy(labelUnit(entry.name), true));
    }
    source.setGainNumerator(textDouble(gainNumerator));
    source.setGainDenominator(textDouble(gainDenominator));
}

void DepSrcDialogData::rebuildEntries()
{
    entries.clear();
    if (!document)
        return;
    for (const CircTag *tag : document->tags()) {
        const bool voltageTag = dynamic_cast<const VoltageTag *>(tag) != nullptr;
        const bool currentTag = dynamic_cast<const CurrentTag *>(tag) != nullptr;
        if (voltageDependent ? voltageTag : currentTag)
            offer(tag->name());
    }
    for (const Component *component : document->components()) {
        if (component->isIndependent()
            && (voltageDependent ? component->isVoltageSource() : component->isCurrentSource()))
            offer(component->name());
    }
}

// Names are offered as the compile's checks will leave them, normalized.
void DepSrcDialogData::offer(const labelUnit &name)
{
    labelUnit offered = name;
    if (!offered.normalizeAndCheckName())
        return;
    const bool marked
        = std::find(dependencies.begin(), dependencies.end(), offered) != dependencies.end();
    entries.push_back({std::string(offered.view()), marked});
}
