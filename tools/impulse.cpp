#include "impulse.h"

#include <tools/impulsedialogdata.h>
#include <tools/tooldialogs.h>

#include <algebra/factpolynom.h>
#include <algebra/polynom.h>

#include <common/ipstream.h>
#include <common/opstream.h>

bool Impulse::edit(ToolDialogs &dialogs)
{
    ImpulseDialogData data = ImpulseDialogData::from(*this);
    if (!dialogs.impulseDialog(data))
        return false;
    data.applyTo(*this);
    return true;
}

double Impulse::value(double t) const
{
    return t == m_start ? m_magnitude : 0.0;
}

std::unique_ptr<SigElement> Impulse::clone() const
{
    return std::make_unique<Impulse>(*this);
}

// The response to an impulse is the impulse response scaled by its magnitude.
void Impulse::transform(Polynom &numerator, FactPolynom &poles) const
{
    numerator.setConstant(m_magnitude);
    poles.clear();
}

void Impulse::write(opstream &os) const
{
    os.writeBaseOf<SigElement>(*this);
    os.writeDouble(m_start);
    os.writeDouble(m_magnitude);
}

void Impulse::read(ipstream &is, std::uint32_t)
{
    is.readBaseOf<SigElement>(*this);
    m_start = is.readDouble();
    m_magnitude = is.readDouble();
}
