#pragma once

#include <algebra/factoredratio.h>
#include <algebra/factpolynom.h>
#include <algebra/partfracfunc.h>
#include <algebra/polynom.h>
#include <algebra/ratiofunc.h>
#include <compile/ratioreceiver.h>
#include <model/circtool.h>
#include <model/labelunit.h>
#include <model/vstring.h>
#include <tools/exportnumberformat.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TransFuncFormula;

// The transfer-function tool: the transfer function from an independent source (the input
// source) to an output equation over the circuit's tags. An evaluation splits off the
// improper part, factors numerator and denominator, cancels pole-zero pairs and expands the
// proper part into partial fractions; all of it is stored with the tool, so an opened circuit
// shows its tools as last evaluated without compiling.
//
// The function the tool stands for is improperTerms(s) + K · Π (s - z)^m / Π (s - p)^n over
// the numerator and denominator roots left after the cancellation. The ratio of doubles that
// shows it is in s itself for every circuit whose coefficients fit doubles; a circuit with
// more fast poles than that (sixty RC sections of 1 kohm and 1 nF have a constant term near
// 10^330) keeps it in s' = s / 2^e, e chosen from the poles, and shows and exports its
// coefficients in s as scaled numbers (userCoefficients). Roots, gain, partial fractions and
// responses are in s always.
class TransFunc : public CircTool, public RatioReceiver
{
    ZENODYNE_STREAMABLE(TransFunc, 4)

public:
    // The syntaxes of the text export: the four coefficient forms, then the texts of other
    // programs (programformulatext.h).
    enum class TextSyntax {
        PowerCaret,
        PowerStars,
        PowFunction,
        CoefficientList,
        Latex,
        Python,
        Matlab
    };

    TransFunc();
    // A tool as the user places it: shows O/I and the s-domain equation, not evaluated.
    TransFunc(std::string_view outputEquation, const labelUnit &inputSource,
              TCircuitDocument *document);
    ~TransFunc() override;
    TransFunc(const TransFunc &) = delete;
    TransFunc &operator=(const TransFunc &) = delete;

    // "Transfer Function": on OK the tool is evaluated.
    bool editParameters(ParameterDialogs &dialogs) override;
    // "Export Text from Transfer Function".
    bool exportData(ParameterDialogs &dialogs) override;
    // "Transfer Function Extended View".
    bool extendedView(ParameterDialogs &dialogs) override;
    // The formula: name = output / input = numerator / denominator.
    void paint(DrawSurface &surface) const override;
    // The frame follows the formula: its top-left corner stays.
    void fitFrame(const DrawSurface &surface) override;
    const char *helpTopicTitle() const override { return "Transfer Function"; }
    // Evaluates the output equation for the input source through the document (which compiles
    // when needed); errors reset the tool.
    void update() override;
    // The impulse response of the proper part: the inverse transform of the partial fractions
    // at t, 0 for t < 0.
    double valueAt(double t) const override;

    // Recomputes every derived field from an evaluated transfer ratio.
    void setRatio(const TransRatioFunc &ratio) override;
    // The ratio becomes 0 / 1 and the root lists and partial fractions are emptied; the
    // improper terms, accuracies and evaluation date stay.
    void reset() override;

    // "name = ( numerator )/( denominator )" in the syntax, every coefficient of the ratio
    // from power 0 up to the stored degree, 6 significant digits unless the format says
    // otherwise.
    std::string formulaText(TextSyntax syntax,
                            const ExportNumberFormat &number = ExportNumberFormat()) const;
    // The terms of one polynomial as the text export writes them: every coefficient from
    // power 0 up to the stored degree.
    static std::string termsText(const Polynom &p, TextSyntax syntax,
                                 const ExportNumberFormat &number = ExportNumberFormat());
    static std::string termsText(const std::vector<ScaledComplex> &coefficients, TextSyntax syntax,
                                 const ExportNumberFormat &number = ExportNumberFormat());
    // The picture as laid out on the surface's metrics.
    TransFuncFormula formula(const DrawSurface &surface) const;

    const VString &outputEquation() const { return m_outputEquation; }
    void setOutputEquation(std::string_view equation) { m_outputEquation = equation; }
    const labelUnit &inputSource() const { return m_inputSource; }
    void setInputSource(const labelUnit &source) { m_inputSource = source; }
    bool showsOI() const { return m_showOI; }
    void setShowsOI(bool show) { m_showOI = show; }
    bool showsSDomain() const { return m_showSDomain; }
    void setShowsSDomain(bool show) { m_showSDomain = show; }

    // The quotient split off an improper transfer ratio; 0 (or empty) for a proper one.
    const Polynom &improperTerms() const { return *m_improperTerms; }
    // Whether the improper terms hold a non-zero coefficient.
    bool hasImproperTerms() const;
    // The ratio in s' = s / 2^scaleExponent().
    const RatioFunc &ratio() const { return *m_ratio; }
    int scaleExponent() const { return m_scaleExponent; }
    // The coefficients in s of the numerator or the denominator of ratio(), as scaled numbers.
    std::vector<ScaledComplex> userCoefficients(const Polynom &p) const;
    // The gain K in s, as a scaled number and as a double (which saturates beyond the range).
    ScaledComplex scaledGain() const;
    double gain() const;
    // Whether a coefficient of the ratio or of the improper terms lies beyond the range of
    // doubles even in s': roots spread over more decades than any scale can gather.
    bool exceedsDoubleRange() const;
    // The whole transfer function, improper terms included, by its factors in s.
    FactoredRatio factoredRatio() const;
    const FactPolynom &numeratorRoots() const { return *m_numeratorRoots; }
    const FactPolynom &denominatorRoots() const { return *m_denominatorRoots; }
    const FactPolynom &cancelledNumeratorRoots() const { return *m_cancelledNumeratorRoots; }
    const FactPolynom &cancelledDenominatorRoots() const { return *m_cancelledDenominatorRoots; }
    double numeratorRootAccuracy() const { return m_numeratorRootAccuracy; }
    double denominatorRootAccuracy() const { return m_denominatorRootAccuracy; }
    bool isEvaluated() const { return m_evaluated; }
    // Seconds since 1970-01-01 00:00 UTC (EvaluationClock).
    std::int64_t lastEvaluation() const { return m_lastEvaluation; }
    const PartFracFunc &partialFractions() const { return *m_partialFractions; }

private:
    // Beyond this no double root has a scale to gather.
    static constexpr std::int32_t maxScaleExponent = 1100;

    void rebuildRatio(const ScaledComplex &gain, int scaleExponent);

    VString m_outputEquation;
    labelUnit m_inputSource;
    bool m_showOI = true;
    bool m_showSDomain = true;
    std::unique_ptr<Polynom> m_improperTerms;
    std::unique_ptr<RatioFunc> m_ratio;
    std::unique_ptr<FactPolynom> m_numeratorRoots;
    std::unique_ptr<FactPolynom> m_denominatorRoots;
    std::unique_ptr<FactPolynom> m_cancelledNumeratorRoots;
    std::unique_ptr<FactPolynom> m_cancelledDenominatorRoots;
    double m_numeratorRootAccuracy = 0.0;
    double m_denominatorRootAccuracy = 0.0;
    bool m_evaluated = false;
    std::int64_t m_lastEvaluation = 0;
    std::unique_ptr<PartFracFunc> m_partialFractions;
    std::int32_t m_scaleExponent = 0;
};
