#pragma once

#include <algebra/transratiofunc.h>
#include <compile/ratioreceiver.h>
#include <model/capacitor.h>
#include <model/currenttag.h>
#include <model/currsource.h>
#include <model/depcurrsource.h>
#include <model/depvoltsource.h>
#include <model/grounder.h>
#include <model/inductor.h>
#include <model/resistor.h>
#include <model/tcircuitdocument.h>
#include <model/textblock.h>
#include <model/voltagetag.h>
#include <model/voltsource.h>
#include <model/wire.h>

#include <complex>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

// A circuit drawn in code: every thing is placed between two sheet points of the sketch's
// document, appended as it is (no same-place replacement), and answered for further setup.
// The sheet point of a grid cell of a test circuit: 100 units a column to the right and a row
// down.
constexpr Point at(int column, int row)
{
    return Point{column * 100, row * 100};
}

class CircuitSketch
{
public:
    CircuitSketch();

    TCircuitDocument document;

    Wire &wire(Point a, Point b);
    // A ground symbol whose first point joins the circuit at the given point.
    Grounder &ground(Point at);
    Resistor &resistor(Point a, Point b, const char *name, const char *value, int unit = 0);
    Capacitor &capacitor(Point a, Point b, const char *name, const char *value, int unit = 0);
    Inductor &inductor(Point a, Point b, const char *name, const char *value, int unit = 0);
    VoltSource &voltageSource(Point a, Point b, const char *name);
    CurrSource &currentSource(Point a, Point b, const char *name);
    // A dependent source with gain numerator / denominator over the named quantities.
    DepVoltSource &dependentVoltageSource(Point a, Point b, const char *name,
                                          std::initializer_list<const char *> dependencies,
                                          const char *numerator, const char *denominator = "1");
    DepCurrSource &dependentCurrentSource(Point a, Point b, const char *name,
                                          std::initializer_list<const char *> dependencies,
                                          const char *numerator, const char *denominator = "1",
                                          bool voltageDependent = true);
    VoltageTag &voltageTag(Point a, Point b, const char *name);
    CurrentTag &currentTag(Point a, Point b, const char *name);
    // A text block: a tool, which takes part in the name check only.
    CircTool &tool(Point a, Point b, const char *name);

    // The texts of the document's messages, in order.
    std::vector<std::string> messages() const;

private:
    template<typename T>
    T &component(Point a, Point b, const char *name);
};

// Takes the evaluated ratio of an output equation and counts resets.
class RecordingReceiver : public RatioReceiver
{
public:
    TransRatioFunc ratio;
    bool received = false;
    int resets = 0;

    void setRatio(const TransRatioFunc &value) override
    {
        ratio = value;
        received = true;
    }
    void reset() override
    {
        ratio = TransRatioFunc();
        received = false;
        ++resets;
    }
};

// The ratio's value at a complex s, evaluated in multi-precision arithmetic.
std::complex<double> valueAt(const TransRatioFunc &ratio, std::complex<double> s);
