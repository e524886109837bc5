#ifndef WAVEFORMWIDGET_H
#define WAVEFORMWIDGET_H

#include "chartscale.h"
#include "levelhistory.h"
#include "levelpyramid.h"
#include "wavefile.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QVector>
#include <QWidget>

// A take drawn as a strip chart: one column per level block, one lane per channel, under a time
// ruler, with a play cursor and a selection (dragged with the mouse, or stretched from the cursor with
// Shift and the arrow keys) that Delete cuts out. It draws at any zoom, from many columns in a pixel
// to many pixels to a column; the selection is kept as times, so zooming never moves it.
//
// Nothing is cached in pixmaps: every paint draws the exposed area from the history, so a paint
// costs the same at any length of take and the memory grows only by the history's values.
class WaveformWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int LeftMargin = 40;   // covered by the frame's amplitude ruler
    static constexpr int RulerHeight = 20;  // time ruler at the top
    static constexpr int LaneBarHeight = 10;
    static constexpr int SelectionHeight = 290;

    explicit WaveformWidget(QWidget *parent = nullptr);

    // Draws one column at nextX() with one stroke per lane from the block's (upper, lower) pairs
    // (values around -1..1); lanes without a pair in the block stay empty.
    void appendLevels(const QVector<qreal> &block);
    // All the columns at once, in place of those drawn, the cursor after the last: a whole version of
    // the take, drawn in the time of one column.
    void setColumns(const LevelHistory &columns);
    // Forgets every column and the selection; the next column goes to the left margin again.
    void clearWave();
    void setLaneCount(int lanes);
    void setPlayPos(qint64 ms);
    void setSupportClip(bool allowed) { m_supportClip = allowed; }
    // Why cutting waits (a job runs), shown as the chart's tooltip and when Delete is refused; empty
    // when it does not wait.
    void setBusyText(const QString &text);

    int laneCount() const { return m_lanes; }
    int laneHeight() const;
    int laneCentre(int lane) const;
    int columnCount() const { return m_history.columnCount(); }
    int nextX() const;
    int cursorX() const { return xAt(m_cursorMs); }
    int step() const { return m_step; }
    double pixelsPerSecond() const { return m_scale.pixelsPerSecond(); }
    // The chart's x of a time in the audio, the time at an x, and the time of the cursor.
    int xAt(qint64 ms) const { return m_scale.xAt(ms); }
    double secondsAt(int x) const { return m_scale.secondsAt(x); }
    // The time the drawn columns reach: whole columns only, so the audio may go on a little beyond it.
    double endSeconds() const { return secondsAt(nextX()); }
    qint64 cursorMs() const { return m_scale.msAt(cursorX()); }
    // The rate of the audio whose columns are drawn: the time ruler, the play cursor and cut times
    // follow it. 48000 until set; a rate of 0 or less is ignored.
    void setSampleRate(int rate);
    bool supportClip() const { return m_supportClip; }
    // The zoom: pixels per column, 1 by default, below 1 where a pixel holds several columns.
    void setPixelsPerColumn(double pixels);
    double pixelsPerColumn() const { return m_pixelsPerColumn; }
    // The selection in seconds, start not after end; equal when nothing is selected.
    double selectionStart() const { return qMin(m_selAnchor, m_selEnd); }
    double selectionEnd() const { return qMax(m_selAnchor, m_selEnd); }
    bool hasSelection() const { return m_selAnchor != m_selEnd; }
    // Selects from one time to another in seconds, within the drawn audio (typed by the user).
    void selectSeconds(double from, double to);

signals:
    void s_adjustWidth();
    void s_cutAudio(double cutStartTime, double cutEndTime);
    void s_posChange(double playPos);
    // Ctrl and the wheel: so many steps in (negative: out) around the chart's x.
    void zoomRequested(int steps, int x);
    void cursorChanged();
    void selectionChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void paintBackground(QPainter &painter, const QRect &area) const;
    void paintTimeRuler(QPainter &painter, const QRect &area) const;
    void paintScaledRuler(QPainter &painter, const QRect &area) const;
    void paintTick(QPainter &painter, const QRect &area, double x, double halfX, const QString &label) const;
    void paintColumns(QPainter &painter, const QRect &area);
    void addColumnStrokes(const QRect &area);
    void addPixelStrokes(const QRect &area);
    void paintCursor(QPainter &painter) const;
    QRect stroke(int lane, int x, int width, qreal upper, qreal lower) const;
    QRect selectionRect() const;
    int columnAt(int x) const;
    int columnX(int column) const;
    void updateScale();
    void setSelection(double anchor, double end);
    void moveCursor(int x);
    void stepByKey(int direction, Qt::KeyboardModifiers modifiers);
    void clearSelection();
    void cutSelection();
    void refuseCut();
    // Tells the player the time of x, unrounded; it rounds as the chart does.
    void reportPosition(int x);
    // x limited to the drawn audio, from the left margin to the end of the last column.
    int audioX(int x) const;

    static constexpr int DefaultSampleRate = 48000;
    const double m_framesPerColumn = WaveFile::FramesPerBlock;
    const int m_step = 1;
    const int m_tickHeight = 6;
    int m_sampleRate = DefaultSampleRate;
    double m_pixelsPerColumn = 1.0;
    ChartScale m_scale;
    const QColor m_waveColour{"#5E17CC"};
    const QColor m_backgroundColour{"#1E1F21"};
    const QColor m_borderColour{"#1A1B1C"};
    const QColor m_laneBarColour{"#2B2C2E"};
    const QColor m_cursorColour{"#FF7A02"};
    const QColor m_rulerColour{"#1A1B1C"};
    const QColor m_rulerTextColour{"#858585"};
    const QColor m_selectionColour{235, 239, 255, 150};
    QFont m_rulerFont;

    int m_lanes = 2;
    qint64 m_cursorMs = 0;
    double m_selAnchor = 0;  // where the selection was started, in seconds
    double m_selEnd = 0;     // where it was dragged to
    int m_wheelAngle = 0;    // wheel turns short of a step
    bool m_supportClip = true;
    QString m_busyText;
    LevelHistory m_history;
    LevelPyramid m_pyramid;
    QVector<QRect> m_strokes;  // reused by every paint
};

#endif // WAVEFORMWIDGET_H
