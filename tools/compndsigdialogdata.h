#pragma once

#include <common/geometry.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>

class CompndSig;
class Signal;

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
    // The preview picture: the element alone, sampled for the frame over a window that shows
    // its start and its character (a few time constants of its decay, else a few periods of
    // its oscillation, else one second).
    std::unique_ptr<Signal> previewSignal(const Rect &frame) const;
};
