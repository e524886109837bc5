#include "rulerticks.h"

#include "timetext.h"

namespace {

constexpr int LabelGap = 12;  // pixels kept free between two labels
constexpr qint64 Steps[] = {1,      2,      5,      10,     20,      50,      100,     200,     500,
                            1000,   2000,   5000,   10000,  15000,   30000,   60000,   120000,  300000,
                            600000, 900000, 1800000, 3600000, 7200000, 18000000, 36000000, 86400000};

} // namespace

RulerTicks::RulerTicks(double pixelsPerSecond, qint64 lastMs, const QFontMetrics &metrics)
    : m_pixelsPerSecond(pixelsPerSecond), m_lastMs(lastMs)
{
    // Labels are measured once with milliseconds and once without: measuring text is the slow part.
    const int fine = widestLabel(1, metrics) + LabelGap;
    const int coarse = widestLabel(1000, metrics) + LabelGap;
    for (const qint64 step : Steps) {
        m_stepMs = step;
        if (stepPixels() >= (step < 1000 ? fine : coarse))
            break;
    }
}

// Digits differ in width in many fonts: the widest label has eights for digits.
int RulerTicks::widestLabel(qint64 stepMs, const QFontMetrics &metrics) const
{
    QString widest = TimeText::of(m_lastMs, parts(stepMs));
    for (QChar &c : widest)
        if (c.isDigit())
            c = QLatin1Char('8');
    return metrics.horizontalAdvance(widest);
}

int RulerTicks::parts(qint64 stepMs) const
{
    return (m_lastMs >= 3600000 ? TimeText::Hours : TimeText::Seconds) |
           (stepMs < 1000 ? TimeText::Milliseconds : TimeText::Seconds);
}

QString RulerTicks::label(qint64 ms) const
{
    return TimeText::of(ms, parts(m_stepMs));
}
