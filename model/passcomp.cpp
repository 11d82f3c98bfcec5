#include "passcomp.h"

#include <model/parameterdialogs.h>
#include <model/passcompdialogdata.h>

#include <common/ipstream.h>
#include <common/numbertext.h>
#include <common/opstream.h>

#include <cmath>

bool PassComp::editParameters(ParameterDialogs &dialogs)
{
    return runParameterDialog(dialogs, &ParameterDialogs::passCompDialog, *this);
}

transDouble PassComp::exactScaledValue() const
{
    const double scaled = scaledValue();
    const transDouble exact
        = transDouble::fromText(m_value.view())
          * transDouble::fromText(formatGeneral(units().factor(m_unitIndex), 15));
    // The factors are powers of ten, written exactly with 15 digits. Both read the same number,
    // unless the text is of a form the decimal reading does not know.
    if (std::abs(exact.toDouble() - scaled) <= 1e-14 * std::abs(scaled))
        return exact;
    return transDouble(scaled);
}

// The class title (Resistor, Capacitor, Inductor) names the component in the messages.
void PassComp::check()
{
    const std::string kind = helpTopicTitle();
    if (m_value.value() <= 0) {
        report(kind + " %s has null value");
        return;
    }
    const double scaled = scaledValue();
    if (!std::isfinite(scaled) || scaled == 0)
        report(kind + " %s has a value out of range");
}

std::string PassComp::valueLabel() const
{
    return std::string(m_value.view()) + " " + std::string(units().label(m_unitIndex));
}

void PassComp::write(opstream &os) const
{
    os.writeBaseOf<Component>(*this);
    os.writeObject(m_value);
    os.writeInt32(m_unitIndex);
}

void PassComp::read(ipstream &is, std::uint32_t)
{
    is.readBaseOf<Component>(*this);
    is.readObject(m_value);
    m_unitIndex = is.readInt32();
}
