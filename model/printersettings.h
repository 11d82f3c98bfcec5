#pragma once

#include <cstdint>

// The printer's orientation and paper, as its device settings reported them after Print Setup.
struct PrinterSettings
{
    std::int32_t orientation = 1;
    std::int32_t paperSize = 1;
    std::int32_t paperLength = 0;
    std::int32_t paperWidth = 0;

    bool operator==(const PrinterSettings &) const = default;
};
