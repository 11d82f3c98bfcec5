#include "tgraphparamdialogdata.h"

#include <tools/graph/dialogtext.h>

TGraphParamDialogData TGraphParamDialogData::from(const TGraphParam &p)
{
    return {p,
            p.leftMinimum.text(),
            p.leftMaximum.text(),
            p.rightMinimum.text(),
            p.rightMaximum.text(),
            p.horizontalLabel.text(),
            p.leftLabel.text(),
            p.rightLabel.text()};
}

void TGraphParamDialogData::applyTo(TGraphParam &p) const
{
    const bool linear = p.linearHorizontalAxis;
    p = flags;
    p.linearHorizontalAxis = linear;
    const auto number
        = [](const std::string &text) { return textDouble(DialogText::readLabel(text).view()); };
    p.leftMinimum = number(leftMinimum);
    p.leftMaximum = number(leftMaximum);
    p.rightMinimum = number(rightMinimum);
    p.rightMaximum = number(rightMaximum);
    p.horizontalLabel = DialogText::readLabel(horizontalLabel);
    p.leftLabel = DialogText::readLabel(leftLabel);
    p.rightLabel = DialogText::readLabel(rightLabel);
}
