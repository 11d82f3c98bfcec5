#include "toolcircuits.h"

#include <cmath>
#include <numbers>
#include <string>

namespace ToolCircuits {

namespace {

// The source from ground up to the top left corner.
void drive(CircuitSketch &sketch)
{
    sketch.ground(at(0, 2));
    sketch.voltageSource(at(0, 2), at(0, 0), "V1");
}

} // namespace

void divider(CircuitSketch &sketch)
{
    drive(sketch);
    sketch.resistor(at(0, 0), at(1, 0), "R1", "1", 1);
    sketch.resistor(at(1, 0), at(1, 2), "R2", "3", 1);
    sketch.ground(at(1, 2));
    sketch.voltageTag(at(1, 0), at(1, 2), "Vout");
}

void rcLowPass(CircuitSketch &sketch)
{
    drive(sketch);
    sketch.resistor(at(0, 0), at(1, 0), "R1", "1", 1);
    sketch.capacitor(at(1, 0), at(1, 2), "C1", "1", 1);
    sketch.ground(at(1, 2));
    sketch.voltageTag(at(1, 0), at(1, 2), "Vout");
}

Complex rcLowPassAt(Complex s)
{
    return 1.0 / (1.0 + s * 1e-3);
}

void rlcBandPass(CircuitSketch &sketch)
{
    drive(sketch);
    sketch.inductor(at(0, 0), at(1, 0), "L1", "10", 2);
    sketch.capacitor(at(1, 0), at(2, 0), "C1", "1", 1);
    sketch.resistor(at(2, 0), at(2, 2), "R1", "100");
    sketch.ground(at(2, 2));
    sketch.voltageTag(at(2, 0), at(2, 2), "Vout");
}

Complex rlcBandPassAt(Complex s)
{
    const double rc = 1e-4, lc = 1e-8;
    return s * rc / (s * s * lc + s * rc + 1.0);
}

void admittance(CircuitSketch &sketch)
{
    drive(sketch);
    sketch.capacitor(at(0, 0), at(1, 2), "C1", "1", 1);
    sketch.ground(at(1, 2));
    sketch.resistor(at(0, 0), at(2, 0), "R1", "1", 1);
    sketch.inductor(at(2, 0), at(2, 2), "L1", "1", 3);
    sketch.ground(at(2, 2));
    sketch.currentTag(at(0, 0), at(1, 2), "IC");
    sketch.currentTag(at(0, 0), at(2, 0), "IR");
}

Complex admittanceAt(Complex s)
{
    return s * 1e-6 + 1.0 / (1000.0 + s);
}

void constantResistance(CircuitSketch &sketch)
{
    drive(sketch);
    sketch.resistor(at(0, 0), at(1, 0), "RA", "1", 1);
    sketch.inductor(at(1, 0), at(1, 2), "L1", "1", 3);
    sketch.ground(at(1, 2));
    sketch.resistor(at(0, 0), at(3, 1), "RB", "1", 1);
    sketch.capacitor(at(3, 1), at(3, 2), "C1", "1", 1);
    sketch.ground(at(3, 2));
    sketch.currentTag(at(0, 0), at(1, 0), "IA");
    sketch.currentTag(at(0, 0), at(3, 1), "IB");
}

void rcLadder(CircuitSketch &sketch, int sections)
{
    drive(sketch);
    for (int i = 0; i < sections; ++i) {
        const std::string index = std::to_string(i + 1);
        sketch.resistor(at(i, 0), at(i + 1, 0), ("R" + index).c_str(), "1", 1);
        sketch.capacitor(at(i + 1, 0), at(i + 1, 2), ("C" + index).c_str(), "100", 0);
        sketch.ground(at(i + 1, 2));
    }
    sketch.voltageTag(at(sections, 0), at(sections, 2), "Vout");
}

std::vector<double> rcLadderPoles(int sections)
{
    const double tau = 1e3 * 100e-12;
    std::vector<double> poles;
    for (int k = 1; k <= sections; ++k) {
        const double x = std::sin((2 * k - 1) * std::numbers::pi / (2 * (2 * sections + 1)));
        poles.push_back(-4.0 / tau * x * x);
    }
    return poles;
}

} // namespace ToolCircuits
