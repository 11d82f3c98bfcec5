#pragma once

#include <tools/frequencyresponse.h>
#include <tools/graph/graphable.h>
#include <tools/graph/plotdata.h>
#include <tools/graph/tpelemparam.h>

#include <common/tstreamablebase.h>

#include <array>
#include <cstddef>
#include <string_view>

class BPElemParam;

// The four curves a Bode plot draws for one transfer function.
enum class BodeLineKind { Magnitude, Phase, Real, Imaginary };

inline constexpr std::array<BodeLineKind, 4> bodeLineKinds
    = {BodeLineKind::Magnitude, BodeLineKind::Phase, BodeLineKind::Real, BodeLineKind::Imaginary};

// "Magnitude", "Phase", "Real" or "Imaginary": the column of the data export and the title of
// the line's dialog.
inline constexpr std::string_view bodeLineName(BodeLineKind kind)
{
    constexpr std::array<std::string_view, 4> names = {"Magnitude", "Phase", "Real", "Imaginary"};
    return names[static_cast<std::size_t>(kind)];
}

// One curve of a Bode plot over x, the decimal logarithm of the frequency: the samples the
// plot took and the line's parameters. The element it belongs to supplies the transfer
// function and the modes; each kind turns a value H of the transfer function into its own
// quantity. Only the line parameters are stored; the samples are taken anew.
class BodeLine : public TStreamableBase, public Graphable
{
    ZENODYNE_STREAMABLE(BodeLine, 1)

public:
    BodeLine() = default;
    // A hidden line on the given axis.
    explicit BodeLine(bool leftAxis);

    // The line's quantity at 10^x in the plot's frequency unit.
    double value(double x) const override;
    // The same in the given unit (the data export chooses its own).
    double valueAt(double x, bool radiansPerSecond) const;
    // The line's quantity of the transfer function's value; the base answers 0.
    virtual double sampleValue(const FrequencyResponse &h) const;

    // Appends the quantity of h as a point sample.
    void addSample(const FrequencyResponse &h);
    void clear() { m_curve.clear(); }
    const plotData &curve() const { return m_curve; }

    const TPElemParam &parameters() const { return m_parameters; }
    TPElemParam &parameters() { return m_parameters; }
    const BPElemParam *element() const { return m_element; }
    void setElement(const BPElemParam *element) { m_element = element; }

private:
    plotData m_curve;
    const BPElemParam *m_element = nullptr;
    TPElemParam m_parameters;
};
