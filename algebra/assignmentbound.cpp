#include <algebra/assignmentbound.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <queue>
#include <utility>

namespace {

constexpr long long unreached = std::numeric_limits<long long>::max();

} // namespace

// Distances are reduced costs: an entry (r, c) costs cost + columnPotential(c) - rowPotential(r),
// never negative, and zero on the assigned entries, so that the way back from a row to its
// column is free.
struct AssignmentBound::Search
{
    std::vector<long long> distance;
    std::vector<int> columnBefore;
    int target = -1;
};

AssignmentBound::AssignmentBound(std::vector<Column> columns)
    : m_size(static_cast<int>(columns.size()))
    , m_columns(std::move(columns))
    , m_rowPotential(static_cast<std::size_t>(m_size), unreached)
    , m_columnPotential(static_cast<std::size_t>(m_size), 0)
    , m_columnOfRow(static_cast<std::size_t>(m_size), -1)
    , m_rowOfColumn(static_cast<std::size_t>(m_size), -1)
{
    for (Column &column : m_columns) {
        std::erase_if(column, [this](const Entry &e) { return e.row < 0 || e.row >= m_size; });
        for (const Entry &e : column) {
            long long &potential = m_rowPotential[static_cast<std::size_t>(e.row)];
            potential = std::min(potential, e.cost);
        }
    }
    if (std::find(m_rowPotential.begin(), m_rowPotential.end(), unreached) != m_rowPotential.end())
        return;
    for (int c = 0; c < m_size; ++c) {
        assignColumn(c);
        if (m_rowOfColumn[static_cast<std::size_t>(c)] < 0)
            return;
    }
    long long total = 0;
    for (int c = 0; c < m_size; ++c) {
        for (const Entry &e : m_columns[static_cast<std::size_t>(c)]) {
            if (e.row == m_rowOfColumn[static_cast<std::size_t>(c)]) {
                total += e.cost;
                break;
            }
        }
    }
    m_cost = total;
}

template<typename Target>
AssignmentBound::Search AssignmentBound::shortestPath(const Column &start, long long startPotential,
                                                      Target isTarget) const
{
    Search search;
    search.distance.assign(static_cast<std::size_t>(m_size), unreached);
    search.columnBefore.assign(static_cast<std::size_t>(m_size), -1);
    using Item = std::pair<long long, int>;
    std::priority_queue<Item, std::vector<Item>, std::greater<>> queue;
    const auto relax
        = [&](const Column &column, int columnIndex, long long base, long long columnPotential) {
              for (const Entry &e : column) {
                  const long long d = base + e.cost + columnPotential
                                      - m_rowPotential[static_cast<std::size_t>(e.row)];
                  if (d < search.distance[static_cast<std::size_t>(e.row)]) {
                      search.distance[static_cast<std::size_t>(e.row)] = d;
                      search.columnBefore[static_cast<std::size_t>(e.row)] = columnIndex;
                      queue.emplace(d, e.row);
                  }
              }
          };
    relax(start, -1, 0, startPotential);
    std::vector<bool> done(static_cast<std::size_t>(m_size), false);
    while (!queue.empty()) {
        const auto [d, row] = queue.top();
        queue.pop();
        if (done[static_cast<std::size_t>(row)]
            || d > search.distance[static_cast<std::size_t>(row)])
            continue;
        done[static_cast<std::size_t>(row)] = true;
        if (isTarget(row)) {
            search.target = row;
            break;
        }
        const int next = m_columnOfRow[static_cast<std::size_t>(row)];
        relax(m_columns[static_cast<std::size_t>(next)], next, d,
              m_columnPotential[static_cast<std::size_t>(next)]);
    }
    // Rows found no shorter than the target's distance keep their potential.
    if (search.target >= 0) {
        const long long limit = search.distance[static_cast<std::size_t>(search.target)];
        for (int r = 0; r < m_size; ++r) {
            if (!done[static_cast<std::size_t>(r)])
                search.distance[static_cast<std::size_t>(r)] = limit;
        }
    }
    return search;
}

// One augmentation of the successive shortest paths: the column gets a row, the columns along
// the path pass theirs on, and the potentials move by the distances found so that the reduced
// costs stay non-negative.
void AssignmentBound::assignColumn(int column)
{
    const Column &start = m_columns[static_cast<std::size_t>(column)];
    const Search search
        = shortestPath(start, m_columnPotential[static_cast<std::size_t>(column)], [this](int row) {
              return m_columnOfRow[static_cast<std::size_t>(row)] < 0;
          });
    if (search.target < 0)
        return;
    const long long limit = search.distance[static_cast<std::size_t>(search.target)];
    for (int r = 0; r < m_size; ++r) {
        const long long gain = limit - search.distance[static_cast<std::size_t>(r)];
        if (gain <= 0)
            continue;
        m_rowPotential[static_cast<std::size_t>(r)] -= gain;
        const int assigned = m_columnOfRow[static_cast<std::size_t>(r)];
        if (assigned >= 0)
            m_columnPotential[static_cast<std::size_t>(assigned)] -= gain;
    }
    m_columnPotential[static_cast<std::size_t>(column)] -= limit;
    int row = search.target;
    while (true) {
        const int before = search.columnBefore[static_cast<std::size_t>(row)];
        const int owner = before < 0 ? column : before;
        const int passed = m_rowOfColumn[static_cast<std::size_t>(owner)];
        m_columnOfRow[static_cast<std::size_t>(row)] = owner;
        m_rowOfColumn[static_cast<std::size_t>(owner)] = row;
        if (before < 0)
            break;
        row = passed;
    }
}

std::optional<long long> AssignmentBound::costWithColumn(int column,
                                                         const Column &replacement) const
{
    if (!m_cost || column < 0 || column >= m_size)
        return std::nullopt;
    const int freed = m_rowOfColumn[static_cast<std::size_t>(column)];
    long long freedCost = 0;
    for (const Entry &e : m_columns[static_cast<std::size_t>(column)]) {
        if (e.row == freed)
            freedCost = e.cost;
    }
    // The replacement's potential makes its cheapest entry tight.
    long long startPotential = std::numeric_limits<long long>::min();
    Column inRange;
    for (const Entry &e : replacement) {
        if (e.row < 0 || e.row >= m_size)
            continue;
        inRange.push_back(e);
        startPotential
            = std::max(startPotential, m_rowPotential[static_cast<std::size_t>(e.row)] - e.cost);
    }
    if (inRange.empty())
        return std::nullopt;
    const Search search
        = shortestPath(inRange, startPotential, [freed](int row) { return row == freed; });
    if (search.target < 0)
        return std::nullopt;
    // The reduced costs along the path telescope to the exchanged costs plus the potentials of
    // its two ends.
    const long long length = search.distance[static_cast<std::size_t>(freed)];
    return *m_cost - freedCost + length - startPotential
           + m_rowPotential[static_cast<std::size_t>(freed)];
}
