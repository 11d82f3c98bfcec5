#include "tranfuncdialogdata.h"

#include <tools/graph/dialogtext.h>
#include <tools/transfunc.h>

#include <model/tcircuitdocument.h>

#include <algorithm>

TranFuncDialogData TranFuncDialogData::from(const TransFunc &tool)
{
    TranFuncDialogData data;
    data.name = tool.name().text();
    data.outputEquation = tool.outputEquation().text();
    data.showOI = tool.showsOI();
    data.showSDomain = tool.showsSDomain();
    if (const TCircuitDocument *document = tool.document()) {
        for (const CircTag *tag : document->tags()) {
            if (!tag->name().isEmpty())
                data.outputLabels.emplace_back(tag->name().view());
        }
        for (const Component *component : document->components()) {
            if (component->isIndependent() && !component->name().isEmpty())
                data.inputSources.emplace_back(component->name().view());
        }
    }
    const auto match
        = std::find(data.inputSources.begin(), data.inputSources.end(), tool.inputSource().view());
    if (match != data.inputSources.end())
        data.selectedSource = static_cast<int>(match - data.inputSources.begin());
    else if (data.inputSources.size() == 1)
        data.selectedSource = 0;
    return data;
}

std::size_t TranFuncDialogData::insertLabel(int labelIndex, std::size_t caret)
{
    caret = std::min(caret, outputEquation.size());
    if (labelIndex < 0 || static_cast<std::size_t>(labelIndex) >= outputLabels.size())
        return caret;
    const std::string &label = outputLabels[static_cast<std::size_t>(labelIndex)];
    outputEquation.insert(caret, label);
    return caret + label.size();
}

void TranFuncDialogData::applyTo(TransFunc &tool) const
{
    labelUnit label = DialogText::readLabel(name);
    label.normalize();
    tool.setName(label);
    tool.setOutputEquation(std::string_view(outputEquation).substr(0, DialogText::fieldLength));
    const bool chosen
        = selectedSource >= 0 && static_cast<std::size_t>(selectedSource) < inputSources.size();
    tool.setInputSource(DialogText::readLabel(
        chosen ? inputSources[static_cast<std::size_t>(selectedSource)] : ""));
    tool.setShowsOI(showOI);
    tool.setShowsSDomain(showSDomain);
    tool.update();
}
