#pragma once

#include <common/tstreamablebase.h>
#include <model/labelunit.h>

// One controlling quantity of a dependent source: the name of a tag or of an independent
// source. The compile weighs the entry by its selected value; every kept entry has 1.
class TagDepcy : public TStreamableBase
{
    ZENODYNE_STREAMABLE(TagDepcy, 1)

public:
    TagDepcy() = default;
    TagDepcy(const labelUnit &tagName, bool selected = true)
        : m_selected(selected)
        , m_tagName(tagName)
    {
    }

    bool isSelected() const { return m_selected; }
    const labelUnit &tagName() const { return m_tagName; }

    bool operator==(const TagDepcy &other) const
    {
        return m_selected == other.m_selected && m_tagName == other.m_tagName;
    }

private:
    bool m_selected = false;
    labelUnit m_tagName;
};
