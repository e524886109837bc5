#include "takechart.h"

#include "recordersession.h"
#include "waveformframe.h"
#include "waveformwidget.h"

#include <QMediaPlayer>
#include <QScrollBar>

TakeChart::TakeChart(RecorderSession *session, WaveformFrame *frame)
    : QObject(frame), m_session(session), m_frame(frame)
{
    // A new take starts at the default scale, whatever the last one was zoomed to.
    connect(session, &RecorderSession::takeStarted, frame, [frame] {
        frame->clear();
        frame->zoomAround(1.0, WaveformWidget::LeftMargin);
    });
    connect(session, &RecorderSession::blocksProbed, this, &TakeChart::drawBlocks);
    connect(session, &RecorderSession::versionRead, this, &TakeChart::drawVersion);
}

void TakeChart::placeCursor(qint64 ms)
{
    WaveformWidget *chart = m_frame->waveformWidget();
    m_session->setPosition(ms);
    chart->setPlayPos(ms);
    m_frame->keepInView(chart->xAt(ms));
}

void TakeChart::drawBlocks(const QVector<qreal> &levels, int count, int sampleRate)
{
    m_frame->waveformWidget()->setSampleRate(sampleRate);
    showLanes(levels.size() / 2);
    QVector<qreal> block = levels;
    for (int i = 0; i < count; ++i)
        m_frame->onDrawWaveform(block);
}

void TakeChart::drawVersion(const VersionReader::Version &version)
{
    // A file that could not be read leaves the chart as it was.
    if (version.read)
        redraw(version);
    if (m_cursorAfterDraw >= 0)
        placeCursor(m_cursorAfterDraw);
    else
        m_frame->setPlayPos(m_session->player()->position());
    m_cursorAfterDraw = -1;
}

// The view stays where the user was: refilling the chart widens it, which scrolls to the end.
void TakeChart::redraw(const VersionReader::Version &version)
{
    QScrollBar *scroll = m_frame->horizontalScrollBar();
    const int shown = scroll->value();
    m_frame->waveformWidget()->setSampleRate(version.sampleRate);
    if (version.blocks.columnCount() > 0)
        showLanes(version.blocks.pairCount(0));
    m_frame->showColumns(version.blocks);
    scroll->setValue(shown);
}

// A lane a channel: a mono take fills the chart's height rather than leaving a lane empty. Takes
// have one or two channels; a file with more shows its first two, as it always did.
void TakeChart::showLanes(int channels)
{
    const int lanes = qBound(1, channels, 2);
    if (channels > 0 && lanes != m_frame->waveformWidget()->laneCount())
        m_frame->setLaneCount(lanes);
}
