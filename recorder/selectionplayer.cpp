#include "selectionplayer.h"

#include "chartscale.h"
#include "recordersession.h"
#include "takechart.h"
#include "waveformwidget.h"

#include <QMediaPlayer>

SelectionPlayer::SelectionPlayer(RecorderSession *session, TakeChart *takeChart, WaveformWidget *chart)
    : QObject(chart), m_session(session), m_takeChart(takeChart), m_chart(chart)
{
    m_end.setSingleShot(true);
    m_end.setTimerType(Qt::PreciseTimer);
    connect(&m_end, &QTimer::timeout, this, &SelectionPlayer::checkEnd);
    connect(session, &RecorderSession::stateChanged, this, &SelectionPlayer::onStateChanged);
}

void SelectionPlayer::play()
{
    if (!m_chart->hasSelection() || m_session->isRecording() || m_session->playPath().isEmpty())
        return;
    const qint64 startMs = ChartScale::wholeMs(m_chart->selectionStart() * 1000);
    m_endMs = ChartScale::wholeMs(m_chart->selectionEnd() * 1000);
    m_takeChart->placeCursor(startMs);
    if (m_session->player()->state() != QMediaPlayer::PlayingState)
        m_session->pauseOrGo();
    m_end.start(int(m_endMs - startMs));
}

// The player's clock may lag the timer's: until it reaches the end, wait for the rest.
void SelectionPlayer::checkEnd()
{
    const qint64 position = m_session->player()->position();
    if (position < m_endMs - 1) {
        m_end.start(int(m_endMs - position));
        return;
    }
    const qint64 endMs = m_endMs;
    m_endMs = -1;
    m_session->pauseOrGo();
    m_takeChart->placeCursor(endMs);
}

void SelectionPlayer::onStateChanged()
{
    if (m_endMs >= 0 && m_session->state() != RecorderSession::Playing) {
        m_end.stop();
        m_endMs = -1;
    }
}
