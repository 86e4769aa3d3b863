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
    m_batch = false;
}

int ProxyRowMap::toSource(int proxyRow) const
{
    const int row = m_toSource.at(proxyRow);
    return m_batch ? row - removedBelow(row) : row;
}

int ProxyRowMap::toProxy(int sourceRow)
{
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
    for (int row = first; row <= last; ++row)
        markRemoved(m_toProxy.at(m_toSource.at(row)));
    m_toSource.remove(first, last - first + 1);
}

void ProxyRowMap::removeSourceRows(int first, int last)
{
    const int before = m_removals.isEmpty() ? 0 : m_removals.constLast().removedSoFar;
    m_removals.append({first, last, before + last - first + 1});
    m_sourceCount -= last - first + 1;
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

void ProxyRowMap::insertProxyRows(int proxyRow, const QVector<int> &sourceRows)
{
    m_toSource.insert(proxyRow, sourceRows.size(), 0);
    std::copy(sourceRows.cbegin(), sourceRows.cend(), m_toSource.begin() + proxyRow);
    m_toProxyValid = false;
}

void ProxyRowMap::settle()
{
    if (!m_batch)
        return;
    if (!m_removals.isEmpty()) {
        for (int &row : m_toSource)
            row -= removedBelow(row);
    }
    m_removals.clear();
    m_removedProxy.clear();
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
