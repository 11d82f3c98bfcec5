#include <algebra/root.h>

#include <gtest/gtest.h>

using Complex = std::complex<double>;

namespace {

struct RootPair
{
    Complex a;
    Complex b;
    bool same;
};

void PrintTo(const RootPair &pair, std::ostream *os)
{
    *os << pair.a << " vs " << pair.b;
}

} // namespace

class SameRoot : public ::testing::TestWithParam<RootPair>
{
};

TEST_P(SameRoot, AnswersBothWays)
{
    const RootPair pair = GetParam();
    EXPECT_EQ(Root(pair.a).isSameRoot(pair.b), pair.same);
    EXPECT_EQ(Root(pair.b).isSameRoot(pair.a), pair.same);
}

INSTANTIATE_TEST_SUITE_P(
    Root, SameRoot,
    ::testing::Values(
        // Real roots within 1 % of the larger one; opposite signs never.
        RootPair{-1.0, -1.005, true}, RootPair{-1.0, -1.02, false}, RootPair{1.0, -1.0, false},
        // Near the origin on an axis, 0.001 absolute.
        RootPair{0.0004, -0.0004, true}, RootPair{{0.0, 0.0004}, {0.0, -0.0005}, true},
        // A real root is never a complex one.
        RootPair{-1.0, {-1.0, 1e-3}, false},
        // Conjugates are the same pair.
        RootPair{{-1.0, 2.0}, {-1.0, -2.0}, true},
        // Nearly real: only the real parts count.
        RootPair{{-1.0, 0.001}, {-1.005, 0.0015}, true},
        // Both parts within 1 %.
        RootPair{{-1.0, 2.0}, {-1.02, 2.0}, false}, RootPair{{-1.0, 2.0}, {-1.0, 2.03}, false},
        RootPair{{-1.0, 2.0}, {-1.005, 2.01}, true},
        // Nearly imaginary: only the imaginary parts count, within one half-plane.
        RootPair{{0.001, 1.0}, {0.0015, 1.0}, true}, RootPair{{0.001, 1.0}, {0.001, 1.02}, false},
        RootPair{{1e-17, 1.0}, {-2e-17, 1.0}, true}, RootPair{{0.001, 1.0}, {0.0, 1.0}, true},
        // Regression: an unstable pole must not cancel against a stable zero.
        RootPair{{0.001, 1.0}, {-0.001, 1.0}, false}));

TEST(Root, MultiplicityIsKeptWithinItsRange)
{
    EXPECT_EQ(Root(1.0, 5000).multiplicity(), Root::maxMultiplicity);
    EXPECT_EQ(Root(1.0, -3).multiplicity(), 0);
    Root root(2.0, 4);
    root.setMultiplicity(root.multiplicity() - 1);
    EXPECT_EQ(root.multiplicity(), 3);
    EXPECT_TRUE(root.isReal());
    EXPECT_FALSE(Root(Complex(2.0, -1e-300)).isReal());
}
