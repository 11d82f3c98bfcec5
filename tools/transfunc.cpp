#include "transfunc.h"

#include <compile/documentcompile.h>
#include <tools/evaluationclock.h>
#include <tools/programformulatext.h>
#include <tools/tooldialogs.h>
#include <tools/tranfuncdialogdata.h>
#include <tools/transfuncextendedviewdata.h>
#include <tools/transfuncformula.h>
#include <tools/transfunctextexportdata.h>

#include <algebra/complexarith.h>
#include <algebra/transratiofunc.h>
#include <model/parameterdialogs.h>
#include <model/tcircuitdocument.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

template<typename T>
void readOwned(ipstream &is, std::unique_ptr<T> &field)
{
    field = is.readOwnedPointer<T>();
    // The tool holds all its derived objects at all times; a record without one gets it empty.
    if (!field)
        field = std::make_unique<T>();
}

void writeTime(opstream &os, std::int64_t seconds)
{
    const auto bits = static_cast<std::uint64_t>(seconds);
    os.writeWord32(static_cast<std::uint32_t>(bits));
    os.writeWord32(static_cast<std::uint32_t>(bits >> 32));
}

std::int64_t readTime(ipstream &is)
{
    const std::uint64_t low = is.readWord32();
    const std::uint64_t high = is.readWord32();
    return static_cast<std::int64_t>(low | (high << 32));
}

// The roots times 2^e, exactly.
FactPolynom scaledRoots(const FactPolynom &roots, int e)
{
    FactPolynom scaled = roots;
    scaled.scaleRoots(e);
    return scaled;
}

// The coefficients c_i of p as scaled numbers c_i · 2^(e (degree - i)): those in s of a
// polynomial of the ratio in s' = s / 2^e, made monic in s for the given degree; e = 0 takes
// the coefficients in s' as they stand.
std::vector<ScaledComplex> coefficientsScaled(const Polynom &p, int e, int degree)
{
    std::vector<ScaledComplex> coefficients;
    for (int i = 0; i <= p.degree(); ++i)
        coefficients.emplace_back(p.coefficient(i), static_cast<long long>(e) * (degree - i));
    return coefficients;
}

// The exponent of the power of two nearest the geometric mean of the moduli of the non-zero
// poles (of the zeros when there are none): in s / 2^e the roots spread on both sides of 1, so
// that the coefficients, the products of the roots, stay as small as the spread allows.
int meanRootExponent(const FactPolynom &poles, const FactPolynom &zeros)
{
    for (const FactPolynom *roots : {&poles, &zeros}) {
        double logSum = 0.0;
        int count = 0;
        for (const Root &root : roots->roots()) {
            const double modulus = std::abs(root.value());
            if (modulus == 0.0 || !std::isfinite(modulus))
                continue;
            const int weight = root.degree();
            logSum += weight * std::log2(modulus);
            count += weight;
        }
        if (count > 0)
            return static_cast<int>(std::lround(logSum / count));
    }
    return 0;
}

} // namespace

TransFunc::TransFunc()
    : m_improperTerms(std::make_unique<Polynom>())
    , m_ratio(std::make_unique<RatioFunc>())
    , m_numeratorRoots(std::make_unique<FactPolynom>())
    , m_denominatorRoots(std::make_unique<FactPolynom>())
    , m_cancelledNumeratorRoots(std::make_unique<FactPolynom>())
    , m_cancelledDenominatorRoots(std::make_unique<FactPolynom>())
    , m_partialFractions(std::make_unique<PartFracFunc>())
{
}

TransFunc::TransFunc(std::string_view outputEquation, const labelUnit &inputSource,
                     TCircuitDocument *document)
    : TransFunc()
{
    m_outputEquation = outputEquation;
    m_inputSource = inputSource;
    setDocument(document);
}

TransFunc::~TransFunc() = default;

bool TransFunc::editParameters(ParameterDialogs &dialogs)
{
    ToolDialogs *tools = dialogs.toolDialogs();
    if (!tools)
        return false;
    TranFuncDialogData data = TranFuncDialogData::from(*this);
    if (!tools->tranFuncDialog(data))
        return false;
    data.applyTo(*this);
    return true;
}

