#pragma once

#include <compile/compilemonitor.h>

#include <functional>
#include <vector>

// A compile monitor that keeps every progress report and interrupts when told to.
class RecordingMonitor : public CompileMonitor
{
public:
    std::vector<CompileProgress> reports;
    int starts = 0;
    int finishes = 0;
    int beeps = 0;
    // Asked after each report; the compile is interrupted once it answers true.
    std::function<bool(const CompileProgress &)> interruptWhen;

    void started() override { ++starts; }
    void refresh(const CompileProgress &progress) override { reports.push_back(progress); }
    bool interrupted() override
    {
        return interruptWhen && !reports.empty() && interruptWhen(reports.back());
    }
    void finished() override { ++finishes; }
    void beep() override { ++beeps; }

    // The distinct successive values of one progress field, in order.
    std::vector<int> steps(int CompileProgress::*field) const
    {
        std::vector<int> values;
        for (const CompileProgress &report : reports) {
            if (values.empty() || values.back() != report.*field)
                values.push_back(report.*field);
        }
        return values;
    }
};
