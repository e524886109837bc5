#ifndef LEVELPYRAMID_H
#define LEVELPYRAMID_H

#include "levelhistory.h"

#include <QVector>

// Coarser and coarser copies of a level history, each column of one the envelope of two of the one
// below: the envelope of any run of columns is then found from a handful of values, so a chart that
// shows a whole take in a few hundred pixels paints as fast for three hours as for one minute.
class LevelPyramid
{
public:
    // Call after each column the history gains.
    void columnAdded(const LevelHistory &history);
    void rebuild(const LevelHistory &history);
    void clear() { m_levels.clear(); }
    // The level whose columns are the widest not wider than a run of so many columns.
    int levelFor(int columns) const;
    // The highest and lowest level of one lane over columns first .. end - 1, read from the level
    // levelFor(end - first) (a little more at either end when the run is long: up to half a run's
    // width); false when no column there holds the lane.
    bool envelope(const LevelHistory &history, int level, int first, int end, int lane, qreal *high,
                  qreal *low) const;

private:
    const LevelHistory &level(const LevelHistory &history, int index) const;
    void gather(const LevelHistory &history, int index, int first, int end, int lane, qreal *high,
                qreal *low, bool *found) const;
    void mergeUp(const LevelHistory &history, int index);

    QVector<LevelHistory> m_levels;  // m_levels[i] holds runs of 2^(i + 1) columns
};

#endif // LEVELPYRAMID_H
