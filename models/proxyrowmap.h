#pragma once

#include <QPair>
#include <QVector>

#include <vector>

// Rows of a flat proxy and the source rows they show, both ways. A merge
// removes its scattered runs from the back of the source one after another;
// during such a batch gone rows are only marked and the rest renumbered on
// the fly, so that the whole batch costs one pass over the rows instead of
// one per run.
class ProxyRowMap
{
public:
    // Every source row, in source order.
    void reset(int sourceCount);

    int proxyCount() const { return m_inserting ? m_final.size() - m_shift : m_toSource.size() - m_goneCount; }
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
    // Runs of those rows with the proxy row each goes before, lowest first.
    // They are shown one at a time from the highest down with showRun, and
    // built into the map in one pass.
    void beginInsertion(const QVector<QPair<int, QVector<int>>> &runs);
    void showRun(int index);

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
    // The batch's number of the row shown at proxyRow.
    int baseRow(int proxyRow) const;

    // Proxy order of source rows, numbered as at the start of a batch; rows
    // gone during the batch stay until it ends.
    QVector<int> m_toSource;
    // Source row to proxy row, both numbered as at the start of a batch.
    QVector<int> m_toProxy;
    bool m_toProxyValid = false;
    // During a batch: the removed source runs, highest first, and the gone
    // proxy rows, marked and counted in a Fenwick tree.
    QVector<Removal> m_removals;
    std::vector<int> m_removedProxy;
    std::vector<bool> m_gone;
    int m_goneCount = 0;
    // During an insertion: the final order; rows from m_boundary on are
    // shown from it, m_shift places further on.
    QVector<int> m_final;
    QVector<int> m_runStarts;
    QVector<int> m_runsBefore;
    int m_boundary = 0;
    int m_shift = 0;
    bool m_inserting = false;
    bool m_batch = false;
    int m_sourceCount = 0;
};
