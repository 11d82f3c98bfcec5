#include "signalexportdata.h"

#include <tools/graph/dialogtext.h>
#include <tools/signal.h>

SignalExportData SignalExportData::from(const Signal &signal)
{
    return {&signal, signal.start().text(), signal.end().text(), "100", {}};
}

std::string SignalExportData::text() const
{
    if (!signal)
        return {};
    return signal->dataExportText(DialogText::readNumber(start), DialogText::readNumber(end),
                                  DialogText::readInteger(dataPoints, 0, maxDataPoints), number);
}
