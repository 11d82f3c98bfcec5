#pragma once

#include <model/fwd.h>

#include <memory>
#include <span>
#include <string_view>

// The buttons of the palette, in toolbar order.
enum class PaletteEntry {
    SelectCursor,
    InsertCursor,
    TextBlock,
    Wire,
    Ground,
    Resistor,
    Capacitor,
    Inductor,
    VoltageSource,
    CurrentSource,
    DependentVoltageSource,
    DependentCurrentSource,
    VoltageTag,
    CurrentTag,
    TransferFunction,
    BodePlot,
    InputSignal,
    OutputSignal,
};

// What a palette button shows: its hint (the status-bar text, a line break, the tooltip) and
// the letter that chooses it from the keyboard (0 for none).
struct PaletteEntryInfo
{
    PaletteEntry entry;
    const char *hint;
    char shortcut;

    // The hint's text before the line break, for the status bar.
    std::string_view statusText() const;
    // The hint's text after the line break.
    std::string_view toolTip() const;
    // Whether the entry places a thing (every entry but the two cursors).
    bool createsThing() const;
};

// Every entry in toolbar order.
std::span<const PaletteEntryInfo> paletteEntries();
const PaletteEntryInfo &paletteEntryInfo(PaletteEntry entry);
// A new thing of the entry's class with default values; null for the two cursors.
std::unique_ptr<CircThing> createPaletteThing(PaletteEntry entry);
