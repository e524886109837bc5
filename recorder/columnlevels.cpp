#include "columnlevels.h"

void ColumnLevels::merge(const QVector<qreal> &levels)
{
    if (m_restart) {
        m_levels.clear();
        m_restart = false;
    }
    const int common = qMin(m_levels.size(), levels.size());
    for (int i = 0; i + 1 < common; i += 2) {
        m_levels[i] = qMax(m_levels[i], levels[i]);
        m_levels[i + 1] = qMin(m_levels[i + 1], levels[i + 1]);
    }
    if (levels.size() > m_levels.size())
        m_levels += levels.mid(m_levels.size());
}

QVector<qreal> ColumnLevels::take()
{
    m_restart = true;
    return m_levels;
}
