#include "modeltestsupport.h"

#include <model/capacitor.h>
#include <model/circuitfile.h>
#include <model/currenttag.h>
#include <model/currsource.h>
#include <model/depcurrsource.h>
#include <model/depvoltsource.h>
#include <model/grounder.h>
#include <model/inductor.h>
#include <model/resistor.h>
#include <model/textblock.h>
#include <model/thinglists.h>
#include <model/voltagetag.h>
#include <model/voltsource.h>
#include <model/wire.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <algorithm>
#include <memory>

namespace {

std::string pointText(Point p)
{
    return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
}

template<typename T>
std::unique_ptr<T> passive(Point first, Point second, const char *name, const char *value, int unit)
{
    auto component = placedThing<T>(first, second, name, LabelSide::Other);
    component->setValue(textDouble(value));
    component->setUnitIndex(unit);
    return component;
}

} // namespace

std::string thingSignature(const CircThing &thing)
{
    std::string line = std::string(thing.streamableName()) + " '" + std::string(thing.name().view())
                       + "' " + pointText(thing.firstPoint()) + pointText(thing.secondPoint())
                       + " side " + std::to_string(static_cast<int>(thing.labelSide())) + " label "
                       + pointText(thing.labelPoint());
    if (const auto *passive = dynamic_cast<const PassComp *>(&thing))
        line += " value '" + std::string(passive->value().view()) + "' unit "
                + std::to_string(passive->unitIndex());
    if (const auto *dependent = dynamic_cast<const DepSource *>(&thing)) {
        line += dependent->isVoltageDependent() ? " voltage" : " current";
        for (const TagDepcy &dependency : dependent->dependencies())
            line += " [" + std::to_string(dependency.isSelected()) + " '"
                    + std::string(dependency.tagName().view()) + "']";
        line += " gain '" + std::string(dependent->gainNumerator().view()) + "'/'"
                + std::string(dependent->gainDenominator().view()) + "'";
    }
    if (const auto *block = dynamic_cast<const TextBlock *>(&thing))
        line += " text '" + block->text() + "'";
    return line;
}

std::string settingsSignature(const TCircuitDocument &document)
{
    const PrinterSettings &printer = document.printerSettings();
    return "start " + std::to_string(document.startPage()) + " pages "
           + std::to_string(document.pageCount().width) + "x"
           + std::to_string(document.pageCount().height)
           + (document.numbersLeftToRight() ? " left-to-right" : " top-to-bottom") + " printer "
           + std::to_string(printer.orientation) + "," + std::to_string(printer.paperSize) + ","
           + std::to_string(printer.paperLength) + "," + std::to_string(printer.paperWidth)
           + " names " + std::to_string(document.showsComponentNames()) + " values "
           + std::to_string(document.showsComponentValues()) + " solver "
           + std::to_string(document.solverParameter()) + " bytes "
           + std::to_string(document.significandBytes());
}

std::vector<std::string> circuitSignature(const TCircuitDocument &document)
{
    std::vector<std::string> lines;
    for (const Component *component : document.components())
        lines.push_back(thingSignature(*component));
    for (const CircTag *tag : document.tags())
        lines.push_back(thingSignature(*tag));
    for (const CircTool *tool : document.tools())
        lines.push_back(thingSignature(*tool));
    return lines;
}

std::string thingRecord(const CircThing &thing)
{
    opstream os;
    os.writeObject(thing);
    return std::string(os.bytes().begin(), os.bytes().end());
}

std::vector<std::string> sortedRecords(const TCircuitDocument &document)
{
    std::vector<std::string> records;
    ThingLists::matching(document, [](const CircThing &) {
        return true;
    }).forEach([&](const CircThing &thing) { records.push_back(thingRecord(thing)); });
    std::sort(records.begin(), records.end());
    return records;
}

void buildEveryKind(TCircuitDocument &document)
{
    document.openNew();
    document.addComponent(placedThing<Wire>({10, 10}, {50, 10}, "W"));
    document.addComponent(placedThing<Grounder>({10, 10}, {10, 30}, ""));
    document.addComponent(passive<Resistor>({50, 10}, {90, 10}, "R1", "4.7", 1));
    document.addComponent(passive<Capacitor>({90, 10}, {90, 50}, "C1", "100", 0));
    document.addComponent(passive<Inductor>({90, 50}, {130, 50}, "L1", "2.2e-3", 5));
    document.addComponent(placedThing<VoltSource>({130, 50}, {130, 90}, "V1"));
    document.addComponent(placedThing<CurrSource>({130, 90}, {170, 90}, "I1", LabelSide::Other));
    auto dependent = placedThing<DepVoltSource>({170, 90}, {170, 130}, "E1");
    dependent->dependencies().append(TagDepcy(labelUnit("Vx")));
    dependent->dependencies().append(TagDepcy(labelUnit("V1")));
    dependent->setGainNumerator(textDouble("3"));
    dependent->setGainDenominator(textDouble("2"));
    document.addComponent(std::move(dependent));
    auto currentControlled = placedThing<DepCurrSource>({170, 130}, {210, 130}, "F1");
    currentControlled->setVoltageDependent(false);
    currentControlled->dependencies().append(TagDepcy(labelUnit("Ix")));
    currentControlled->setGainNumerator(textDouble("-1e-3"));
    currentControlled->setGainDenominator(textDouble("1"));
    document.addComponent(std::move(currentControlled));
    document.addTag(placedThing<VoltageTag>({50, 10}, {90, 50}, "Vx", LabelSide::Other));
    document.addTag(placedThing<CurrentTag>({50, 10}, {90, 10}, "Ix"));
    auto tool = std::make_unique<CircTool>();
    tool->place({300, 300}, {200, 200}, nullptr);
    tool->setName(labelUnit("T1"));
    document.addLoadedTool(std::move(tool));
    auto block = std::make_unique<TextBlock>();
    block->place({10, 200}, {150, 260}, nullptr);
    block->setText("{\\rtf1\\ansi{\\fonttbl\\f0 Arial;}\\f0 Low-pass filter\\par R1 C1}");
    document.addLoadedTool(std::move(block));
}

std::vector<std::uint8_t> documentBytes(const TCircuitDocument &document)
{
    opstream os;
    CircuitFile::write(document, os);
    return os.takeBytes();
}

std::string readDocumentBytes(TCircuitDocument &document, const std::vector<std::uint8_t> &bytes)
{
    ipstream is(bytes);
    CircuitFile::read(document, is);
    return is.errorText();
}
