#ifndef LEVELHISTORY_H
#define LEVELHISTORY_H

#include <QVector>
#include <QtGlobal>

// Every level block drawn since the last clear, packed in one array so that a column costs only
// its own values and any column is found in constant time.
class LevelHistory
{
public:
    void append(const QVector<qreal> &block);
    void clear();
    int columnCount() const { return m_starts.size() - 1; }
    // Number of (upper, lower) pairs in a column; a trailing odd value is not a pair.
    int pairCount(int column) const { return (m_starts[column + 1] - m_starts[column]) / 2; }
    const qreal *values(int column) const { return m_values.constData() + m_starts[column]; }

private:
    QVector<qreal> m_values;
    QVector<int> m_starts{0};  // column i holds m_values[m_starts[i] .. m_starts[i + 1])
};

#endif // LEVELHISTORY_H
