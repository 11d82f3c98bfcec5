#include "tgraphparamdialogdata.h"

#include <tools/dialogtext.h>

TGraphParamDialogData TGraphParamDialogData::from(const TGraphParam &p)
{
    return {p.leftMinimum.text(),  p.leftMaximum.text(),     p.rightMinimum.text(),
            p.rightMaximum.text(), p.horizontalLabel.text(), p.leftLabel.text(),
            p.rightLabel.text(),   p.leftShowScale,          p.rightShowScale,
            p.leftShowLines,       p.rightShowLines,         p.leftAutoRange,
            p.rightAutoRange,      p.horizontalShowScale,    p.horizontalShowLines};
}

void TGraphParamDialogData::applyTo(TGraphParam &p) const
{
    const auto number
        = [](const std::string &text) { return textDouble(DialogText::readLabel(text).view()); };
    p.leftMinimum = number(leftMinimum);
    p.leftMaximum = number(leftMaximum);
    p.rightMinimum = number(rightMinimum);
    p.rightMaximum = number(rightMaximum);
    p.horizontalLabel = DialogText::readLabel(horizontalLabel);
    p.leftLabel = DialogText::readLabel(leftLabel);
    p.rightLabel = DialogText::readLabel(rightLabel);
    p.leftShowScale = leftShowScale;
    p.rightShowScale = rightShowScale;
    p.leftShowLines = leftShowLines;
    p.rightShowLines = rightShowLines;
    p.leftAutoRange = leftAutoRange;
    p.rightAutoRange = rightAutoRange;
    p.horizontalShowScale = horizontalShowScale;
    p.horizontalShowLines = horizontalShowLines;
}
