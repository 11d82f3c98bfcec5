#pragma once

#include <common/drawsurface.h>
#include <common/geometry.h>

#include <complex>
#include <vector>

class FactPolynom;
class TransFunc;

// The s-plane picture of a transfer function's roots: poles as crosses, zeros as circles, the
// pole-zero pairs that cancelled greyed, a multiplicity above 1 written beside its mark. The
// origin lies in the middle and the scale holds every root. When the nonzero roots' moduli
// span more than two decades the radius is logarithmic: a root of modulus r lies at
// (log10 r - log10 rmin + 1) / (log10 rmax - log10 rmin + 1) of the full radius, in its own
// direction, so that roots decades apart stay apart; a root at 0 stays at the origin.
class PoleZeroMap
{
public:
    struct Mark
    {
        std::complex<double> value;
        int multiplicity = 1;
        bool pole = false;
        bool cancelled = false;
    };

    // Every root of the tool's four lists, a complex root with its conjugate.
    static PoleZeroMap from(const TransFunc &tool);
    void add(const FactPolynom &roots, bool pole, bool cancelled);

    const std::vector<Mark> &marks() const { return m_marks; }
    bool isLogarithmic() const;
    // Where a value lies in the picture of the frame.
    Point place(std::complex<double> value, const Rect &frame) const;
    // The axes, the scale's text in the top left corner and the marks, in the graph colours.
    void draw(DrawSurface &surface, const Rect &frame) const;

private:
    // The least and the largest modulus of the nonzero roots; 1 and 1 without any.
    std::pair<double, double> moduli() const;

    std::vector<Mark> m_marks;
};
