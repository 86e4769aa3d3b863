#include "proxyrowmap.h"

#include <algorithm>
#include <numeric>

void ProxyRowMap::reset(int sourceCount)
{
    m_sourceCount = sourceCount;
    m_toSource.resize(sourceCount);
    std::iota(m_toSource.begin(), m_toSource.end(), 0);
    m_toProxy = m_toSource;
    m_toProxyValid = true;
    m_removals.clear();
    m_removedProxy.clear();
    m_gone.clear();
    m_goneCount = 0;
    m_batch = false;
}

int ProxyRowMap::toSource(int proxyRow) const
{
    if (m_inserting)
        return proxyRow < m_boundary ? m_toSource.at(proxyRow) : m_final.at(proxyRow + m_shift);
    if (!m_batch)
        return m_toSource.at(proxyRow);
    const int row = m_toSource.at(baseRow(proxyRow));
    return row - removedBelow(row);
}

int ProxyRowMap::toProxy(int sourceRow)
{
    if (m_inserting) {
        // Asked for in the middle of an insertion: rare enough for a search.
        for (int row = 0; row < proxyCount(); ++row) {
            if (toSource(row) == sourceRow)
                return row;
        }
        return -1;
    }
    settle();
    ensureToProxy();
    return m_toProxy.at(sourceRow);
}

const QVector<int> &ProxyRowMap::sourceRows()
{
    settle();
    return m_toSource;
}

void ProxyRowMap::setSourceRows(const QVector<int> &sourceRows)
{
    m_toSource = sourceRows;
    m_toProxyValid = false;
}

QVector<QPair<int, int>> ProxyRowMap::proxyRangesOf(int firstSource, int lastSource)
{
    // Only runs below every earlier one keep the numbers of the batch.
    if (m_batch && !m_removals.isEmpty() && lastSource >= m_removals.constLast().first)
        settle();
    if (!m_batch) {
        ensureToProxy();
        m_removedProxy.assign(size_t(m_toSource.size()) + 1, 0);
        m_gone.assign(size_t(m_toSource.size()), false);
        m_batch = true;
    }
    QVector<int> rows;
    rows.reserve(lastSource - firstSource + 1);
    for (int source = firstSource; source <= lastSource; ++source) {
        const int row = m_toProxy.at(source);
        rows.append(row - removedUpTo(row));
    }
    std::sort(rows.begin(), rows.end());
    QVector<QPair<int, int>> ranges;
    for (const int row : qAsConst(rows)) {
        if (!ranges.isEmpty() && ranges.last().second == row - 1)
            ranges.last().second = row;
        else
            ranges.append({row, row});
    }
    std::reverse(ranges.begin(), ranges.end());
    return ranges;
}

void ProxyRowMap::removeProxyRows(int first, int last)
{
    // Each removal moves the next row up to first.
    for (int row = first; row <= last; ++row)
        markRemoved(baseRow(first));
}

void ProxyRowMap::removeSourceRows(int first, int last)
{
    const int count = last - first + 1;
    m_sourceCount -= count;
    if (!m_batch) {
        // Someone asked for the source's rows in the middle of the run.
        for (int &row : m_toSource)
            row -= row > last ? count : 0;
        m_toProxyValid = false;
        return;
    }
    const int before = m_removals.isEmpty() ? 0 : m_removals.constLast().removedSoFar;
    m_removals.append({first, last, before + count});
}

void ProxyRowMap::insertSourceRows(int first, int count)
{
    settle();
    if (first < m_sourceCount) {
        for (int &row : m_toSource)
            row += row >= first ? count : 0;
    }
    m_sourceCount += count;
    m_toProxyValid = false;
}

void ProxyRowMap::beginInsertion(const QVector<QPair<int, QVector<int>>> &runs)
{
    m_final.clear();
    m_final.reserve(m_sourceCount);
    m_runStarts.clear();
    m_runsBefore.clear();
    int copied = 0;
    for (const QPair<int, QVector<int>> &run : runs) {
        m_runStarts.append(run.first);
        m_runsBefore.append(m_final.size() - copied);
        m_final.append(m_toSource.mid(copied, run.first - copied));
        m_final.append(run.second);
        copied = run.first;
    }
    m_final.append(m_toSource.mid(copied));
    m_boundary = m_toSource.size();
    m_shift = m_final.size() - m_toSource.size();
    m_inserting = true;
}

void ProxyRowMap::showRun(int index)
{
    m_boundary = m_runStarts.at(index);
    m_shift = m_runsBefore.at(index);
    if (index > 0)
        return;
    m_toSource.swap(m_final);
    m_final.clear();
    m_inserting = false;
    m_toProxyValid = false;
}

void ProxyRowMap::settle()
{
    if (!m_batch)
        return;
    // Source rows removed below each number of the batch.
    const int removed = m_removals.isEmpty() ? 0 : m_removals.constLast().removedSoFar;
    std::vector<int> below(size_t(m_sourceCount + removed) + 1, 0);
    for (const Removal &run : qAsConst(m_removals))
        below[size_t(run.last) + 1] += run.last - run.first + 1;
    std::partial_sum(below.begin(), below.end(), below.begin());
    int kept = 0;
    for (int row = 0; row < m_toSource.size(); ++row) {
        if (!m_gone[size_t(row)])
            m_toSource[kept++] = m_toSource.at(row) - below[size_t(m_toSource.at(row))];
    }
    m_toSource.resize(kept);
    m_removals.clear();
    m_removedProxy.clear();
    m_gone.clear();
    m_goneCount = 0;
    m_batch = false;
    m_toProxyValid = false;
}

void ProxyRowMap::ensureToProxy()
{
    if (m_toProxyValid)
        return;
    m_toProxy.fill(-1, m_sourceCount);
    for (int row = 0; row < m_toSource.size(); ++row)
        m_toProxy[m_toSource.at(row)] = row;
    m_toProxyValid = true;
}

int ProxyRowMap::removedBelow(int baseSourceRow) const
{
    // Runs are kept highest first; those below the row form the tail.
    const auto below = std::partition_point(m_removals.cbegin(), m_removals.cend(),
                                            [baseSourceRow](const Removal &run) { return run.last >= baseSourceRow; });
    if (below == m_removals.cend())
        return 0;
    const int above = below == m_removals.cbegin() ? 0 : (below - 1)->removedSoFar;
    return m_removals.constLast().removedSoFar - above;
}

void ProxyRowMap::markRemoved(int baseProxyRow)
{
    m_gone[size_t(baseProxyRow)] = true;
    ++m_goneCount;
    for (size_t node = size_t(baseProxyRow) + 1; node < m_removedProxy.size(); node += node & (~node + 1))
        ++m_removedProxy[node];
}

int ProxyRowMap::removedUpTo(int baseProxyRow) const
{
    int count = 0;
    for (size_t node = size_t(baseProxyRow) + 1; node > 0; node -= node & (~node + 1))
        count += m_removedProxy[node];
    return count;
}

int ProxyRowMap::baseRow(int proxyRow) const
{
    // Descends the Fenwick tree to the (proxyRow + 1)th row not gone.
    size_t step = 1;
    while (step * 2 < m_removedProxy.size())
        step *= 2;
    size_t node = 0;
    int remaining = proxyRow + 1;
    for (; step > 0; step /= 2) {
        const size_t next = node + step;
        if (next < m_removedProxy.size() && int(step) - m_removedProxy[next] < remaining) {
            node = next;
            remaining -= int(step) - m_removedProxy[next];
        }
    }
    return int(node);
}