bool TransFunc::exportData(ParameterDialogs &dialogs)
{
    ToolDialogs *tools = dialogs.toolDialogs();
    if (!tools)
        return false;
    TransFuncTextExportData data;
    data.tool = this;
    tools->transFuncTextExportDialog(data);
    return true;
}

bool TransFunc::extendedView(ParameterDialogs &dialogs)
{
    ToolDialogs *tools = dialogs.toolDialogs();
    if (!tools)
        return false;
    tools->transFuncExtendedViewDialog(TransFuncExtendedViewData::from(*this));
    return true;
}

TransFuncFormula TransFunc::formula(const DrawSurface &surface) const
{
    TransFuncFormula formula(surface, firstPoint());
    bool drawn = false;
    if (!name().isEmpty()) {
        formula.addName(name().view());
        drawn = true;
    }
    if (m_showOI && m_outputEquation.length() != 0 && !m_inputSource.isEmpty()) {
        if (drawn)
            formula.addEquals();
        formula.addTextFraction(m_outputEquation.view(), m_inputSource.view());
        drawn = true;
    }
    if (m_showSDomain && m_ratio->numerator().degree() >= 0
        && m_ratio->denominator().degree() >= 0) {
        if (drawn)
            formula.addEquals();
        formula.addRowFraction(
            TransFuncFormula::polynomialRow(userCoefficients(m_ratio->numerator())),
            TransFuncFormula::polynomialRow(userCoefficients(m_ratio->denominator())));
    }
    return formula;
}

void TransFunc::paint(DrawSurface &surface) const
{
    formula(surface).draw(surface, roleColor(ColorRole::Font));
    if (isSelected()) {
        surface.setPen(bodyPen(ColorRole::Component));
        CircTool::paint(surface);
    }
}

void TransFunc::fitFrame(const DrawSurface &surface)
{
    const Rect frame = formula(surface).frame();
    const Point label = labelPoint();
    CircTool::place({frame.left, frame.top}, {frame.right, frame.bottom}, document());
    setLabelPoint(label);
}

void TransFunc::update()
{
    if (TCircuitDocument *owner = document())
        evaluateOutputEquation(*owner, m_inputSource.view(), m_outputEquation.view(), *this);
}

double TransFunc::valueAt(double t) const
{
    return m_partialFractions->response(t);
}

// The degrees are compared after stripping, so that zero top coefficients of an evaluated
// ratio cannot hide an improper one (whose polynomial part the partial fractions would lose).
void TransFunc::setRatio(const TransRatioFunc &evaluated)
{
    TransPolynom numerator = evaluated.numerator();
    TransPolynom denominator = evaluated.denominator();
    numerator.strip();
    denominator.strip();
    if (numerator.degree() > denominator.degree()) {
        TransPolynom quotient;
        quotient.setZero();
        TransPolynom remainder;
        numerator.divide(denominator, quotient, remainder);
        *m_improperTerms = Polynom(quotient);
        numerator = remainder;
    } else {
        *m_improperTerms = Polynom(0.0);
    }
    TransRatioFunc proper(numerator, denominator);
    proper.reduce();
    const ScaledComplex gain = ScaledComplex::fromTransDouble(proper.normalizeMonic());

    m_numeratorRoots->factor(proper.numerator(), m_numeratorRootAccuracy);
    m_denominatorRoots->factor(proper.denominator(), m_denominatorRootAccuracy);
    FactPolynom::cancelCommonRoots(*m_numeratorRoots, *m_denominatorRoots,
                                   *m_cancelledNumeratorRoots, *m_cancelledDenominatorRoots,
                                   proper.numerator(), proper.denominator());

    rebuildRatio(gain, 0);
    if (exceedsDoubleRange())
        rebuildRatio(gain, meanRootExponent(*m_denominatorRoots, *m_numeratorRoots));
    m_partialFractions->expand(Polynom(1.0), gain, *m_numeratorRoots, *m_denominatorRoots);

    m_evaluated = true;
    m_lastEvaluation = EvaluationClock::now();
}

