#include "bodeline.h"

#include <tools/bpelemparam.h>

#include <common/ipstream.h>
#include <common/opstream.h>

BodeLine::BodeLine(bool leftAxis)
{
    m_parameters.leftAxis = leftAxis;
}

double BodeLine::value(double x) const
{
    return valueAt(x, !m_element || m_element->radiansPerSecond());
}

double BodeLine::valueAt(double x, bool radiansPerSecond) const
{
    return m_element ? sampleValue(m_element->response(x, radiansPerSecond)) : 0.0;
}

double BodeLine::sampleValue(const FrequencyResponse &) const
{
    return 0.0;
}

void BodeLine::addSample(const FrequencyResponse &h)
{
    const double v = sampleValue(h);
    m_curve.append(v, v);
}

void BodeLine::write(opstream &os) const
{
    os.writeObject(m_parameters);
}

void BodeLine::read(ipstream &is, std::uint32_t)
{
    is.readObject(m_parameters);
}
