#include "circuitsketch.h"

CircuitSketch::CircuitSketch()
{
    document.openNew();
}

template<typename T>
T &CircuitSketch::component(Point a, Point b, const char *name)
{
    auto thing = std::make_unique<T>();
    thing->place(a, b, &document);
    thing->setName(labelUnit(name));
    T &placed = *thing;
    document.appendComponent(std::move(thing));
    return placed;
}

Wire &CircuitSketch::wire(Point a, Point b)
{
    return component<Wire>(a, b, "");
}

Grounder &CircuitSketch::ground(Point at)
{
    return component<Grounder>(at, Point{at.x, at.y + 20}, "");
}

namespace {

template<typename T>
T &withValue(T &part, const char *value, int unit)
{
    part.setValue(textDouble(value));
    part.setUnitIndex(unit);
    return part;
}

void setDependencies(DepSource &source, std::initializer_list<const char *> dependencies,
                     const char *numerator, const char *denominator)
{
    for (const char *name : dependencies)
        source.dependencies().append(TagDepcy(labelUnit(name)));
    source.setGainNumerator(textDouble(numerator));
    source.setGainDenominator(textDouble(denominator));
}

} // namespace

Resistor &CircuitSketch::resistor(Point a, Point b, const char *name, const char *value, int unit)
{
    return withValue(component<Resistor>(a, b, name), value, unit);
}

Capacitor &CircuitSketch::capacitor(Point a, Point b, const char *name, const char *value, int unit)
{
    return withValue(component<Capacitor>(a, b, name), value, unit);
}

Inductor &CircuitSketch::inductor(Point a, Point b, const char *name, const char *value, int unit)
{
    return withValue(component<Inductor>(a, b, name), value, unit);
}

VoltSource &CircuitSketch::voltageSource(Point a, Point b, const char *name)
{
    return component<VoltSource>(a, b, name);
}

CurrSource &CircuitSketch::currentSource(Point a, Point b, const char *name)
{
    return component<CurrSource>(a, b, name);
}

DepVoltSource &
CircuitSketch::dependentVoltageSource(Point a, Point b, const char *name,
                                      std::initializer_list<const char *> dependencies,
                                      const char *numerator, const char *denominator)
{
    DepVoltSource &source = component<DepVoltSource>(a, b, name);
    setDependencies(source, dependencies, numerator, denominator);
    return source;
}

DepCurrSource &CircuitSketch::dependentCurrentSource(
    Point a, Point b, const char *name, std::initializer_list<const char *> dependencies,
    const char *numerator, const char *denominator, bool voltageDependent)
{
    DepCurrSource &source = component<DepCurrSource>(a, b, name);
    source.setVoltageDependent(voltageDependent);
    setDependencies(source, dependencies, numerator, denominator);
    return source;
}

namespace {

template<typename T>
T &appendTag(TCircuitDocument &document, Point a, Point b, const char *name)
{
    auto tag = std::make_unique<T>();
    tag->place(a, b, &document);
    tag->setName(labelUnit(name));
    T &placed = *tag;
    document.appendTag(std::move(tag));
    return placed;
}

} // namespace

VoltageTag &CircuitSketch::voltageTag(Point a, Point b, const char *name)
{
    return appendTag<VoltageTag>(document, a, b, name);
}

CurrentTag &CircuitSketch::currentTag(Point a, Point b, const char *name)
{
    return appendTag<CurrentTag>(document, a, b, name);
}

CircTool &CircuitSketch::tool(Point a, Point b, const char *name)
{
    auto tool = std::make_unique<TextBlock>();
    tool->place(a, b, &document);
    tool->setName(labelUnit(name));
    CircTool &placed = *tool;
    document.appendTool(std::move(tool));
    return placed;
}

std::vector<std::string> CircuitSketch::messages() const
{
    std::vector<std::string> texts;
    for (const Message *message : document.messages())
        texts.emplace_back(message->text().view());
    return texts;
}

namespace {

// Horner's scheme in multi-precision complex arithmetic: in doubles, the expanded polynomial
// of a long ladder loses every digit at frequencies in its stop band.
struct ExactComplex
{
    transDouble re;
    transDouble im;
};

ExactComplex polynomialAt(const TransPolynom &p, std::complex<double> s)
{
    const transDouble sRe(s.real());
    const transDouble sIm(s.imag());
    ExactComplex value;
    for (int i = p.degree(); i >= 0; --i) {
        ExactComplex next{value.re * sRe - value.im * sIm + p.coefficient(i),
                          value.re * sIm + value.im * sRe};
        value = std::move(next);
    }
    return value;
}

} // namespace

std::complex<double> valueAt(const TransRatioFunc &ratio, std::complex<double> s)
{
    const ExactComplex n = polynomialAt(ratio.numerator(), s);
    const ExactComplex d = polynomialAt(ratio.denominator(), s);
    // n / d = n * conj(d) / |d|^2, formed exactly before the conversion to doubles.
    const transDouble norm = d.re * d.re + d.im * d.im;
    return {((n.re * d.re + n.im * d.im) / norm).toDouble(),
            ((n.im * d.re - n.re * d.im) / norm).toDouble()};
}