// Numerator and denominator in s' = s / 2^e from the roots: Π (s - z) / Π (s - p) is
// 2^(e (np - nz)) Π (s' - z') / Π (s' - p'), so the gain in s' is K · 2^(e (nz - np)).
void TransFunc::rebuildRatio(const ScaledComplex &gain, int scaleExponent)
{
    m_scaleExponent = scaleExponent;
    Polynom rebuiltNumerator(1.0);
    rebuiltNumerator.multiplyByRoots(scaledRoots(*m_numeratorRoots, -scaleExponent));
    ScaledComplex scaledGain = gain;
    scaledGain.scaleByPowerOfTwo(static_cast<long long>(scaleExponent)
                                 * (m_numeratorRoots->degree() - m_denominatorRoots->degree()));
    rebuiltNumerator *= scaledGain.value().real();
    Polynom rebuiltDenominator(1.0);
    rebuiltDenominator.multiplyByRoots(scaledRoots(*m_denominatorRoots, -scaleExponent));
    *m_ratio = RatioFunc(std::move(rebuiltNumerator), std::move(rebuiltDenominator));
}

void TransFunc::reset()
{
    *m_ratio = RatioFunc();
    m_scaleExponent = 0;
    m_numeratorRoots->clear();
    m_denominatorRoots->clear();
    m_cancelledNumeratorRoots->clear();
    m_cancelledDenominatorRoots->clear();
    *m_partialFractions = PartFracFunc();
}

bool TransFunc::hasImproperTerms() const
{
    return !m_improperTerms->isZero();
}

FactoredRatio TransFunc::factoredRatio() const
{
    return FactoredRatio(*m_improperTerms, scaledGain(), *m_numeratorRoots, *m_denominatorRoots);
}

ScaledComplex TransFunc::scaledGain() const
{
    const Polynom &numerator = m_ratio->numerator();
    ScaledComplex gain(numerator.coefficient(numerator.degree()).real());
    gain.scaleByPowerOfTwo(static_cast<long long>(m_scaleExponent)
                           * (m_ratio->denominator().degree() - numerator.degree()));
    return gain;
}

std::vector<ScaledComplex> TransFunc::userCoefficients(const Polynom &p) const
{
    return coefficientsScaled(p, m_scaleExponent, m_ratio->denominator().degree());
}

bool TransFunc::exceedsDoubleRange() const
{
    // Conversion from the exact form saturates at the largest double; products overflow to
    // infinity.
    const auto beyond = [](const Polynom &p) {
        for (const std::complex<double> c : p.coefficients()) {
            if (!(ComplexArith::absoluteSum(c) < std::numeric_limits<double>::max()))
                return true;
        }
        return false;
    };
    return beyond(m_ratio->numerator()) || beyond(m_ratio->denominator())
           || beyond(*m_improperTerms);
}

double TransFunc::gain() const
{
    return scaledGain().value().real();
}

std::string TransFunc::termsText(const Polynom &p, TextSyntax syntax,
                                 const ExportNumberFormat &number)
{
    std::vector<ScaledComplex> coefficients;
    for (const std::complex<double> c : p.coefficients())
        coefficients.emplace_back(c);
    return termsText(coefficients, syntax, number);
}

std::string TransFunc::termsText(const std::vector<ScaledComplex> &coefficients, TextSyntax syntax,
                                 const ExportNumberFormat &number)
{
    std::string text;
    for (std::size_t n = 0; n < coefficients.size(); ++n) {
        const double c = coefficients[n].mantissa().real();
        const long long exponent = coefficients[n].exponent();
        if (n == 0) {
            text += number(c, exponent);
            continue;
        }
        if (syntax == TextSyntax::CoefficientList) {
            text += "," + number(c, exponent);
            continue;
        }
        text += (c < 0.0 ? " - " : " + ") + number(std::abs(c), exponent);
        const std::string power = std::to_string(n);
        if (n == 1)
            text += "*s";
        else if (syntax == TextSyntax::PowerCaret)
            text += "*s^" + power;
        else if (syntax == TextSyntax::PowerStars)
            text += "*s**" + power;
        else
            text += "*pow(s," + power + ")";
    }
    return text;
}

