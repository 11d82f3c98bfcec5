#include "depsource.h"

#include <model/depsrcdialogdata.h>
#include <model/parameterdialogs.h>

#include <common/ipstream.h>
#include <common/opstream.h>
#include <common/streamformat.h>

#include <string>

namespace {

// A dependency is an object holding a word and a label object (a string).
constexpr std::size_t minimumDependencyBytes = 2 * StreamFormat::minimumObjectBytes + 4 + 4;

} // namespace

bool DepSource::editParameters(ParameterDialogs &dialogs)
{
    return runParameterDialog(dialogs, &ParameterDialogs::depSrcDialog, *this);
}

// The class title (Dependent Voltage Source, ...) names the source in the messages.
void DepSource::check()
{
    const std::string kind = helpTopicTitle();
    if (m_gainDenominator.value() <= 0)
        report(kind + " %s has an erroneous dependency equation");
    if (isShortedOrOpen())
        report(kind + " %s is directly shorted or is not loaded");
}

TransRatioFunc DepSource::gain() const
{
    TransRatioFunc ratio;
    ratio.setConstant(transDouble(m_gainNumerator.value() / m_gainDenominator.value()));
    return ratio;
}

void DepSource::write(opstream &os) const
{
    os.writeBaseOf<Component>(*this);
    os.writeWord32(static_cast<std::uint32_t>(m_dependencies.count()));
    for (const TagDepcy &dependency : m_dependencies)
        os.writeObject(dependency);
    os.writeBool32(m_voltageDependent);
    os.writeObject(m_gainNumerator);
    os.writeObject(m_gainDenominator);
}

// Version 1 held a single tag name and version 2 no voltage-dependent word; such sources keep
// the voltage dependence of a new source.
void DepSource::read(ipstream &is, std::uint32_t version)
{
    is.readBaseOf<Component>(*this);
    m_dependencies.clear();
    m_voltageDependent = true;
    if (version <= 1) {
        labelUnit tagName;
        if (is.readObject(tagName))
            m_dependencies.append(TagDepcy(tagName, true));
    } else {
        const std::uint32_t count = is.readCount(minimumDependencyBytes);
        for (std::uint32_t i = 0; i < count && is.good(); ++i) {
            TagDepcy dependency;
            if (is.readObject(dependency))
                m_dependencies.append(dependency);
        }
        if (version >= 3)
            m_voltageDependent = is.readBool32();
    }
    is.readObject(m_gainNumerator);
    is.readObject(m_gainDenominator);
}
