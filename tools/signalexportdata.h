#pragma once

#include <tools/exportnumberformat.h>

#include <string>

class Signal;

// "Export Data from Time Domain Plot" for a signal: "Start" and "End" (filled from the
// signal) and "Data Points" (filled with "100").
struct SignalExportData
{
    // The most rows an export writes, whatever the field says.
    static constexpr int maxDataPoints = 1000000;

    const Signal *signal = nullptr;
    std::string start;
    std::string end;
    std::string dataPoints = "100";
    // The dialog writes 6 significant digits; a front end may ask for more.
    ExportNumberFormat number;

    static SignalExportData from(const Signal &signal);
    // The text to save or copy, from the fields as they stand.
    std::string text() const;
};
