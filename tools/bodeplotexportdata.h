#pragma once

#include <tools/exportnumberformat.h>

#include <string>

class BodePlot;

// "Export Data from Bode Plot": the decade range and unit (filled from the plot), "Data
// Points" (filled with "100") and "Log(freq)" / "freq".
struct BodePlotExportData
{
    // The most rows an export writes, whatever the field says.
    static constexpr int maxDataPoints = 1000000;

    const BodePlot *plot = nullptr;
    std::string startDecade;
    std::string decades;
    std::string dataPoints = "100";
    // The dialog writes 6 significant digits; a front end may ask for more.
    ExportNumberFormat number;
    bool radiansPerSecond = true;
    bool logFrequency = true;

    static BodePlotExportData from(const BodePlot &plot);
    // The text to save or copy, from the fields as they stand.
    std::string text() const;
};
