#ifndef WAVEFORMFRAME_H
#define WAVEFORMFRAME_H

#include <QColor>
#include <QScrollArea>
#include <QVector>

class LevelHistory;
class WaveformWidget;

// The scrolling frame around the waveform: it holds the chart, paints the amplitude ruler over
// the chart's left margin, widens the chart as a take grows and pages it along with playback.
class WaveformFrame : public QScrollArea
{
    Q_OBJECT

public:
    static constexpr int WidenStep = 260;  // pixels added each time the drawing reaches the edge
    static constexpr int PlayPage = 650;   // playback scrolls in pages of this many pixels

    explicit WaveformFrame(QWidget *parent = nullptr);

    // Empties the chart and fits it to the frame again (a new take, or a version about to be redrawn).
    void clear();
    // Shows the columns in place of the chart's, the chart as wide as drawing them one by one makes it.
    void showColumns(const LevelHistory &columns);
    // Moves the play cursor to a position in milliseconds; the view turns to the cursor's page
    // whenever the cursor enters another one.
    void setPlayPos(qint64 ms);
    // Scrolls as little as needed to show the chart's x (a cut point, a restored cursor).
    void keepInView(int x);
    // Whether Delete may cut the selection (not while a take records).
    void setSupportClip(bool allowed);
    void setLaneCount(int lanes);
    // Zooms the chart to so many pixels per column, the time at the chart's x staying where it is
    // in the view.
    void zoomAround(double pixelsPerColumn, int x);
    // The width the view shows of the chart.
    int shownWidth() const { return width() - 2; }
    WaveformWidget *waveformWidget() const { return m_waveform; }

public slots:
    void onDrawWaveform(QVector<qreal> &data);

signals:
    void s_cutAudio(double cutStartTime, double cutEndTime);
    void s_posChange(double playPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void widen();
    // The chart's width for its columns: the view's, widened in steps until the columns fit.
    int chartWidth() const;
    void paintAmplitudeRuler();

    const QColor m_rulerBackground{"#1A1B1C"};
    const QColor m_rulerText{"#858585"};
    WaveformWidget *m_waveform;
    QWidget *m_ruler;
    int m_playPage = -1;  // the page of the last play position; -1 after a clear
};

#endif // WAVEFORMFRAME_H
