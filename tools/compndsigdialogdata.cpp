#include "compndsigdialogdata.h"

#include <tools/compndsig.h>
#include <tools/graph/dialogtext.h>

CompndSigDialogData CompndSigDialogData::from(const CompndSig &element)
{
    const CompndSig::Parameters &p = element.parameters();
    CompndSigDialogData data;
    const double values[] = {p.start, p.K, p.r, p.a, p.w, p.phi};
    for (std::size_t i = 0; i < data.fields.size(); ++i)
        data.fields[i] = DialogText::number(values[i]);
    return data;
}

void CompndSigDialogData::applyTo(CompndSig &element) const
{
    element.setParameters(preview().parameters());
}

CompndSig CompndSigDialogData::preview() const
{
    const auto field = [&](std::size_t i) { return DialogText::readNumber(fields[i]); };
    return CompndSig(
        CompndSig::Parameters{field(0), field(1), field(2), field(3), field(4), field(5)});
}
