#pragma once

#include <model/fwd.h>
#include <model/labelunit.h>
#include <model/namesidedialogdata.h>

#include <cstddef>
#include <string>
#include <vector>

// "Dependent Source Parameters": name, kind, the "Circuit Tags" list of controlling
// quantities with their marks, the gain numerator and denominator, and the label position.
struct DepSrcDialogData
{
    struct Entry
    {
        std::string name;
        bool marked = false;

        bool operator==(const Entry &) const = default;
    };

    NameSideDialogData label;
    bool voltageDependent = true;
    // Offered for the chosen kind: the owner's tags of that kind, then its independent sources
    // of that kind, each only with a valid name.
    std::vector<Entry> entries;
    std::string gainNumerator;
    std::string gainDenominator;
    // Where the entries come from, and the names that are marked whenever the list is built.
    const TCircuitDocument *document = nullptr;
    std::vector<labelUnit> dependencies;

    static DepSrcDialogData from(const DepSource &source);
    // Switches between voltage and current dependence and rebuilds the list.
    void chooseKind(bool voltageDependent);
    void toggle(std::size_t index);
    // The dependency list becomes the marked entries in list order; the gains go through the
    // number-text assignment.
    void applyTo(DepSource &source) const;

private:
    void rebuildEntries();
    void offer(const labelUnit &name);
};
