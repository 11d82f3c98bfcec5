#pragma once

// The nearest breaks on either side of a time, among offered candidates.
namespace Breaks {

class Nearest
{
public:
    explicit Nearest(double t)
        : m_t(t)
        , m_below(t)
        , m_above(t)
    {
    }

    void offer(double candidate)
    {
        if (candidate < m_t && (!m_hasBelow || candidate > m_below)) {
            m_below = candidate;
            m_hasBelow = true;
        }
        if (candidate > m_t && (!m_hasAbove || candidate < m_above)) {
            m_above = candidate;
            m_hasAbove = true;
        }
    }
    // The largest candidate below t, or t when there is none.
    double below() const { return m_below; }
    // The smallest candidate above t, or t when there is none.
    double above() const { return m_above; }

private:
    double m_t;
    double m_below;
    double m_above;
    bool m_hasBelow = false;
    bool m_hasAbove = false;
};

} // namespace Breaks
