#pragma once

#include <QPair>
#include <QVector>

#include <vector>

// Rows of a flat proxy and the source rows they show, both ways. A merge
// removes its scattered runs from the back of the source one after another;
// those are renumbered lazily, so that the whole batch costs one pass over the
// rows instead of one per run.
class ProxyRowMap
{
public:
    // Every source row, in source order.
    void reset(int sourceCount);

    int proxyCount() const { return m_toSource.size(); }
    int toSource(int proxyRow) const;
    int toProxy(int sourceRow);
    // The source rows in proxy order, to be reordered and given back.
    const QVector<int> &sourceRows();
    void setSourceRows(const QVector<int> &sourceRows);

    // The proxy rows of the source rows about to go, as ranges from the
    // bottom up, so that removing them in that order keeps the rest valid.
    QVector<QPair<int, int>> proxyRangesOf(int firstSource, int lastSource);
    void removeProxyRows(int first, int last);
    // After the source removed them.
    void removeSourceRows(int first, int last);

    // After the source inserted them; they have no proxy row yet.
    void insertSourceRows(int first, int count);
    void insertProxyRows(int proxyRow, const QVector<int> &sourceRows);

private:
    struct Removal
    {
        int first;
        int last;
        // Rows of this and all earlier (higher) removals.
        int removedSoFar;
    };

    // Finishes a batch of removals: every row in current numbers again.
    void settle();
    void ensureToProxy();
    int removedBelow(int baseSourceRow) const;
    void markRemoved(int baseProxyRow);
    int removedUpTo(int baseProxyRow) const;

    // Proxy order of source rows, numbered as at the start of a batch.
    QVector<int> m_toSource;
    // Source row to proxy row, both numbered as at the start of a batch.
    QVector<int> m_toProxy;
    bool m_toProxyValid = false;
    // During a batch: the removed source runs, highest first, and a
    // Fenwick tree counting removed proxy rows.
    QVector<Removal> m_removals;
    std::vector<int> m_removedProxy;
    bool m_batch = false;
    int m_sourceCount = 0;
};
