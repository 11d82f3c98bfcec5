#include <algebra/assignmentbound.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <optional>
#include <random>
#include <vector>

namespace {

using Column = AssignmentBound::Column;

// The least cost over all permutations, for patterns small enough to enumerate.
std::optional<long long> enumeratedCost(const std::vector<Column> &columns)
{
    const int n = static_cast<int>(columns.size());
    std::vector<int> rows(static_cast<std::size_t>(n));
    std::iota(rows.begin(), rows.end(), 0);
    std::optional<long long> best;
    do {
        long long total = 0;
        bool complete = true;
        for (int c = 0; c < n && complete; ++c) {
            const Column &column = columns[static_cast<std::size_t>(c)];
            auto it = std::find_if(column.begin(), column.end(), [&](const auto &e) {
                return e.row == rows[static_cast<std::size_t>(c)];
            });
            complete = it != column.end();
            if (complete)
                total += it->cost;
        }
        if (complete && (!best || total < *best))
            best = total;
    } while (std::next_permutation(rows.begin(), rows.end()));
    return best;
}

std::vector<Column> randomPattern(std::mt19937 &random, int n)
{
    std::uniform_int_distribution<int> present(0, 2);
    std::uniform_int_distribution<long long> cost(-4, 4);
    std::vector<Column> columns(static_cast<std::size_t>(n));
    for (int c = 0; c < n; ++c) {
        for (int r = 0; r < n; ++r) {
            if (present(random) != 0)
                columns[static_cast<std::size_t>(c)].push_back({r, cost(random)});
        }
    }
    return columns;
}

} // namespace

// Random sparse patterns, some without any perfect assignment: the least cost and the least cost
// with each column replaced agree with an enumeration of all permutations.
TEST(AssignmentBound, AgreesWithEnumerationOnRandomPatterns)
{
    std::mt19937 random(12);
    for (int trial = 0; trial < 300; ++trial) {
        const int n = 1 + trial % 6;
        const std::vector<Column> columns = randomPattern(random, n);
        const AssignmentBound bound(columns);
        ASSERT_EQ(bound.cost(), enumeratedCost(columns)) << "trial " << trial;
        const Column replacement = randomPattern(random, n).front();
        for (int c = 0; c < n; ++c) {
            std::vector<Column> replaced = columns;
            replaced[static_cast<std::size_t>(c)] = replacement;
            const std::optional<long long> expected = enumeratedCost(replaced);
            // Without an assignment of the pattern itself none is searched for.
            if (bound.cost())
                EXPECT_EQ(bound.costWithColumn(c, replacement), expected)
                    << "trial " << trial << " column " << c;
            else
                EXPECT_FALSE(bound.costWithColumn(c, replacement).has_value());
        }
    }
}

// The degrees of a tridiagonal matrix with s on the diagonal (an RC ladder's node equations,
// costs the negated degrees): the determinant reaches s^n, the far node's cofactor with the
// source at the first node only s^0, the next but one s^(n-2).
TEST(AssignmentBound, BoundsTheDegreesOfLadderCofactors)
{
    const int n = 8;
    std::vector<Column> columns(static_cast<std::size_t>(n));
    for (int c = 0; c < n; ++c) {
        for (int r = std::max(0, c - 1); r <= std::min(n - 1, c + 1); ++r)
            columns[static_cast<std::size_t>(c)].push_back({r, r == c ? -1 : 0});
    }
    const AssignmentBound bound(columns);
    const Column source{{0, 0}};
    EXPECT_EQ(bound.cost(), -n);
    EXPECT_EQ(bound.costWithColumn(n - 1, source), 0);
    EXPECT_EQ(bound.costWithColumn(1, source), -(n - 2));
    EXPECT_EQ(bound.costWithColumn(0, Column{}), std::nullopt);
}
