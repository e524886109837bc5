#ifndef CHARTZOOM_H
#define CHARTZOOM_H

#include <QObject>

class WaveformFrame;

// The zoom of the recorder's chart: steps of a factor of two, from the whole take in the view ("fit")
// down to a few milliseconds per pixel, around the mouse, the cursor, or the middle of the view
// when the cursor is out of it.
class ChartZoom : public QObject
{
    Q_OBJECT

public:
    // 16 pixels to a column of 1920 frames: 2.5 ms per pixel at 48 kHz.
    static constexpr double ClosestPixelsPerColumn = 16;

    explicit ChartZoom(WaveformFrame *frame);

    void zoomIn() { zoomAroundCursor(1); }
    void zoomOut() { zoomAroundCursor(-1); }
    // The whole take in the view, without a scroll bar.
    void fit();
    // So many steps in (negative: out) around the chart's x.
    void zoomAt(int steps, int x);
    bool canZoomIn() const;
    bool canZoomOut() const;

signals:
    void zoomChanged();

private:
    void zoomAroundCursor(int steps);
    void zoomTo(double pixelsPerColumn, int x);
    double fitPixels() const;
    double farthest() const;

    WaveformFrame *m_frame;
};

#endif // CHARTZOOM_H
