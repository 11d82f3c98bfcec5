#pragma once

#include <tools/graph/tgraphparam.h>

#include <string>

// "Graph Parameters": everything of the graph but the kind of horizontal axis. Text fields
// hand back at most 62 characters; the ranges go through the number-text rules.
struct TGraphParamDialogData
{
    std::string leftMinimum;
    std::string leftMaximum;
    std::string rightMinimum;
    std::string rightMaximum;
    std::string horizontalLabel;
    std::string leftLabel;
    std::string rightLabel;
    bool leftShowScale = true;
    bool rightShowScale = false;
    bool leftShowLines = true;
    bool rightShowLines = false;
    bool leftAutoRange = true;
    bool rightAutoRange = true;
    bool horizontalShowScale = true;
    bool horizontalShowLines = true;

    static TGraphParamDialogData from(const TGraphParam &params);
    void applyTo(TGraphParam &params) const;
};
