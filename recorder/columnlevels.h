#ifndef COLUMNLEVELS_H
#define COLUMNLEVELS_H

#include <QVector>

// The levels of the buffers that fall into one column of the waveform view, merged: per channel
// the largest maximum and the smallest minimum. Buffers are much shorter than a column on some
// backends (10 ms against a column of 1920 frames), and a column per buffer would stretch the take along the view's
// time ruler.
class ColumnLevels
{
public:
    // Adds one buffer's (maximum, minimum) pairs; a buffer with more channels widens the column.
    void merge(const QVector<qreal> &levels);
    // The merged pairs, to be drawn; the next merge starts a new column.
    QVector<qreal> take();

private:
    QVector<qreal> m_levels;
    bool m_restart = true;
};

#endif // COLUMNLEVELS_H
