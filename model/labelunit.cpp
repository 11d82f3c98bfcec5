#include "labelunit.h"

#include <model/charclass.h>

#include <common/ipstream.h>
#include <common/numbertext.h>
#include <common/opstream.h>

void labelUnit::assign(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    m_text.assign(text.substr(0, capacity));
}

void labelUnit::normalize()
{
    std::size_t first = 0;
    while (first < m_text.size() && CharClass::isSpace(m_text[first]))
        ++first;
    std::size_t last = first;
    while (last < m_text.size() && CharClass::isLetterOrDigit(m_text[last]))
        ++last;
    m_text = m_text.substr(first, last - first);
}

bool labelUnit::isValidName() const
{
    return !m_text.empty() && CharClass::isLetter(m_text.front());
}

bool labelUnit::normalizeAndCheckName()
{
    normalize();
    return isValidName();
}

bool labelUnit::isNumber() const
{
    std::size_t consumed = 0;
    parseLeadingDouble(m_text.c_str(), &consumed);
    return consumed > 0;
}

void labelUnit::write(opstream &os) const
{
    os.writeString(m_text);
}

void labelUnit::read(ipstream &is, std::uint32_t)
{
    assign(is.readString());
}
