#include <compile/documentcompile.h>
#include <compile/matrixlid.h>
#include <compile/outputequationparser.h>
#include <support/circuitsketch.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

std::vector<std::string> tokensOf(std::string_view text)
{
    MArray<labelUnit> tokens;
    OutputEquationParser::tokenize(text, tokens);
    std::vector<std::string> words;
    for (const labelUnit &token : tokens)
        words.emplace_back(token.view());
    return words;
}

// V1 drives a divider: Vin = 1 across the source, Vout = 0.75 across the lower resistor,
// Iout = 0.75 / 3 kohm through it, Vneg = -0.75 with its ends the other way round.
class OutputEquation : public ::testing::Test
{
protected:
    OutputEquation()
    {
        c.ground(at(0, 2));
        c.voltageSource(at(0, 2), at(0, 0), "V1");
        c.resistor(at(0, 0), at(1, 0), "R1", "1", 1);
        c.resistor(at(1, 0), at(1, 2), "R2", "3", 1);
        c.ground(at(1, 2));
        c.voltageTag(at(0, 0), at(0, 2), "Vin");
        c.voltageTag(at(1, 0), at(1, 2), "Vout");
        c.voltageTag(at(1, 2), at(1, 0), "Vneg");
        c.currentTag(at(1, 0), at(1, 2), "Iout");
    }

    // The equation's value (a constant here); NaN when it gave no ratio.
    double value(const char *equation)
    {
        RecordingReceiver receiver;
        if (!evaluateOutputEquation(c.document, "V1", equation, receiver))
            return std::nan("");
        return valueAt(receiver.ratio, 0).real();
    }

    CircuitSketch c;
};

} // namespace

TEST(OutputEquationTokens, AreNumbersRunsOfLettersAndDigitsOrSingleSigns)
{
    EXPECT_EQ(
        tokensOf(" Vout*(V1 -\t2.5)/3k_x "),
        (std::vector<std::string>{"Vout", "*", "(", "V1", "-", "2.5", ")", "/", "3k", "_", "x"}));
    EXPECT_TRUE(tokensOf(" \n\r\v\f").empty());
    const std::string longName(70, 'a');
    EXPECT_EQ(tokensOf(longName + "+b"),
              (std::vector<std::string>{std::string(63, 'a'), "+", "b"}));
}

TEST(OutputEquationTokens, TakeANumberWithItsFractionExponentAndSuffix)
{
    EXPECT_EQ(tokensOf("1e-3*Vout"), (std::vector<std::string>{"1e-3", "*", "Vout"}));
    EXPECT_EQ(tokensOf(".5+2.5E+6k-7.e2"),
              (std::vector<std::string>{".5", "+", "2.5E+6k", "-", "7.e2"}));
    // An exponent needs a digit after its sign; otherwise the sign is an operator.
    EXPECT_EQ(tokensOf("1e-Vout 2e"), (std::vector<std::string>{"1e", "-", "Vout", "2e"}));
    EXPECT_EQ(tokensOf("2.5.3 Va.5 ."), (std::vector<std::string>{"2.5", ".3", "Va", ".5", "."}));
}

TEST_F(OutputEquation, EvaluatesTagsNumbersAndOperators)
{
    EXPECT_DOUBLE_EQ(value("Vout"), 0.75);
    EXPECT_DOUBLE_EQ(value("Vneg"), -0.75);
    EXPECT_DOUBLE_EQ(value("Iout * 1000"), 0.25);
    EXPECT_DOUBLE_EQ(value("Vin - Vout"), 0.25);
    EXPECT_DOUBLE_EQ(value("(Vin - Vout) * 4"), 1.0);
    EXPECT_DOUBLE_EQ(value("--Vout"), 0.75);
    EXPECT_DOUBLE_EQ(value("---Vout"), -0.75);
    EXPECT_DOUBLE_EQ(value("+-+Vout"), -0.75);
}

