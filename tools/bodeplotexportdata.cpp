#include "bodeplotexportdata.h"

#include <tools/bodeplot.h>
#include <tools/graph/dialogtext.h>

BodePlotExportData BodePlotExportData::from(const BodePlot &plot)
{
    BodePlotExportData data;
    data.plot = &plot;
    data.startDecade = std::to_string(plot.startDecade());
    data.decades = std::to_string(plot.decades());
    data.radiansPerSecond = plot.radiansPerSecond();
    return data;
}

std::string BodePlotExportData::text() const
{
    if (!plot)
        return {};
    return plot->dataExportText(
        DialogText::readInteger(startDecade, -BodePlot::maxDecades, BodePlot::maxDecades),
        DialogText::readInteger(decades, 0, BodePlot::maxDecades),
        DialogText::readInteger(dataPoints, 0, maxDataPoints), radiansPerSecond, logFrequency,
        number);
}
