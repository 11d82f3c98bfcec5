#include <algebra/matrix.h>

#include <utility>

Matrix::Row &Matrix::appendRow(int columns)
{
    Row &row = m_rows.emplace_back();
    if (columns > 0)
        row.extendTo(columns - 1);
    return row;
}

TransRatioFunc &Matrix::at(int row, int column)
{
    return m_rows[static_cast<std::size_t>(row)].extendTo(column);
}

const TransRatioFunc &Matrix::entry(int row, int column) const
{
    static const TransRatioFunc zero;
    if (row < 0 || row >= rowCount())
        return zero;
    const Row &entries = m_rows[static_cast<std::size_t>(row)];
    if (column < 0 || column > entries.upperIndex())
        return zero;
    return entries[column];
}

void Matrix::swapRows(int a, int b)
{
    if (a != b)
        m_rows[static_cast<std::size_t>(a)].swap(m_rows[static_cast<std::size_t>(b)]);
}

void Matrix::swapColumns(int i, int j)
{
    if (i == j)
        return;
    for (Row &row : m_rows)
        std::swap(row.extendTo(i), row.extendTo(j));
}
