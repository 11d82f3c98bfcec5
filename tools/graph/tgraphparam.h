#pragma once

#include <model/labelunit.h>
#include <model/textdouble.h>

#include <common/tstreamablebase.h>

// The parameters of a graph: the ranges, labels and show flags of its two vertical axes and
// of its horizontal axis.
class TGraphParam : public TStreamableBase
{
    ZENODYNE_STREAMABLE(TGraphParam, 3)

public:
    TGraphParam() = default;
    // Parameters with the given horizontal label (the tools' "time [s]" or "Freq 10^x").
    explicit TGraphParam(const labelUnit &horizontal, bool linearHorizontal = true)
        : horizontalLabel(horizontal)
        , linearHorizontalAxis(linearHorizontal)
    {
    }

    textDouble leftMinimum;
    textDouble leftMaximum;
    textDouble rightMinimum;
    textDouble rightMaximum;
    labelUnit horizontalLabel;
    labelUnit leftLabel;
    labelUnit rightLabel;
    bool leftShowScale = true;
    bool rightShowScale = false;
    bool leftShowLines = true;
    bool rightShowLines = false;
    bool leftAutoRange = true;
    bool rightAutoRange = true;
    bool horizontalShowScale = true;
    bool horizontalShowLines = true;
    // False for a horizontal axis in decades.
    bool linearHorizontalAxis = true;

    bool operator==(const TGraphParam &other) const;
};
