#pragma once

#include <cstddef>
#include <string>
#include <vector>

class TransFunc;

// "Transfer Function": the name, the output equation with the output labels that can be
// inserted into it, the input source chosen from the circuit's independent sources, and the
// two show flags.
struct TranFuncDialogData
{
    std::string name;
    std::string outputEquation;
    // "Output Labels": the names of the circuit's tags that have one, in tag order.
    std::vector<std::string> outputLabels;
    // "Input Source": the names of the independent sources that have one, in component order.
    std::vector<std::string> inputSources;
    // The chosen entry of inputSources; -1 for none.
    int selectedSource = -1;
    bool showOI = true;
    bool showSDomain = true;

    // The source equal to the tool's is selected; failing that, a single listed source.
    static TranFuncDialogData from(const TransFunc &tool);
    // "<<": inserts the output label at the index into the equation at the caret (kept within
    // the text) and answers the caret after it; nothing happens for an index outside the list.
    std::size_t insertLabel(int labelIndex, std::size_t caret);
    // OK: stores the name (62 characters, normalized), the output equation and the chosen
    // source (62 characters each) and the flags, then evaluates the tool.
    void applyTo(TransFunc &tool) const;
};
