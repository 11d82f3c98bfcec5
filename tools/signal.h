#pragma once

#include <tools/exportnumberformat.h>
#include <tools/graph/graph.h>
#include <tools/graph/graphable.h>
#include <tools/graph/plotdata.h>
#include <tools/graph/tgraphparam.h>
#include <tools/graph/tpelemparam.h>
#include <tools/sigelement.h>

#include <model/circtool.h>
#include <model/textdouble.h>

#include <common/mptrarray.h>

#include <memory>
#include <string>

class FactoredRatio;
class SigSolution;

// An input signal on the sheet: the sum of its elements. It plots itself over its time window,
// exports sampled text, and gives the time plot the response of a transfer function to it,
// repeated every window length when it is periodic.
class Signal : public CircTool, public Graphable
{
    ZENODYNE_STREAMABLE(Signal, 2)

public:
    // The most sample columns of the curve, however wide the frame.
    static constexpr int maxColumns = 16384;

    Signal();
    ~Signal() override;

    bool editParameters(ParameterDialogs &dialogs) override;
    bool exportData(ParameterDialogs &dialogs) override;
    // The graph of the signal over its window, titled with the signal's name.
    void paint(DrawSurface &surface) const override;
    // The graph that paint draws, its curves registered and its horizontal range set.
    Graph makeGraph(DrawSurface &surface) const;
    const char *helpTopicTitle() const override { return "Input Signal"; }
    // Resamples the curve, one sample per column of the frame, and recomputes the markers.
    void update() override;
    void attach() override { update(); }
    bool isSignal() const override { return true; }
    double valueAt(double t) const override { return value(t); }
    // A periodic response when the signal is periodic, else a plain one; one term per element.
    // The response is that of the proper part of the transfer function h.
    std::unique_ptr<SigSolution> makeResponse(const FactoredRatio &h) const;

    // The sum of the elements' values.
    double value(double t) const override;
    // The sum over the elements that do not start at t.
    double leftValue(double t) const override;
    void range(double t, double t2, double dt, double &low, double &high) const override;
    double slope(double t) const override;
    double highestFrequency(double t) const override;
    // The nearest element starts below and above t (t when there is none).
    double previousBreak(double t) const override;
    double nextBreak(double t) const override;

    // The export text: a header, then points rows "t, value" from start to end.
    std::string dataExportText(double start, double end, int points,
                               const ExportNumberFormat &number = ExportNumberFormat()) const;

    const MPtrArray<SigElement> &elements() const { return m_elements; }
    void appendElement(std::unique_ptr<SigElement> element);
    // The signal takes over the elements of the list.
    void replaceElements(MPtrArray<SigElement> elements);
    const textDouble &start() const { return m_start; }
    const textDouble &end() const { return m_end; }
    void setWindow(const textDouble &start, const textDouble &end);
    bool isPeriodic() const { return m_periodic; }
    void setPeriodic(bool periodic) { m_periodic = periodic; }
    bool autoSample() const { return m_autoSample; }
    void setAutoSample(bool autoSample) { m_autoSample = autoSample; }
    const TPElemParam &line() const { return m_line; }
    TPElemParam &line() { return m_line; }
    void setLine(const TPElemParam &line) { m_line = line; }
    const TGraphParam &graph() const { return m_graph; }
    void setGraph(const TGraphParam &graph) { m_graph = graph; }
    const plotData &curve() const { return m_curve; }

private:
    plotData m_curve;
    MPtrArray<SigElement> m_elements;
    textDouble m_start;
    textDouble m_end;
    bool m_periodic = false;
    bool m_autoSample = true;
    TPElemParam m_line;
    TGraphParam m_graph;
};
