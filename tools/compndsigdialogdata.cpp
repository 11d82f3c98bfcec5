#include "compndsigdialogdata.h"

#include <tools/compndsig.h>
#include <tools/graph/dialogtext.h>
#include <tools/signal.h>

#include <model/textdouble.h>

#include <common/drawcolors.h>

#include <algorithm>
#include <numbers>

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

std::unique_ptr<Signal> CompndSigDialogData::previewSignal(const Rect &frame) const
{
    const CompndSig element = preview();
    const CompndSig::Parameters &p = element.parameters();
    double span = 1.0;
    if (p.a > 0.0)
        span = (std::max(p.r, 0.0) + 5.0) / p.a;
    else if (p.w > 0.0)
        span = 3.0 * 2.0 * std::numbers::pi / p.w;
    // A tenth of the window before the start shows the step or the impulse there.
    const double from = p.start - 0.1 * span;
    auto signal = std::make_unique<Signal>();
    signal->place({frame.left, frame.top}, {frame.right, frame.bottom}, nullptr);
    signal->setWindow(textDouble(DialogText::number(from)),
                      textDouble(DialogText::number(p.start + span)));
    signal->appendElement(std::make_unique<CompndSig>(p));
    TPElemParam line = signal->line();
    line.shown = true;
    line.colour = DrawColors::current().screen(ColorRole::GraphDefaultLine);
    signal->setLine(line);
    signal->update();
    return signal;
}
