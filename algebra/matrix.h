#pragma once

#include <algebra/transratiofunc.h>
#include <common/marray.h>

#include <vector>

// The rows of the network equations, each a list of ratios indexed from 0. Reading or writing
// an entry beyond a row's end extends the row with 0 / 1 entries.
class Matrix
{
public:
    using Row = MArray<TransRatioFunc>;

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    // Appends a row of the given number of 0 / 1 entries and answers it.
    Row &appendRow(int columns);
    Row &row(int index) { return m_rows[static_cast<std::size_t>(index)]; }
    const Row &row(int index) const { return m_rows[static_cast<std::size_t>(index)]; }
    TransRatioFunc &at(int row, int column);
    // The entry, or 0 / 1 when there is none.
    const TransRatioFunc &entry(int row, int column) const;

    void swapRows(int a, int b);
    // Exchanges entries i and j in every row (a column exchange).
    void swapColumns(int i, int j);

private:
    std::vector<Row> m_rows;
};
