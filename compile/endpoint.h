#pragma once

#include <model/fwd.h>

#include <cstdint>

// One distinct terminal position of a document's circuit. The netlist keeps exactly one
// EndPoint per position; components and tags point to that one.
class EndPoint
{
public:
    EndPoint() = default;
    EndPoint(std::int32_t x, std::int32_t y, const TCircuitDocument *document)
        : m_x(x)
        , m_y(y)
        , m_document(document)
    {
    }

    std::int32_t x() const { return m_x; }
    std::int32_t y() const { return m_y; }
    const TCircuitDocument *document() const { return m_document; }

    bool operator==(const EndPoint &other) const = default;

private:
    std::int32_t m_x = 0;
    std::int32_t m_y = 0;
    const TCircuitDocument *m_document = nullptr;
};
