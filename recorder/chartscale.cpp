#include "chartscale.h"

#include <cmath>

ChartScale::ChartScale(int leftMargin, double pixelsPerSecond)
    : m_leftMargin(leftMargin), m_pixelsPerSecond(pixelsPerSecond)
{
}

// Multiplied before divided: a time at a column's start then lands on the column exactly, where
// dividing first could leave it a hair short and truncate it into the column before.
int ChartScale::xAt(qint64 ms) const
{
    return int(double(ms) * m_pixelsPerSecond / 1000.0 + m_leftMargin);
}

double ChartScale::secondsAt(int x) const
{
    return (x - m_leftMargin) / m_pixelsPerSecond;
}

qint64 ChartScale::wholeMs(double ms)
{
    return qint64(std::ceil(ms));
}
