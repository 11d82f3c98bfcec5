#pragma once

#include <import/spicenamemap.h>
#include <import/spicenetlist.h>

#include <common/geometry.h>

#include <optional>
#include <string>
#include <vector>

class SheetBuilder;
class TCircuitDocument;

// Turns the analyses of a netlist into tools right of the circuit, stacked downwards:
// - .ac: a transfer-function tool per output of .print/.plot/.probe, from the input source to
//   the output's equation over the sheet's tags, and a Bode plot of them all (magnitude in dB,
//   phase in degrees, over Hz) covering the decades of fstart ... fstop;
// - .tran: a unit step at 0 as input signal of the source and a time plot of every output
//   over 0 ... tstop.
// The input source is the one source with an AC value, else the circuit's only independent
// source. What cannot be mapped is left out with a note. Below them a text block holds the
// names of the netlist's elements and nodes on the sheet (SpiceNameMap).
class AnalysisTools
{
public:
    AnalysisTools(const SpiceNetlist &netlist, SheetBuilder &sheet, TCircuitDocument &document,
                  std::vector<std::string> &notes);

    void place();

private:
    std::optional<std::string> inputSource(int line, const char *analysis);
    std::vector<std::string> equations(const std::vector<SpiceOutput> &outputs);
    std::optional<std::string> equationOf(const SpiceOutput &output);
    void placeAc(const std::string &source, const std::vector<std::string> &outputs);
    void placeTran(const std::string &source, const std::vector<std::string> &outputs);
    void placeNames();
    // The next tool's rectangle, below the one before.
    std::pair<Point, Point> nextFrame(Size size);
    void note(int line, const std::string &text);

    const SpiceNetlist &m_netlist;
    SheetBuilder &m_sheet;
    TCircuitDocument &m_document;
    std::vector<std::string> &m_notes;
    const SpiceNameMap m_names;
    int m_nextTop = 30;
};
