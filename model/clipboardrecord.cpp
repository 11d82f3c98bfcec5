#include "clipboardrecord.h"

#include <model/modelstreamables.h>
#include <model/tcircuitdocument.h>
#include <model/thinglists.h>
#include <model/thingrecords.h>

namespace ClipboardRecord {

std::vector<std::uint8_t> writeSelected(const TCircuitDocument &document)
{
    const ThingLists selection
        = ThingLists::matching(document, [](const CircThing &thing) { return thing.isSelected(); });
    opstream os;
    ThingRecords::writeList(os, selection.components());
    ThingRecords::writeList(os, selection.tags());
    ThingRecords::writeList(os, selection.tools());
    return os.takeBytes();
}

std::string read(std::span<const std::uint8_t> block, ThingLists &things)
{
    registerModelStreamables();
    things.clear();
    ipstream is(block);
    const auto add = [&](auto thing) { things.add(std::move(thing)); };
    ThingRecords::readList<Component>(is, "component", add);
    ThingRecords::readList<CircTag>(is, "tag", add);
    ThingRecords::readList<CircTool>(is, "tool", add);
    if (is.good() && !is.atEnd())
        is.fail("data after the clipboard record");
    if (is.good())
        return {};
    things.clear();
    return is.errorText();
}

} // namespace ClipboardRecord
