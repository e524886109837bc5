#ifndef RULERTICKS_H
#define RULERTICKS_H

#include <QFontMetrics>
#include <QString>
#include <QtGlobal>

// The labelled ticks of a time ruler at any scale: the shortest of the usual steps (1, 2, 5 ms up to
// hours) whose labels, as wide as the widest the ruler can carry, keep a gap between them; the
// labels in hours, minutes and seconds, with milliseconds once the step is below a second.
class RulerTicks
{
public:
    // pixelsPerSecond above 0; lastMs the latest time the ruler reaches, which sets the labels' width.
    RulerTicks(double pixelsPerSecond, qint64 lastMs, const QFontMetrics &metrics);

    qint64 stepMs() const { return m_stepMs; }
    double stepPixels() const { return m_stepMs * m_pixelsPerSecond / 1000.0; }
    QString label(qint64 ms) const;

private:
    int parts(qint64 stepMs) const;
    int widestLabel(qint64 stepMs, const QFontMetrics &metrics) const;

    double m_pixelsPerSecond;
    qint64 m_lastMs;
    qint64 m_stepMs = 0;
};

#endif // RULERTICKS_H
