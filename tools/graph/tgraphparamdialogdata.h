#pragma once

#include <tools/graph/tgraphparam.h>

#include <string>

// "Graph Parameters": everything of the graph but the kind of horizontal axis. The check
// boxes edit the flags of a working copy; the text fields hand back at most 62 characters,
// and the ranges go through the number-text rules.
struct TGraphParamDialogData
{
    TGraphParam flags;
    std::string leftMinimum;
    std::string leftMaximum;
    std::string rightMinimum;
    std::string rightMaximum;
    std::string horizontalLabel;
    std::string leftLabel;
    std::string rightLabel;

    static TGraphParamDialogData from(const TGraphParam &params);
    void applyTo(TGraphParam &params) const;
};