std::string TransFunc::formulaText(TextSyntax syntax, const ExportNumberFormat &number) const
{
    if (isProgramSyntax(syntax)) {
        if (syntax == TextSyntax::Latex || m_scaleExponent == 0)
            return programFormulaText(name().view(), userCoefficients(m_ratio->numerator()),
                                      userCoefficients(m_ratio->denominator()), syntax, number);
        return programFormulaText(name().view(), coefficientsScaled(m_ratio->numerator(), 0, 0),
                                  coefficientsScaled(m_ratio->denominator(), 0, 0), syntax, number,
                                  m_scaleExponent);
    }
    return std::string(name().view()) + " = ( "
           + termsText(userCoefficients(m_ratio->numerator()), syntax, number) + " )/( "
           + termsText(userCoefficients(m_ratio->denominator()), syntax, number) + " )";
}

void TransFunc::write(opstream &os) const
{
    os.writeBaseOf<CircTool>(*this);
    os.writeObject(m_outputEquation);
    os.writeObject(m_inputSource);
    os.writeBool32(m_showOI);
    os.writeBool32(m_showSDomain);
    os.writePointer(m_improperTerms.get());
    os.writePointer(m_ratio.get());
    os.writePointer(m_numeratorRoots.get());
    os.writePointer(m_denominatorRoots.get());
    os.writePointer(m_cancelledNumeratorRoots.get());
    os.writePointer(m_cancelledDenominatorRoots.get());
    os.writeDouble(m_numeratorRootAccuracy);
    os.writeDouble(m_denominatorRootAccuracy);
    os.writeBool32(m_evaluated);
    writeTime(os, m_lastEvaluation);
    os.writePointer(m_partialFractions.get());
    os.writeInt32(m_scaleExponent);
}

// Records before version 3 hold neither the numerator roots nor the cancelled roots, the
// accuracies or the date; they were written by evaluated tools, dated now.
void TransFunc::read(ipstream &is, std::uint32_t version)
{
    is.readBaseOf<CircTool>(*this);
    if (version < 2) {
        labelUnit equation;
        is.readObject(equation);
        m_outputEquation = equation.view();
    } else {
        is.readObject(m_outputEquation);
    }
    is.readObject(m_inputSource);
    m_showOI = is.readBool32();
    m_showSDomain = is.readBool32();
    readOwned(is, m_improperTerms);
    readOwned(is, m_ratio);
    if (version >= 3) {
        readOwned(is, m_numeratorRoots);
        readOwned(is, m_denominatorRoots);
        readOwned(is, m_cancelledNumeratorRoots);
        readOwned(is, m_cancelledDenominatorRoots);
        m_numeratorRootAccuracy = is.readDouble();
        m_denominatorRootAccuracy = is.readDouble();
        m_evaluated = is.readBool32();
        m_lastEvaluation = readTime(is);
    } else {
        m_numeratorRoots = std::make_unique<FactPolynom>();
        readOwned(is, m_denominatorRoots);
        m_cancelledNumeratorRoots = std::make_unique<FactPolynom>();
        m_cancelledDenominatorRoots = std::make_unique<FactPolynom>();
        m_numeratorRootAccuracy = 0.0;
        m_denominatorRootAccuracy = 0.0;
        m_evaluated = true;
        m_lastEvaluation = EvaluationClock::now();
    }
    readOwned(is, m_partialFractions);
    // Records before version 4 hold a ratio in s itself. A damaged exponent leaves the range
    // that any ratio of doubles can need.
    m_scaleExponent
        = version >= 4 ? std::clamp(is.readInt32(), -maxScaleExponent, maxScaleExponent) : 0;
}
