#include "levelpyramid.h"

#include <QtGlobal>

namespace {

// The envelope of two columns: per lane the highest and the lowest of all four values, whichever
// of a pair was the upper one; a lane only one of them holds comes from that one.
QVector<qreal> merged(const LevelHistory &below, int left)
{
    const int leftPairs = below.pairCount(left);
    const int rightPairs = below.pairCount(left + 1);
    QVector<qreal> result(2 * qMax(leftPairs, rightPairs));
    for (int lane = 0; 2 * lane < result.size(); ++lane) {
        qreal high = -qInf();
        qreal low = qInf();
        for (const int column : {left, left + 1}) {
            if (lane >= below.pairCount(column))
                continue;
            const qreal *pair = below.values(column) + 2 * lane;
            high = qMax(high, qMax(pair[0], pair[1]));
            low = qMin(low, qMin(pair[0], pair[1]));
        }
        result[2 * lane] = high;
        result[2 * lane + 1] = low;
    }
    return result;
}

} // namespace

const LevelHistory &LevelPyramid::level(const LevelHistory &history, int index) const
{
    return index == 0 ? history : m_levels[index - 1];
}

// A level gains a column whenever the one below has completed a pair; the levels are found by
// index each time, since adding one moves them all.
void LevelPyramid::mergeUp(const LevelHistory &history, int index)
{
    const int belowCount = level(history, index - 1).columnCount();
    if (belowCount % 2 != 0)
        return;
    if (m_levels.size() < index)
        m_levels.resize(index);
    m_levels[index - 1].append(merged(level(history, index - 1), belowCount - 2));
    mergeUp(history, index + 1);
}

void LevelPyramid::columnAdded(const LevelHistory &history)
{
    mergeUp(history, 1);
}

void LevelPyramid::rebuild(const LevelHistory &history)
{
    m_levels.clear();
    while (level(history, m_levels.size()).columnCount() >= 2) {
        const LevelHistory &below = level(history, m_levels.size());
        LevelHistory above;
        for (int column = 0; column + 1 < below.columnCount(); column += 2)
            above.append(merged(below, column));
        m_levels.append(above);
    }
}

int LevelPyramid::levelFor(int columns) const
{
    int index = 0;
    while (index < m_levels.size() && (2 << index) <= columns)
        ++index;
    return index;
}

bool LevelPyramid::envelope(const LevelHistory &history, int index, int first, int end, int lane, qreal *high,
                            qreal *low) const
{
    *high = -qInf();
    *low = qInf();
    bool found = false;
    const int width = 1 << index;
    gather(history, index, first / width, (end + width - 1) / width, lane, high, low, &found);
    return found;
}

// The columns of a level that are not complete yet (the last odd one below) are taken from the level
// below, down to the history itself.
void LevelPyramid::gather(const LevelHistory &history, int index, int first, int end, int lane,
                          qreal *high, qreal *low, bool *found) const
{
    const LevelHistory &columns = level(history, index);
    const int complete = qMin(end, columns.columnCount());
    for (int column = first; column < complete; ++column) {
        if (lane >= columns.pairCount(column))
            continue;
        const qreal *pair = columns.values(column) + 2 * lane;
        *high = qMax(*high, qMax(pair[0], pair[1]));
        *low = qMin(*low, qMin(pair[0], pair[1]));
        *found = true;
    }
    if (end > complete && index > 0)
        gather(history, index - 1, 2 * qMax(first, complete), 2 * end, lane, high, low, found);
}
