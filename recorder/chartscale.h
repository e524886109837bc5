#ifndef CHARTSCALE_H
#define CHARTSCALE_H

#include <QtGlobal>

// Where times stand on the chart: columns of a fixed number of frames from the left margin on, so
// many pixels to a second. Every conversion between a chart x and a time goes through here, so that
// a time taken from a pixel always maps back onto the same pixel.
class ChartScale
{
public:
    ChartScale(int leftMargin, double pixelsPerSecond);

    double pixelsPerSecond() const { return m_pixelsPerSecond; }
    // The x of the column a time falls in.
    int xAt(qint64 ms) const;
    // The time where the column at x starts, unrounded.
    double secondsAt(int x) const;
    // The same in whole milliseconds.
    qint64 msAt(int x) const { return wholeMs(secondsAt(x) * 1000); }
    // A time in whole milliseconds, rounded up: rounded down, it would fall into the column before.
    static qint64 wholeMs(double ms);

private:
    int m_leftMargin;
    double m_pixelsPerSecond;
};

#endif // CHARTSCALE_H
