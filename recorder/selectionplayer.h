#ifndef SELECTIONPLAYER_H
#define SELECTIONPLAYER_H

#include <QObject>
#include <QTimer>

class RecorderSession;
class TakeChart;
class WaveformWidget;

// Plays the chart's selection: from its start, pausing at its end with the cursor there. A pause
// before the end (the button, Space, the end of the file) ends it there.
class SelectionPlayer : public QObject
{
    Q_OBJECT

public:
    SelectionPlayer(RecorderSession *session, TakeChart *takeChart, WaveformWidget *chart);

    void play();

private:
    void checkEnd();
    void onStateChanged();

    RecorderSession *m_session;
    TakeChart *m_takeChart;
    WaveformWidget *m_chart;
    QTimer m_end;  // fires when the end should be reached
    qint64 m_endMs = -1;
};

#endif // SELECTIONPLAYER_H
