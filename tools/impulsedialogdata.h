#pragma once

#include <string>

class Impulse;

// "Impulse Signal Parameters": the texts of "Start" and "Magnitude".
struct ImpulseDialogData
{
    std::string start;
    std::string magnitude;

    static ImpulseDialogData from(const Impulse &impulse);
    void applyTo(Impulse &impulse) const;
};
