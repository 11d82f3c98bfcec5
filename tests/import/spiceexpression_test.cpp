#include <import/netlisterror.h>
#include <import/parameterscope.h>
#include <import/spiceexpression.h>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace {

struct ExpressionCase
{
    const char *text;
    double value;
};

class SpiceExpressionValue : public ::testing::TestWithParam<ExpressionCase>
{
};

// x = 3 and k = 2k are parameters.
TEST_P(SpiceExpressionValue, EqualsTheHandValue)
{
    const auto lookup = [](const std::string &name) -> std::optional<double> {
        if (name == "x")
            return 3.0;
        if (name == "k")
            return 2e3;
        return std::nullopt;
    };
    EXPECT_DOUBLE_EQ(SpiceExpression::evaluate(GetParam().text, {4, {}}, lookup), GetParam().value)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, SpiceExpressionValue,
    ::testing::Values(ExpressionCase{"1k", 1e3}, ExpressionCase{"4k7 + 1", 4701.0},
                      ExpressionCase{"2.5e-3*4", 1e-2}, ExpressionCase{"1 - 2 - 3", -4.0},
                      ExpressionCase{"12 / 3 / 2", 2.0}, ExpressionCase{"2 + 3 * 4", 14.0},
                      ExpressionCase{"(2 + 3) * 4", 20.0}, ExpressionCase{"2^3^2", 512.0},
                      ExpressionCase{"2**3", 8.0}, ExpressionCase{"-2^2", -4.0},
                      ExpressionCase{"2^-1", 0.5}, ExpressionCase{"--x", 3.0},
                      ExpressionCase{"-x*+2", -6.0}, ExpressionCase{"X*K", 6e3},
                      ExpressionCase{"sqrt(16)", 4.0}, ExpressionCase{"exp(0)", 1.0},
                      ExpressionCase{"log(exp(2))", 2.0}, ExpressionCase{"ln(1)", 0.0},
                      ExpressionCase{"log10(1meg)", 6.0}, ExpressionCase{"sin(0) + cos(0)", 1.0},
                      ExpressionCase{"tan(atan(0.5))", 0.5}, ExpressionCase{"abs(-x)", 3.0},
                      ExpressionCase{"min(x, 2) + max(x, 2)", 5.0},
                      ExpressionCase{"pow(x, 2)", 9.0},
                      ExpressionCase{"1/(2*pi*k*1u)", 1.0 / (2.0 * std::numbers::pi * 2e-3)}));

struct FailureCase
{
    const char *text;
    const char *message;
};

class SpiceExpressionError : public ::testing::TestWithParam<FailureCase>
{
};

TEST_P(SpiceExpressionError, NamesTheLineAndTheReason)
{
    const auto none = [](const std::string &) -> std::optional<double> { return std::nullopt; };
    try {
        SpiceExpression::evaluate(GetParam().text, {7, "X1.X2"}, none);
        FAIL() << "no error for " << GetParam().text;
    } catch (const NetlistError &error) {
        EXPECT_STREQ(error.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, SpiceExpressionError,
    ::testing::Values(
        FailureCase{"2*y", "line 7 (in X1.X2): the expression 2*y: the parameter y is not defined"},
        FailureCase{"(1+2", "line 7 (in X1.X2): the expression (1+2: a \")\" is missing"},
        FailureCase{"1+", "line 7 (in X1.X2): the expression 1+: a value is missing at the end"},
        FailureCase{"1 2", "line 7 (in X1.X2): the expression 1 2: unexpected \"2\""},
        FailureCase{"1/0", "line 7 (in X1.X2): the expression 1/0 has no finite value"},
        FailureCase{"sqrt(-1)", "line 7 (in X1.X2): the expression sqrt(-1) has no finite value"},
        FailureCase{"foo(1)", "line 7 (in X1.X2): the expression foo(1): unknown function foo"},
        FailureCase{"max(1)", "line 7 (in X1.X2): the expression max(1): max takes 2 arguments"},
        FailureCase{"3k5x", "line 7 (in X1.X2): the expression 3k5x: 3k5x is no number"},
        FailureCase{"2 # 3", "line 7 (in X1.X2): the expression 2 # 3: unexpected \"# 3\""}));

TEST(SpiceExpression, RefusesNestingBeyondItsDepthInsteadOfOverflowingTheStack)
{
    const std::string deep = std::string(100000, '(') + "1" + std::string(100000, ')');
    const auto none = [](const std::string &) -> std::optional<double> { return std::nullopt; };
    EXPECT_THROW(SpiceExpression::evaluate(deep, {1, {}}, none), NetlistError);
    const std::string allowed = std::string(50, '(') + "1" + std::string(50, ')');
    EXPECT_DOUBLE_EQ(SpiceExpression::evaluate(allowed, {1, {}}, none), 1.0);
}

TEST(ParameterScope, EvaluatesInAnyOrderAndInnerScopesFirst)
{
    ParameterScope global;
    global.define("c", "b*2", 4);
    global.define("B", "a+1", 3);
    global.define("a", "1k", 2);
    ParameterScope instance(global, "X1");
    instance.define("a", "5", 9);
    EXPECT_DOUBLE_EQ(*global.value("c"), 2002.0);
    // b is the global one, evaluated where it is defined: a there is 1k.
    EXPECT_DOUBLE_EQ(instance.evaluate("a + b", 10), 1006.0);
    EXPECT_FALSE(instance.value("d"));
}

TEST(ParameterScope, ACircleIsAnErrorNamingTheLine)
{
    ParameterScope global;
    global.define("a", "b+1", 2);
    global.define("b", "2*a", 3);
    try {
        global.evaluate("a", 5);
        FAIL();
    } catch (const NetlistError &error) {
        EXPECT_STREQ(error.what(), "line 2: the parameter a depends on itself");
    }
}

TEST(ParameterScope, RefusesChainsLongerThanItsLimit)
{
    ParameterScope global;
    global.define("p0", "1", 1);
    for (int i = 1; i <= 5000; ++i)
        global.define("p" + std::to_string(i), "p" + std::to_string(i - 1) + "+1", i + 1);
    EXPECT_THROW(global.evaluate("p5000", 9999), NetlistError);
    EXPECT_DOUBLE_EQ(global.evaluate("p150", 9999), 151.0);
}

} // namespace
