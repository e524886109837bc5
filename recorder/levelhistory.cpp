#include "levelhistory.h"

void LevelHistory::append(const QVector<qreal> &block)
{
    m_values += block;
    m_starts.append(m_values.size());
}

void LevelHistory::clear()
{
    // Fresh vectors rather than clear(), which would keep the capacity of a long take.
    m_values = QVector<qreal>();
    m_starts = {0};
}
