#pragma once

// Told when the palette's chosen entry or cursor mode changes (the toolbar shows it).
class PaletteListener
{
public:
    virtual ~PaletteListener() = default;
    virtual void paletteChanged() = 0;

protected:
    PaletteListener() = default;
};
