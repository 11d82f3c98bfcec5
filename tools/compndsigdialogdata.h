#pragma once

#include <array>
#include <string>
#include <string_view>

class CompndSig;

// "Compound Signal Element Parameters": the texts of "Start", "K", "r", "a", "w", "phi".
struct CompndSigDialogData
{
    static constexpr std::array<std::string_view, 6> fieldNames
        = {"Start", "K", "r", "a", "w", "phi"};

    std::array<std::string, 6> fields;

    static CompndSigDialogData from(const CompndSig &element);
    void applyTo(CompndSig &element) const;
    // The element as the fields stand, for the preview that "Update Graph" redraws.
    CompndSig preview() const;
};
