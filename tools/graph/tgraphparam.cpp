#include "tgraphparam.h"

#include <common/ipstream.h>
#include <common/opstream.h>

#include <tuple>

bool TGraphParam::operator==(const TGraphParam &o) const
{
    const auto fields = [](const TGraphParam &p) {
        return std::tie(p.leftMinimum, p.leftMaximum, p.rightMinimum, p.rightMaximum,
                        p.horizontalLabel, p.leftLabel, p.rightLabel, p.leftShowScale,
                        p.rightShowScale, p.leftShowLines, p.rightShowLines, p.leftAutoRange,
                        p.rightAutoRange, p.horizontalShowScale, p.horizontalShowLines,
                        p.linearHorizontalAxis);
    };
    return fields(*this) == fields(o);
}

void TGraphParam::write(opstream &os) const
{
    os.writeObject(leftMinimum);
    os.writeObject(leftMaximum);
    os.writeObject(rightMinimum);
    os.writeObject(rightMaximum);
    os.writeObject(horizontalLabel);
    os.writeObject(leftLabel);
    os.writeObject(rightLabel);
    for (const bool flag :
         {leftShowScale, rightShowScale, leftShowLines, rightShowLines, leftAutoRange,
          rightAutoRange, horizontalShowScale, horizontalShowLines, linearHorizontalAxis})
        os.writeBool32(flag);
}

void TGraphParam::read(ipstream &is, std::uint32_t version)
{
    if (version <= 1) {
        // The first records knew the left axis and the horizontal label only.
        is.readObject(leftLabel);
        is.readObject(horizontalLabel);
        is.readObject(leftMinimum);
        is.readObject(leftMaximum);
        leftAutoRange = is.readBool32();
        return;
    }
    is.readObject(leftMinimum);
    is.readObject(leftMaximum);
    is.readObject(rightMinimum);
    is.readObject(rightMaximum);
    is.readObject(horizontalLabel);
    is.readObject(leftLabel);
    is.readObject(rightLabel);
    if (version == 2) {
        for (bool *flag : {&leftShowScale, &rightShowScale, &leftAutoRange, &rightAutoRange,
                           &linearHorizontalAxis})
            *flag = is.readBool32();
        return;
    }
    for (bool *flag :
         {&leftShowScale, &rightShowScale, &leftShowLines, &rightShowLines, &leftAutoRange,
          &rightAutoRange, &horizontalShowScale, &horizontalShowLines, &linearHorizontalAxis})
        *flag = is.readBool32();
}
