#pragma once

#include <support/circuitsketch.h>

#include <string>
#include <vector>

// What a command printed and answered.
struct CliRun
{
    int status = -1;
    std::string out;
    std::string err;
};

// Parses the arguments as zenodyne-cli parses its analysis commands and runs the command.
CliRun runCli(const std::vector<std::string> &arguments);

// The example circuit examples/rc-lowpass.crc: V1 through R1 = 1 kΩ into C1 = 0.1 µF, "Vout"
// across C1, so Vout / V1 = 1 / (1 + sτ) with τ = 0.1 ms.
std::string rcLowpassExample();
inline constexpr double rcLowpassTau = 1e-4;

// Saves the document as a file of the test's temporary folder and answers its path.
std::string saveInTempFolder(TCircuitDocument &document, const std::string &name);

// V1 drives L1 = 10 mH and C1 = 1 µF in series into R1 = 100 Ω; "Vout" across R1:
// H = (R/L) s / (s² + (R/L) s + 1/(LC)) = 1e4 s / (s² + 1e4 s + 1e8).
void rlcBandPass(CircuitSketch &sketch);
// "IC", the current V1 drives into C1 = 1 µF: I = sC V1, improper.
void capacitorCurrent(CircuitSketch &sketch);
// The circuit of the example, drawn: "Vout" / V1 = 1 / (1 + sτ), τ = rcLowpassTau.
void rcLowpass(CircuitSketch &sketch);

// Places, in this order, the Bode plot "B1" (the magnitude of "H1" in dB over 2 decades from
// 10^3 rad/s), the transfer-function tool "H1" (the equation from V1, not evaluated), the
// signal "S1" (a unit step at 0) and the time plot "P1" ("Vout" with S1 at V1, 0 ... 1 ms).
void placeAnalysisTools(CircuitSketch &sketch, const char *equation);
