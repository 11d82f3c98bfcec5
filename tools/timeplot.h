#pragma once

#include <tools/exportnumberformat.h>
#include <tools/graph/graph.h>
#include <tools/graph/plotdata.h>
#include <tools/graph/tgraphparam.h>
#include <tools/graph/tpelemparam.h>
#include <tools/supersigsolution.h>

#include <model/circtool.h>
#include <model/labelunit.h>
#include <model/textdouble.h>

#include <common/marray.h>
#include <common/mptrarray.h>

#include <string>
#include <vector>

class Signal;
class TransFunc;

// The time plot: closed-form responses of the circuit to the input signals assigned to its
// independent sources, over a time window. An output line (titled with a tag name) plots the
// sum over the sources with a signal of the response from each source to the tag; a
// transfer-function line (titled with the tool's name) plots the response of that tool's
// transfer function to the signal at its input source. The responses are built when the
// dialog is confirmed and stored with the plot; the curves are sampled from them.
//
// Only the proper part of a transfer function enters a response: improper terms would need
// derivatives and impulses of the input signal, which the responses do not represent.
class TimePlot : public CircTool
{
    ZENODYNE_STREAMABLE(TimePlot, 2)

public:
    // The most sample columns of a frame, however wide it is.
    static constexpr int maxColumns = 16384;

    TimePlot();
    ~TimePlot() override;
    TimePlot(const TimePlot &) = delete;
    TimePlot &operator=(const TimePlot &) = delete;

    // "Time Domain Plot Parameters": on OK the responses are rebuilt and sampled.
    bool editParameters(ParameterDialogs &dialogs) override;
    // "Export Data from Time Domain Plot".
    bool exportData(ParameterDialogs &dialogs) override;
    // The graph of every curve with its line's markers, titled with the plot's name.
    void paint(DrawSurface &surface) const override;
    // The graph that paint draws, its curves registered and its horizontal range set.
    Graph makeGraph(DrawSurface &surface) const;
    const char *helpTopicTitle() const override { return "Output Signal"; }
    // Samples every response for the frame's width and finds the lines' markers.
    void update() override;
    void attach() override { update(); }

    // Builds the responses anew from the circuit (compiling when needed) and the signals.
    void rebuildSolutions();
    // Whether a transfer function that entered a response at the last rebuild had improper
    // terms, which the response leaves out.
    bool omitsImproperTerms() const { return m_omitsImproperTerms; }

    // The curves of the output responses, then of the transfer-function responses, sampled
    // at columns + 1 times from start in steps of (end - start) / (columns - 1); none for an
    // empty window or no column.
    std::vector<plotData> sampled(double start, double end, int columns, bool autoSample) const;
    // The export: a header, then points rows "time, value, ...", the high value of each
    // sample; only the header when the window is empty.
    std::string dataExportText(double start, double end, int points,
                               const ExportNumberFormat &number = ExportNumberFormat()) const;

    const MArray<TPElemParam> &outputLines() const { return m_outputLines; }
    MArray<TPElemParam> &outputLines() { return m_outputLines; }
    const MArray<TPElemParam> &transferLines() const { return m_transferLines; }
    MArray<TPElemParam> &transferLines() { return m_transferLines; }
    void setLines(const MArray<TPElemParam> &outputLines, const MArray<TPElemParam> &transferLines);
    const MPtrArray<SuperSigSolution> &outputSolutions() const { return m_outputSolutions; }
    const MPtrArray<SuperSigSolution> &transferSolutions() const { return m_transferSolutions; }
    const std::vector<plotData> &outputCurves() const { return m_outputCurves; }
    const std::vector<plotData> &transferCurves() const { return m_transferCurves; }
    // The sources that have a signal and the signal tool's name for each.
    const MArray<labelUnit> &sourceNames() const { return m_sourceNames; }
    const MArray<labelUnit> &signalNames() const { return m_signalNames; }
    void setSignals(const MArray<labelUnit> &sourceNames, const MArray<labelUnit> &signalNames);
    const textDouble &start() const { return m_start; }
    const textDouble &end() const { return m_end; }
    void setWindow(const textDouble &start, const textDouble &end);
    bool autoSample() const { return m_autoSample; }
    void setAutoSample(bool autoSample) { m_autoSample = autoSample; }
    const TGraphParam &graph() const { return m_graph; }
    void setGraph(const TGraphParam &graph) { m_graph = graph; }

private:
    // The signal tool of the name; null when there is none or the tool is no signal.
    const Signal *signalNamed(const labelUnit &name) const;
    // The signal assigned to the source; null when it has none.
    const Signal *signalOfSource(const labelUnit &source) const;
    std::unique_ptr<SuperSigSolution> outputResponse(const TPElemParam &line);
    std::unique_ptr<SuperSigSolution> transferResponse(const TPElemParam &line);
    void addResponse(SuperSigSolution &response, const Signal &signal, const TransFunc &function);
    void clearSolutions();
    void recomputeMarkers(MArray<TPElemParam> &lines, const MPtrArray<SuperSigSolution> &solutions);

    MArray<TPElemParam> m_outputLines;
    MArray<TPElemParam> m_transferLines;
    MPtrArray<SuperSigSolution> m_outputSolutions;
    MPtrArray<SuperSigSolution> m_transferSolutions;
    std::vector<plotData> m_outputCurves;
    std::vector<plotData> m_transferCurves;
    MArray<labelUnit> m_sourceNames;
    MArray<labelUnit> m_signalNames;
    textDouble m_start;
    textDouble m_end;
    bool m_autoSample = true;
    TGraphParam m_graph;
    bool m_omitsImproperTerms = false;
};
