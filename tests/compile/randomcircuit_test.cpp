// Random circuits on a small grid and random equation texts: whatever they hold, a compile
// ends with results and no message, or with messages and no results, and never crashes.

#include <compile/documentcompile.h>
#include <support/circuitsketch.h>

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

namespace {

class RandomCircuit
{
public:
    explicit RandomCircuit(std::uint64_t seed)
        : m_random(seed)
    {
    }

    // Half of the circuits start from a loaded source with a tag across it, so that some
    // solve.
    void draw(CircuitSketch &c)
    {
        if (pick(0, 1) == 1) {
            c.ground(Point{0, 200});
            c.voltageSource(Point{0, 200}, Point{0, 0}, "V1");
            c.resistor(Point{0, 0}, Point{100, 100}, "", "1");
            c.resistor(Point{100, 100}, Point{0, 200}, "", "1");
            c.voltageTag(Point{0, 0}, Point{0, 200}, "Vs");
        }
        const int things = pick(2, 10);
        for (int i = 0; i < things; ++i)
            drawThing(c);
    }

    std::string equation()
    {
        static constexpr std::array<const char *, 16> words = {
            "Va", "Vb", "Ia", "V1", "2", "1e", "3k", "+", "-", "*", "/", "(", ")", ".", " ", "#"};
        std::string text;
        const int count = pick(0, 9);
        for (int i = 0; i < count; ++i)
            text += words[static_cast<std::size_t>(pick(0, words.size() - 1))];
        return text;
    }

    const char *sourceName() { return one(sourceNames); }

private:
    static constexpr std::array<const char *, 5> sourceNames = {"V1", "I1", "V2", "E1", ""};
    static constexpr std::array<const char *, 7> names = {"", "Va", "Vb", "Ia", "1x", "R1", "V1"};
    // Mostly sound values, so that some circuits solve.
    static constexpr std::array<const char *, 12> values
        = {"1", "2.2", "47", "1", "3", "10", "1", "5", "0", "-1", "abc", "1e306"};

    int pick(int low, std::size_t high)
    {
        return std::uniform_int_distribution<int>(low, static_cast<int>(high))(m_random);
    }
    template<std::size_t N>
    const char *one(const std::array<const char *, N> &choices)
    {
        return choices[static_cast<std::size_t>(pick(0, N - 1))];
    }
    Point point() { return Point{pick(0, 2) * 100, pick(0, 2) * 100}; }

    void drawThing(CircuitSketch &c)
    {
        const Point a = point();
        const Point b = pick(0, 5) == 0 ? a : point();
        const int unit = pick(0, 3);
        switch (pick(0, 11)) {
        case 0:
        case 1:
            c.wire(a, b);
            break;
        case 2:
            c.ground(a);
            break;
        case 3:
            c.resistor(a, b, "", one(values), unit);
            break;
        case 4:
            c.capacitor(a, b, "", one(values), unit);
            break;
        case 5:
            c.inductor(a, b, "", one(values), unit);
            break;
        case 6:
            c.voltageSource(a, b, one(sourceNames));
            break;
        case 7:
            c.currentSource(a, b, one(sourceNames));
            break;
        case 8:
            c.dependentVoltageSource(a, b, "E1", {one(names), one(names)}, one(values),
                                     one(values));
            break;
        case 9:
            c.dependentCurrentSource(a, b, "F1", {one(names)}, one(values), one(values),
                                     pick(0, 1) == 1);
            break;
        case 10:
            c.voltageTag(a, b, one(names));
            break;
        default:
            c.currentTag(a, b, one(names));
            break;
        }
    }

    std::mt19937_64 m_random;
};

void expectConsistent(const TCircuitDocument &document, bool evaluated,
                      const RecordingReceiver &receiver)
{
    const bool compiled = circuitSolution(document) != nullptr && matrixLid(document) != nullptr;
    if (document.errorCount() != 0) {
        EXPECT_FALSE(evaluated);
        EXPECT_FALSE(receiver.received);
    } else {
        EXPECT_TRUE(compiled);
        EXPECT_EQ(evaluated, receiver.received);
    }
}

} // namespace

TEST(RandomCircuit, CompilesToResultsOrMessagesWithoutCrashing)
{
    RandomCircuit random(20261208);
    int solved = 0;
    for (int round = 0; round < 1500; ++round) {
        CircuitSketch c;
        random.draw(c);
        RecordingReceiver receiver;
        const bool evaluated
            = evaluateOutputEquation(c.document, random.sourceName(), random.equation(), receiver);
        expectConsistent(c.document, evaluated, receiver);
        solved += matrixLid(c.document) != nullptr ? 1 : 0;
    }
    // The generator is no use unless some circuits do solve.
    EXPECT_GT(solved, 50);
}

TEST(RandomCircuit, EquationTextsNeverBreakTheParser)
{
    CircuitSketch c;
    c.ground(Point{0, 200});
    c.voltageSource(Point{0, 200}, Point{0, 0}, "V1");
    c.resistor(Point{0, 0}, Point{100, 0}, "R1", "1");
    c.capacitor(Point{100, 0}, Point{100, 200}, "C1", "1", 1);
    c.ground(Point{100, 200});
    c.voltageTag(Point{100, 0}, Point{100, 200}, "Va");
    c.voltageTag(Point{0, 0}, Point{0, 200}, "Vb");
    c.currentTag(Point{0, 0}, Point{100, 0}, "Ia");
    RandomCircuit random(7);
    int parsed = 0;
    for (int round = 0; round < 1000; ++round) {
        RecordingReceiver receiver;
        const bool evaluated
            = evaluateOutputEquation(c.document, "V1", random.equation(), receiver);
        expectConsistent(c.document, evaluated, receiver);
        EXPECT_EQ(evaluated, c.document.errorCount() == 0);
        parsed += evaluated ? 1 : 0;
    }
    // Most texts have a fault (V1 is no tag, tokens are left over): some must still parse.
    EXPECT_GT(parsed, 50);
}
