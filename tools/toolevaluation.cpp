#include "toolevaluation.h"

#include <tools/bodeplot.h>
#include <tools/timeplot.h>
#include <tools/transfunc.h>

#include <model/tcircuitdocument.h>

void evaluateTool(CircTool &tool)
{
    if (auto *plot = dynamic_cast<BodePlot *>(&tool)) {
        plot->update();
        plot->attach();
    } else if (auto *timePlot = dynamic_cast<TimePlot *>(&tool)) {
        timePlot->rebuildSolutions();
        timePlot->update();
    } else {
        tool.update();
    }
}

std::vector<CircTool *> evaluationOrder(const TCircuitDocument &document)
{
    std::vector<CircTool *> tools;
    for (CircTool *tool : document.tools()) {
        if (dynamic_cast<const TransFunc *>(tool))
            tools.push_back(tool);
    }
    for (CircTool *tool : document.tools()) {
        if (!dynamic_cast<const TransFunc *>(tool))
            tools.push_back(tool);
    }
    return tools;
}
