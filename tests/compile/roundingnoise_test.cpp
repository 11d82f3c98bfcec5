// The exact solution against its own rounding: what cancels to zero in exact arithmetic must
// come out as exactly 0, and a small true value must not be taken for rounding.

#include <compile/documentcompile.h>
#include <support/circuitsketch.h>

#include <gtest/gtest.h>

#include <complex>
#include <string>
#include <vector>

namespace {

// A resistive ladder of equal 1 kΩ sections, series resistor first, shunt resistor to ground,
// driven by V1; "N<k>" tags the k-th node.
void resistiveLadder(CircuitSketch &sketch, int sections)
{
    sketch.ground(at(0, 2));
    sketch.voltageSource(at(0, 2), at(0, 0), "V1");
    for (int k = 1; k <= sections; ++k) {
        const std::string index = std::to_string(k);
        sketch.resistor(at(k - 1, 0), at(k, 0), ("RS" + index).c_str(), "1", 1);
        sketch.resistor(at(k, 0), at(k, 2), ("RP" + index).c_str(), "1", 1);
        sketch.ground(at(k, 2));
        sketch.voltageTag(at(k, 0), at(k, 2), ("N" + index).c_str());
    }
}

// The node voltages of that ladder for V1 = 1, from its open end back: with V_n = 1 the
// series current into node k is the sum of the shunt currents beyond it.
std::vector<double> resistiveLadderVoltages(int sections)
{
    std::vector<double> v(static_cast<std::size_t>(sections + 1));
    v[static_cast<std::size_t>(sections)] = 1.0;
    double current = 1.0;
    for (int k = sections; k > 0; --k) {
        v[static_cast<std::size_t>(k - 1)] = v[static_cast<std::size_t>(k)] + current;
        current += v[static_cast<std::size_t>(k - 1)];
    }
    const double input = v[0];
    for (double &value : v)
        value /= input;
    return v;
}

TransRatioFunc evaluated(CircuitSketch &sketch, const char *equation)
{
    RecordingReceiver receiver;
    EXPECT_TRUE(evaluateOutputEquation(sketch.document, "V1", equation, receiver));
    EXPECT_TRUE(sketch.messages().empty());
    return receiver.ratio;
}

} // namespace

// Regression: from the 75th node on (4.5e-32) the far end of a 100-section ladder came out as
// exactly 0; the back substitution reaches those values through a cancellation of more than
// half the work precision, which was taken for rounding.
TEST(RoundingNoise, DeepAttenuationOfAResistiveLadderIsKept)
{
    constexpr int sections = 100;
    CircuitSketch sketch;
    resistiveLadder(sketch, sections);
    const std::vector<double> expected = resistiveLadderVoltages(sections);
    ASSERT_NEAR(expected[100], 2.20277e-42, 1e-47);
    for (const int node : {1, 50, 74, 75, 80, 100}) {
        const TransRatioFunc ratio = evaluated(sketch, ("N" + std::to_string(node)).c_str());
        EXPECT_NEAR(valueAt(ratio, 0.0).real() / expected[static_cast<std::size_t>(node)], 1.0,
                    1e-12)
            << "node " << node;
    }
}

// R1 C1 = R2 C2: both arms divide alike, and their difference is exactly 0, not the 10^-113
// that the rounding of the two numerators leaves.
TEST(RoundingNoise, BalancedBridgeAnswersExactlyZero)
{
    CircuitSketch sketch;
    sketch.ground(at(0, 2));
    sketch.voltageSource(at(0, 2), at(0, 0), "V1");
    sketch.resistor(at(0, 0), at(1, 0), "R1", "1", 1);
    sketch.capacitor(at(1, 0), at(1, 2), "C1", "1", 1);
    sketch.ground(at(1, 2));
    sketch.resistor(at(0, 0), at(2, 1), "R2", "2", 1);
    sketch.capacitor(at(2, 1), at(2, 2), "C2", "0.5", 1);
    sketch.ground(at(2, 2));
    sketch.resistor(at(1, 0), at(2, 1), "R5", "3", 1);
    sketch.voltageTag(at(1, 0), at(1, 2), "Va");
    sketch.voltageTag(at(2, 1), at(2, 2), "Vb");
    const TransRatioFunc balanced = evaluated(sketch, "Va-Vb");
    EXPECT_TRUE(balanced.isZero());
    EXPECT_EQ(balanced.numerator().degree(), 0);
}
