#pragma once

#include <tools/bodeline.h>
#include <tools/frequencyresponse.h>
#include <tools/imaginarypartbodeline.h>
#include <tools/magnitudebodeline.h>
#include <tools/phasebodeline.h>
#include <tools/realpartbodeline.h>

#include <algebra/factoredratio.h>
#include <model/labelunit.h>

#include <common/tstreamablebase.h>

#include <cstdint>
#include <type_traits>

class BodePlot;

// One transfer function of a Bode plot: the name of the transfer-function tool that supplies
// it, a copy of its function by factors, the magnitude and phase modes and the four lines. A copy's
// lines belong to the copy.
class BPElemParam : public TStreamableBase
{
    ZENODYNE_STREAMABLE(BPElemParam, 3)

public:
    enum MagnitudeMode : std::int32_t { OneToOne = 0, TenLog = 1, TwentyLog = 2 };
    enum PhaseMode : std::int32_t { Radians = 0, Degrees = 1 };

    BPElemParam();
    explicit BPElemParam(const labelUnit &toolName);
    BPElemParam(const BPElemParam &other);
    BPElemParam &operator=(const BPElemParam &other);
    ~BPElemParam() override = default;

    labelUnit name;
    FactoredRatio ratio;
    std::int32_t magnitudeMode = TwentyLog;
    std::int32_t phaseMode = Radians;

    const BodeLine &line(BodeLineKind kind) const;
    BodeLine &line(BodeLineKind kind);
    bool hasShownLine() const;

    // The plot whose frequency unit the lines use; without one they use rad/s.
    const BodePlot *owner() const { return m_owner; }
    void setOwner(const BodePlot *owner) { m_owner = owner; }
    bool radiansPerSecond() const;

    // The ratio at s = jω, ω = 10^x in rad/s or in Hz (s = j·2π·ω).
    FrequencyResponse response(double x, bool radiansPerSecond) const;

    // Samples every line from decade start over decades decades at samplesPerDecade samples a
    // decade (a real number: each decade holds its ceiling, from its start up), then finds the
    // markers of the shown lines.
    void resample(std::int64_t start, std::int64_t decades, double samplesPerDecade);

private:
    template<typename Element>
    using LineOf = std::conditional_t<std::is_const_v<Element>, const BodeLine, BodeLine>;
    // The line of a kind, const for a const element.
    template<typename Element>
    static auto lineOf(Element &element, BodeLineKind kind) -> LineOf<Element> &;
    void claimLines();

    const BodePlot *m_owner = nullptr;
    MagnitudeBodeLine m_magnitudeLine;
    PhaseBodeLine m_phaseLine;
    RealPartBodeLine m_realLine;
    ImaginaryPartBodeLine m_imaginaryLine;
};
