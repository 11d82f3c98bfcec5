#pragma once

#include <tools/graph/tgraphparam.h>
#include <tools/graph/tpelemparam.h>
#include <tools/sigelement.h>

#include <common/geometry.h>
#include <common/mptrarray.h>

#include <memory>
#include <string>

class Signal;
class ToolDialogs;

// "Signal Designer": works on copies of the signal's elements, line, graph parameters, window
// and flags, and copies them back on OK.
class SignalDialogData
{
public:
    static SignalDialogData from(const Signal &signal);
    // Stores everything in the signal (its elements replaced by copies of the working ones)
    // and resamples it.
    void applyTo(Signal &signal) const;

    std::string name;
    bool periodic = false;
    bool autoSample = true;
    std::string start;
    std::string end;
    // Always shown; a line that was not shown before takes the default line colour.
    TPElemParam line;
    TGraphParam graph;

    const MPtrArray<SigElement> &elements() const { return m_elements; }
    // The current element's index, -1 when there are none.
    int current() const { return m_current; }
    // The scroll bar: selects the element at the index, kept within the list.
    void select(int index);
    // "Signal Element %d of %d".
    std::string elementLabel() const;

    // "Add Impulse Element" / "Add Compound Element": a new element with its defaults becomes
    // current and its dialog opens; the element stays when that dialog is cancelled.
    void addImpulse(ToolDialogs &dialogs);
    void addCompound(ToolDialogs &dialogs);
    // "Edit Current Element"; false when there is none or the dialog was cancelled.
    bool editCurrent(ToolDialogs &dialogs);
    // "Delete Current Element"; the current index stays within the list.
    void deleteCurrent();
    // "Line Parameters" (without "Show Line") and "Graph Parameters".
    bool editLine(ToolDialogs &dialogs);
    bool editGraph(ToolDialogs &dialogs);

    // The pictures "The Signal" (every working element) and "The Signal Elements" (the current
    // one alone), as signals sampled for the frame.
    std::unique_ptr<Signal> signalPreview(const Rect &frame) const;
    std::unique_ptr<Signal> elementPreview(const Rect &frame) const;

private:
    void add(std::unique_ptr<SigElement> element, ToolDialogs &dialogs);
    std::unique_ptr<Signal> preview(const Rect &frame, bool currentOnly) const;

    MPtrArray<SigElement> m_elements;
    int m_current = -1;
};
