#pragma once

#include <optional>
#include <vector>

// The least total cost of a perfect assignment of the columns of a square sparse pattern to its
// rows, one entry per column and per row, each entry carrying an integer cost; and the same with
// one column replaced by another, for every column in turn, at the price of one shortest-path
// search each instead of a new assignment.
//
// With the cost of an entry its polynomial's degree negated, the least cost bounds the degree
// of the matrix's determinant from above (every term of the determinant is a product along an
// assignment); with the entries' lowest powers it bounds the lowest power from below. Both are
// exact statements about the pattern, true whatever cancels in the values.
class AssignmentBound
{
public:
    struct Entry
    {
        int row;
        long long cost;
    };
    using Column = std::vector<Entry>;

    // The columns 0 ... n - 1 of an n x n pattern; rows outside 0 ... n - 1 are ignored.
    explicit AssignmentBound(std::vector<Column> columns);

    // The least cost; none when the pattern has no perfect assignment.
    std::optional<long long> cost() const { return m_cost; }
    // The least cost with the given column replaced; none when that pattern has no perfect
    // assignment.
    std::optional<long long> costWithColumn(int column, const Column &replacement) const;

private:
    // Shortest reduced-cost distances from a column over unmatched entries to rows and back
    // over matched ones; the search stops at the first row that target accepts.
    struct Search;
    template<typename Target>
    Search shortestPath(const Column &start, long long startPotential, Target isTarget) const;
    void assignColumn(int column);

    int m_size;
    std::vector<Column> m_columns;
    std::vector<long long> m_rowPotential;
    std::vector<long long> m_columnPotential;
    // The column assigned to each row, and the row of each column; -1 while unassigned.
    std::vector<int> m_columnOfRow;
    std::vector<int> m_rowOfColumn;
    std::optional<long long> m_cost;
};
