#include "bpelemparam.h"

#include <tools/bodeplot.h>

#include <algebra/ratiofunc.h>

#include <common/drawcolors.h>
#include <common/ipstream.h>
#include <common/opstream.h>

#include <cmath>
#include <numbers>

BPElemParam::BPElemParam()
{
    claimLines();
}

// A new element's lines get colours of their own, the magnitude the graph's default line
// colour: a line without one would be drawn black, which the default background swallows.
BPElemParam::BPElemParam(const labelUnit &toolName)
    : BPElemParam()
{
    name = toolName;
    m_magnitudeLine.parameters().colour = DrawColors::current().screen(ColorRole::GraphDefaultLine);
    m_phaseLine.parameters().colour = Color{0, 200, 255};
    m_realLine.parameters().colour = Color{0, 220, 0};
    m_imaginaryLine.parameters().colour = Color{255, 0, 255};
}

BPElemParam::BPElemParam(const BPElemParam &other)
    : TStreamableBase(other)
    , name(other.name)
    , ratio(other.ratio)
    , magnitudeMode(other.magnitudeMode)
    , phaseMode(other.phaseMode)
    , m_owner(other.m_owner)
    , m_magnitudeLine(other.m_magnitudeLine)
    , m_phaseLine(other.m_phaseLine)
    , m_realLine(other.m_realLine)
    , m_imaginaryLine(other.m_imaginaryLine)
{
    claimLines();
}

BPElemParam &BPElemParam::operator=(const BPElemParam &other)
{
    name = other.name;
    ratio = other.ratio;
    magnitudeMode = other.magnitudeMode;
    phaseMode = other.phaseMode;
    m_owner = other.m_owner;
    m_magnitudeLine = other.m_magnitudeLine;
    m_phaseLine = other.m_phaseLine;
    m_realLine = other.m_realLine;
    m_imaginaryLine = other.m_imaginaryLine;
    claimLines();
    return *this;
}

template<typename Element>
auto BPElemParam::lineOf(Element &element, BodeLineKind kind) -> LineOf<Element> &
{
    switch (kind) {
    case BodeLineKind::Magnitude:
        return element.m_magnitudeLine;
    case BodeLineKind::Phase:
        return element.m_phaseLine;
    case BodeLineKind::Real:
        return element.m_realLine;
    case BodeLineKind::Imaginary:
        break;
    }
    return element.m_imaginaryLine;
}

const BodeLine &BPElemParam::line(BodeLineKind kind) const
{
    return lineOf(*this, kind);
}

BodeLine &BPElemParam::line(BodeLineKind kind)
{
    return lineOf(*this, kind);
}

bool BPElemParam::hasShownLine() const
{
    for (const BodeLineKind kind : bodeLineKinds) {
        if (line(kind).parameters().shown)
            return true;
    }
    return false;
}

bool BPElemParam::radiansPerSecond() const
{
    return !m_owner || m_owner->radiansPerSecond();
}

FrequencyResponse BPElemParam::response(double x, bool radiansPerSecond) const
{
    const double omega = std::pow(10.0, x);
    const double radius = radiansPerSecond ? omega : omega * (2.0 * std::numbers::pi);
    const std::complex<double> s(0.0, radius);
    FrequencyResponse h;
    h.scaled = ratio.scaledValue(s);
    h.value = h.scaled.value();
    h.resolution = ratio.resolution(s);
    return h;
}

void BPElemParam::resample(std::int64_t start, std::int64_t decades, double samplesPerDecade)
{
    for (const BodeLineKind kind : bodeLineKinds)
        line(kind).clear();
    const bool radians = radiansPerSecond();
    for (std::int64_t d = start; d < start + decades; ++d) {
        for (double k = samplesPerDecade; k > 0.0; k -= 1.0) {
            const FrequencyResponse h
                = response(static_cast<double>(d) + (1.0 - k / samplesPerDecade), radians);
            for (const BodeLineKind kind : bodeLineKinds)
                line(kind).addSample(h);
        }
    }
    for (const BodeLineKind kind : bodeLineKinds) {
        BodeLine &curve = line(kind);
        if (curve.parameters().shown)
            curve.parameters().recomputeMarkers(curve);
    }
}

void BPElemParam::claimLines()
{
    for (const BodeLineKind kind : bodeLineKinds)
        line(kind).setElement(this);
}

void BPElemParam::write(opstream &os) const
{
    os.writeObject(name);
    os.writeObject(ratio);
    os.writeInt32(magnitudeMode);
    os.writeObject(m_magnitudeLine);
    os.writeInt32(phaseMode);
    os.writeObject(m_phaseLine);
    os.writeObject(m_realLine);
    os.writeObject(m_imaginaryLine);
}

// A version-1 record holds the name and the ratio; modes and lines keep their defaults. Records
// before version 3 hold the ratio by its coefficients, factored here.
void BPElemParam::read(ipstream &is, std::uint32_t version)
{
    is.readObject(name);
    if (version >= 3) {
        is.readObject(ratio);
    } else {
        RatioFunc coefficients;
        is.readObject(coefficients);
        ratio = FactoredRatio::fromCoefficients(coefficients);
    }
    if (version >= 2) {
        magnitudeMode = is.readInt32();
        is.readObject(m_magnitudeLine);
        phaseMode = is.readInt32();
        is.readObject(m_phaseLine);
        is.readObject(m_realLine);
        is.readObject(m_imaginaryLine);
    }
    claimLines();
}
