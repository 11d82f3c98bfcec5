#pragma once

#include <tools/bpelemparam.h>
#include <tools/exportnumberformat.h>
#include <tools/graph/graph.h>
#include <tools/graph/tgraphparam.h>

#include <model/circtool.h>

#include <common/marray.h>

#include <cstdint>
#include <string>

// The Bode plot: magnitude, phase, real and imaginary part of transfer functions over the
// decimal logarithm of the frequency, one sample per column of the frame. Each element names
// a transfer-function tool and keeps a copy of its whole transfer function, taken at the last
// update; the curves are sampled from those copies after loading and after every edit.
class BodePlot : public CircTool
{
    ZENODYNE_STREAMABLE(BodePlot, 2)

public:
    // The most sample columns of a frame and the widest and farthest decade range sampled,
    // whatever a file or a dialog holds.
    static constexpr int maxColumns = 16384;
    static constexpr int maxDecades = 1000;

    BodePlot();
    BodePlot(const BodePlot &) = delete;
    BodePlot &operator=(const BodePlot &) = delete;

    // "Bode Plot Parameters": on OK the ratios are copied and the curves resampled.
    bool editParameters(ParameterDialogs &dialogs) override;
    // "Export Data from Bode Plot".
    bool exportData(ParameterDialogs &dialogs) override;
    // The graph of every shown line with its markers, titled with the plot's name.
    void paint(DrawSurface &surface) const override;
    // The graph that paint draws, its curves registered and its horizontal range set.
    Graph makeGraph(DrawSurface &surface) const;
    const char *helpTopicTitle() const override { return "Bode Plot"; }
    // Copies, for every element, the whole transfer function of the transfer-function tool of
    // its name: the proper ratio with the tool's improper terms folded back in (numerator +
    // improper terms × denominator), so that the curves show H(jω) entire. An element whose
    // tool is gone keeps the function it had.
    void update() override;
    // Resamples every element for the frame's width.
    void attach() override { resample(); }
    void resample();

    // The export: a header, then points rows from decade start over decades decades, the
    // frequency as its logarithm or plain, every shown line evaluated in the given unit.
    std::string dataExportText(std::int32_t start, std::int32_t decades, int points,
                               bool radiansPerSecond, bool logFrequency,
                               const ExportNumberFormat &number = ExportNumberFormat()) const;

    const MArray<BPElemParam> &elements() const { return m_elements; }
    MArray<BPElemParam> &elements() { return m_elements; }
    // The plot takes over copies of the elements as its own.
    void setElements(const MArray<BPElemParam> &elements);
    std::int32_t startDecade() const { return m_startDecade; }
    void setStartDecade(std::int32_t decade) { m_startDecade = decade; }
    std::int32_t decades() const { return m_decades; }
    void setDecades(std::int32_t decades) { m_decades = decades; }
    bool radiansPerSecond() const { return m_radiansPerSecond; }
    void setRadiansPerSecond(bool radians) { m_radiansPerSecond = radians; }
    const TGraphParam &graph() const { return m_graph; }
    void setGraph(const TGraphParam &graph) { m_graph = graph; }

private:
    void claimElements();

    MArray<BPElemParam> m_elements;
    std::int32_t m_startDecade = 0;
    std::int32_t m_decades = 2;
    bool m_radiansPerSecond = true;
    TGraphParam m_graph;
};
