#include "passcomp.h"

#include <model/parameterdialogs.h>
#include <model/passcompdialogdata.h>

#include <common/ipstream.h>
#include <common/opstream.h>

bool PassComp::editParameters(ParameterDialogs &dialogs)
{
    return runParameterDialog(dialogs, &ParameterDialogs::passCompDialog, *this);
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
