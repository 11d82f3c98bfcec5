#include "paletteentry.h"

#include <model/capacitor.h>
#include <model/currenttag.h>
#include <model/currsource.h>
#include <model/depcurrsource.h>
#include <model/depvoltsource.h>
#include <model/grounder.h>
#include <model/inductor.h>
#include <model/resistor.h>
#include <model/textblock.h>
#include <model/voltagetag.h>
#include <model/voltsource.h>
#include <model/wire.h>
#include <tools/bodeplot.h>
#include <tools/signal.h>
#include <tools/timeplot.h>
#include <tools/transfunc.h>

#include <array>
#include <cstddef>

namespace {

// The letters are plain keys, apart from the edit commands (which all take Ctrl or are the
// Delete key); Esc goes back to the select cursor.
constexpr std::array<PaletteEntryInfo, 18> entries{{
    {PaletteEntry::SelectCursor, "Select Cursor\nSelect", 0},
    {PaletteEntry::InsertCursor, "Insert Cursor- a soldering iron\nInsert", 0},
    {PaletteEntry::TextBlock, "Text Block\nText Block", 'X'},
    {PaletteEntry::Wire, "Wire\nWire", 'W'},
    {PaletteEntry::Ground, "Ground Symbol\nGround", 'G'},
    {PaletteEntry::Resistor, "Resistor\nResistor", 'R'},
    {PaletteEntry::Capacitor, "Capacitor\nCapacitor", 'C'},
    {PaletteEntry::Inductor, "Inductor\nInductor", 'L'},
    {PaletteEntry::VoltageSource, "Voltage Source\nVoltage Source", 'V'},
    {PaletteEntry::CurrentSource, "Current Source\nCurrent Source", 'I'},
    {PaletteEntry::DependentVoltageSource, "Dependent Voltage Source\nDep. Voltage Source", 'E'},
    {PaletteEntry::DependentCurrentSource, "Dependent Current Source\nDep. Current Source", 'F'},
    {PaletteEntry::VoltageTag, "Voltage Tag\nVoltage Tag", 'T'},
    {PaletteEntry::CurrentTag, "Current Tag\nCurrent Tag", 'A'},
    {PaletteEntry::TransferFunction, "Transfer Function\nTransfer Function", 0},
    {PaletteEntry::BodePlot, "Bode Plot\nBode Plot", 0},
    {PaletteEntry::InputSignal, "Time Domain Input Signal\nInput Signal", 0},
    {PaletteEntry::OutputSignal, "Time Domain Output Signal Plot\nOutput Signal", 0},
}};

} // namespace

std::string_view PaletteEntryInfo::statusText() const
{
    const std::string_view text(hint);
    return text.substr(0, text.find('\n'));
}

std::string_view PaletteEntryInfo::toolTip() const
{
    const std::string_view text(hint);
    const std::size_t lineBreak = text.find('\n');
    return lineBreak == std::string_view::npos ? text : text.substr(lineBreak + 1);
}

bool PaletteEntryInfo::createsThing() const
{
    return entry != PaletteEntry::SelectCursor && entry != PaletteEntry::InsertCursor;
}

std::span<const PaletteEntryInfo> paletteEntries()
{
    return entries;
}

const PaletteEntryInfo &paletteEntryInfo(PaletteEntry entry)
{
    return entries[static_cast<std::size_t>(entry)];
}

std::unique_ptr<CircThing> createPaletteThing(PaletteEntry entry)
{
    switch (entry) {
    case PaletteEntry::SelectCursor:
    case PaletteEntry::InsertCursor:
        return nullptr;
    case PaletteEntry::TextBlock:
        return std::make_unique<TextBlock>();
    case PaletteEntry::Wire:
        return std::make_unique<Wire>();
    case PaletteEntry::Ground:
        return std::make_unique<Grounder>();
    case PaletteEntry::Resistor:
        return std::make_unique<Resistor>();
    case PaletteEntry::Capacitor:
        return std::make_unique<Capacitor>();
    case PaletteEntry::Inductor:
        return std::make_unique<Inductor>();
    case PaletteEntry::VoltageSource:
        return std::make_unique<VoltSource>();
    case PaletteEntry::CurrentSource:
        return std::make_unique<CurrSource>();
    case PaletteEntry::DependentVoltageSource:
        return std::make_unique<DepVoltSource>();
    case PaletteEntry::DependentCurrentSource:
        return std::make_unique<DepCurrSource>();
    case PaletteEntry::VoltageTag:
        return std::make_unique<VoltageTag>();
    case PaletteEntry::CurrentTag:
        return std::make_unique<CurrentTag>();
    case PaletteEntry::TransferFunction:
        return std::make_unique<TransFunc>();
    case PaletteEntry::BodePlot:
        return std::make_unique<BodePlot>();
    case PaletteEntry::InputSignal:
        return std::make_unique<Signal>();
    case PaletteEntry::OutputSignal:
        return std::make_unique<TimePlot>();
    }
    return nullptr;
}
