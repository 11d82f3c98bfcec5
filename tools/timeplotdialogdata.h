#pragma once

#include <tools/graph/tgraphparam.h>
#include <tools/graph/tpelemparam.h>

#include <string>
#include <vector>

class TimePlot;
class ToolDialogs;

// "Time Domain Plot Parameters": the name, the window, "Auto Sample", the graph parameters,
// one row per tag ("Output Signals to Plot") and per transfer-function tool ("Transfer
// Functions to Plot") with a name, each holding the plot's line of that name or a new line in
// the default line colour, and one row per independent source with its signal.
class TimePlotDialogData
{
public:
    // A source and the name of its signal tool; empty for none.
    struct SourceRow
    {
        std::string source;
        std::string signal;
    };

    // The first entry of the "Signals" list.
    static constexpr const char *noSignal = "(None)";

    std::string name;
    std::string start;
    std::string end;
    bool autoSample = true;
    TGraphParam graph;
    std::vector<TPElemParam> outputRows;
    std::vector<TPElemParam> transferRows;
    // "Sources and Input Signals", in component order.
    std::vector<SourceRow> sourceRows;
    // "Signals": noSignal, then the names of the signal tools that have one (a signal without
    // a name cannot be assigned by name).
    std::vector<std::string> signalChoices;

    static TimePlotDialogData from(const TimePlot &plot);

    // Double-click on a row: the plot-line dialog with "Show Line" on its line.
    bool editOutputRow(ToolDialogs &dialogs, int row);
    bool editTransferRow(ToolDialogs &dialogs, int row);
    bool editGraph(ToolDialogs &dialogs);

    // Selecting a source row; -1 (or an index outside the list) selects none.
    void selectSource(int row);
    int selectedSource() const { return m_selectedSource; }
    // The "Signals" entry of the selected source: its signal, or 0 (noSignal).
    int selectedSignal() const;
    // Choosing a "Signals" entry sets the selected source's signal; 0 sets none.
    void chooseSignal(int choice);

    // OK: stores the name (62 characters, normalized), the rows whose lines are shown, in row
    // order, the sources that have a signal, the window, "Auto Sample" and the graph; then
    // rebuilds the responses and samples them.
    void applyTo(TimePlot &plot) const;

private:
    int m_selectedSource = -1;
};