TEST_F(OutputEquation, ChainsGroupFromTheLeftAndNumbersAreWhole)
{
    EXPECT_DOUBLE_EQ(value("Vin - Vout + 2"), (1 - 0.75) + 2);
    EXPECT_DOUBLE_EQ(value("Vin - Vout - Vneg"), (1 - 0.75) + 0.75);
    EXPECT_DOUBLE_EQ(value("8 / 2 * 2"), 8.0);
    EXPECT_DOUBLE_EQ(value("Vout / Vin / 3"), 0.25);
    EXPECT_DOUBLE_EQ(value("1 - 2 * Vout + Vin / 4 * 4"), 1 - 1.5 + 1);
    EXPECT_DOUBLE_EQ(value("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(value("2.5*Vout"), 1.875);
    EXPECT_DOUBLE_EQ(value("1e-3*Vout"), 0.75e-3);
    EXPECT_DOUBLE_EQ(value(".5 + 2.5E+1 - 7.e-1"), 0.5 + 25 - 0.7);
    EXPECT_DOUBLE_EQ(value("1e-Vout"), 1 - 0.75);
    EXPECT_DOUBLE_EQ(value("3V1"), 3.0);
    EXPECT_DOUBLE_EQ(value("2k * Vout"), 1.5);
    EXPECT_DOUBLE_EQ(value("2.5k * Vout"), 1.875);
    EXPECT_TRUE(c.messages().empty());
}

TEST_F(OutputEquation, NamesOfNoTagAreReportedOnceEach)
{
    for (const char *name : {"Nothing", "R1", "vout"}) {
        EXPECT_TRUE(std::isnan(value((std::string(name) + " + Vout").c_str()))) << name;
        EXPECT_EQ(c.messages(), std::vector<std::string>{"Output name " + std::string(name)
                                                         + " is not a tag of the circuit"});
    }
    EXPECT_TRUE(std::isnan(value("Vx * Vy - Vx / 2")));
    EXPECT_EQ(c.messages(),
              (std::vector<std::string>{"Output name Vx is not a tag of the circuit",
                                        "Output name Vy is not a tag of the circuit"}));
    // The name counts 0 for the rest of the parse; it is no division by zero.
    EXPECT_TRUE(std::isnan(value("Vout / Vx")));
    EXPECT_EQ(c.messages(), std::vector<std::string>{"Output name Vx is not a tag of the circuit"});
}

TEST_F(OutputEquation, DivisionByZeroIsReported)
{
    for (const char *equation : {"Vout/0", "Vout / (Vin - Vin)", "1 / (Vout - Vout) * 2", "0/0"}) {
        RecordingReceiver receiver;
        EXPECT_FALSE(evaluateOutputEquation(c.document, "V1", equation, receiver)) << equation;
        EXPECT_EQ(c.messages(), std::vector<std::string>{"Division by zero in the output equation"})
            << equation;
        EXPECT_EQ(receiver.resets, 1);
        EXPECT_TRUE(receiver.ratio.isZero());
    }
    EXPECT_DOUBLE_EQ(value("0 / Vout"), 0.0);
    EXPECT_DOUBLE_EQ(value("Vout / (Vin - Vout)"), 3.0);
}

TEST_F(OutputEquation, SyntaxErrorsAreReportedOncePerOccurrence)
{
    for (const char *equation : {"", "Vout +", "(Vout", "*Vout", "Vout * ()", "1e999", "Vout )",
                                 "Vout Vin", "2.5.3", "Vout + )", "Vout / ()"}) {
        RecordingReceiver receiver;
        receiver.ratio.setConstant(transDouble(5.0));
        EXPECT_FALSE(evaluateOutputEquation(c.document, "V1", equation, receiver)) << equation;
        EXPECT_EQ(c.messages(), std::vector<std::string>{"Incorrect equation syntax"}) << equation;
        EXPECT_EQ(receiver.resets, 1);
        EXPECT_TRUE(receiver.ratio.isZero());
    }
    RecordingReceiver receiver;
    EXPECT_FALSE(evaluateOutputEquation(c.document, "V1", "(+) * (", receiver));
    EXPECT_EQ(c.messages().size(), 3u);
    EXPECT_TRUE(matrixLid(c.document)->tokens().isEmpty());
}

TEST_F(OutputEquation, AnUnknownSourceLeavesTheReceiverUntouched)
{
    RecordingReceiver receiver;
    for (const char *source : {"V2", "v1", "R1", ""}) {
        EXPECT_FALSE(evaluateOutputEquation(c.document, source, "Vout", receiver));
        EXPECT_EQ(receiver.resets, 0);
    }
    EXPECT_FALSE(evaluateOutputEquation(c.document, std::string(64, 'V'), "Vout", receiver));
    EXPECT_TRUE(c.messages().empty());
}

TEST_F(OutputEquation, SelectsTheColumnOfTheNamedSource)
{
    c.currentSource(at(1, 2), at(1, 0), "I1");
    RecordingReceiver receiver;
    ASSERT_TRUE(evaluateOutputEquation(c.document, "I1", "Vout", receiver));
    const MatrixLid &lid = *matrixLid(c.document);
    EXPECT_EQ(lid.selectedColumn(), lid.nodeCount() + lid.dependentCount() + 1);
    // I1 pushes into the node between R1 and R2: 1 kohm parallel to 3 kohm.
    EXPECT_NEAR(valueAt(receiver.ratio, 0).real(), 750.0, 1e-9);
}
