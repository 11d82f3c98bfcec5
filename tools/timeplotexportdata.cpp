#include "timeplotexportdata.h"

#include <tools/graph/dialogtext.h>
#include <tools/timeplot.h>

TimePlotExportData TimePlotExportData::from(const TimePlot &plot)
{
    return {&plot, plot.start().text(), plot.end().text(), "100", {}};
}

std::string TimePlotExportData::text() const
{
    if (!plot)
        return {};
    return plot->dataExportText(DialogText::readNumber(start), DialogText::readNumber(end),
                                DialogText::readInteger(dataPoints, 0, maxDataPoints), number);
}
