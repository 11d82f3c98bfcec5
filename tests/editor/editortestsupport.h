#pragma once

#include <editor/circuiteditor.h>
#include <editor/editorclipboard.h>
#include <editor/palette.h>

#include <model/parameterdialogs.h>
#include <support/circuitsketch.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// A clipboard in memory: nothing at first, then the last block set.
class MemoryClipboard : public EditorClipboard
{
public:
    bool hasCircuitObjects() const override { return m_filled; }
    std::vector<std::uint8_t> circuitObjects() const override { return m_block; }
    void setCircuitObjects(std::span<const std::uint8_t> block) override
    {
        m_block.assign(block.begin(), block.end());
        m_filled = true;
    }

private:
    bool m_filled = false;
    std::vector<std::uint8_t> m_block;
};

// Parameter dialogs that count how often they open. Component dialogs confirm with the value
// given (when there is one) and cancel otherwise; the others cancel.
class CountingDialogs : public ParameterDialogs
{
public:
    int opened = 0;
    std::string confirmedValue;

    bool passCompDialog(PassCompDialogData &data) override;
    bool indepSrcDialog(NameSideDialogData &) override { return cancel(); }
    bool depSrcDialog(DepSrcDialogData &) override { return cancel(); }
    bool circTagDialog(NameSideDialogData &) override { return cancel(); }
    bool textBoxEditor(TextBoxEditorData &) override { return cancel(); }

private:
    bool cancel()
    {
        ++opened;
        return false;
    }
};

// An editor on a sketched circuit with a palette, a clipboard and dialogs of its own. At the
// start the view shows the sheet at zoom 1 from the origin, so window points are sheet points.
struct EditorBench
{
    CircuitSketch sketch;
    Palette palette;
    MemoryClipboard clipboard;
    CountingDialogs dialogs;
    CircuitEditor editor{sketch.document, palette, clipboard, dialogs};

    TCircuitDocument &document() { return sketch.document; }
    // Press, one move and release of the left button.
    void drag(Point from, Point to, bool shift = false);
    void click(Point at, bool shift = false) { drag(at, at, shift); }
    // The first and second point of every component, as "(x1,y1)-(x2,y2)".
    std::vector<std::string> componentPlaces() const;
    // Which things are selected, as "1" or "0" per thing, components then tags then tools.
    std::string selectionPattern() const;
};
