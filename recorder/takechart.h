#ifndef TAKECHART_H
#define TAKECHART_H

#include "versionreader.h"

#include <QObject>
#include <QVector>

class RecorderSession;
class WaveformFrame;

// Draws the session's take into the chart: the blocks probed while it records, and each version once
// it is read, the cursor then going where the cut, undo or redo that made it current left it, or
// else where the player stands.
class TakeChart : public QObject
{
    Q_OBJECT

public:
    TakeChart(RecorderSession *session, WaveformFrame *frame);

    // Where the cursor goes once the next version is drawn; -1 for where the player stands.
    void setCursorAfterDraw(qint64 ms) { m_cursorAfterDraw = ms; }
    // The cursor and the player to a time, the chart scrolling as little as needed to show it.
    void placeCursor(qint64 ms);

private:
    void showLanes(int channels);
    void drawBlocks(const QVector<qreal> &levels, int count, int sampleRate);
    void drawVersion(const VersionReader::Version &version);
    void redraw(const VersionReader::Version &version);

    RecorderSession *m_session;
    WaveformFrame *m_frame;
    qint64 m_cursorAfterDraw = -1;
};

#endif // TAKECHART_H
