#pragma once

#include <support/circuitsketch.h>

#include <complex>
#include <vector>

// Circuits whose transfer functions the tool tests know in closed form, driven by the voltage
// source "V1". Values: R = 1 kΩ, C = 1 µF, L = 1 H unless said otherwise.
namespace ToolCircuits {

using Complex = std::complex<double>;

// "Vout" across R2 of R1 = 1 kΩ, R2 = 3 kΩ: 0.75.
void divider(CircuitSketch &sketch);
// "Vout" across C1 after R1: 1 / (1 + sτ), τ = 1 ms.
void rcLowPass(CircuitSketch &sketch);
Complex rcLowPassAt(Complex s);
// "Vout" across R1 = 100 Ω after L1 = 10 mH and C1 = 1 µF: sRC / (s²LC + sRC + 1), ω0 = 1e4,
// Q = 1.
void rlcBandPass(CircuitSketch &sketch);
Complex rlcBandPassAt(Complex s);
// The input admittance "IC+IR" of C1 in parallel with R1 in series with L1:
// sC + 1 / (R + sL), improper.
void admittance(CircuitSketch &sketch);
Complex admittanceAt(Complex s);
// The admittance "IA+IB" of R + sL in parallel with R + 1/(sC), L = R²C: the constant 1/R,
// its numerator and denominator sharing the double root -1/(RC).
void constantResistance(CircuitSketch &sketch);
// "Vout" at the open end of a ladder of equal sections, each a series 1 kΩ and 100 pF to
// ground (τ = 100 ns).
void rcLadder(CircuitSketch &sketch, int sections);
// Its poles: -(4 / τ) sin²((2k - 1) π / (2 (2n + 1))), k = 1 ... n.
std::vector<double> rcLadderPoles(int sections);

} // namespace ToolCircuits
