#pragma once

#include <tools/exportnumberformat.h>

#include <string>

class TimePlot;

// "Export Data from Time Domain Plot" for a time plot: "Start" and "End" (filled from the
// plot) and "Data Points" (filled with "100").
struct TimePlotExportData
{
    // The most rows an export writes, whatever the field says.
    static constexpr int maxDataPoints = 1000000;

    const TimePlot *plot = nullptr;
    std::string start;
    std::string end;
    std::string dataPoints = "100";
    // The dialog writes 6 significant digits; a front end may ask for more.
    ExportNumberFormat number;

    static TimePlotExportData from(const TimePlot &plot);
    // The text to save or copy, from the fields as they stand.
    std::string text() const;
};
