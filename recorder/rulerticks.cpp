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
    for (const qint64 step : Steps) {
        m_stepMs = step;
        // Digits differ in width in many fonts: the widest label has eights for digits.
        QString widest = TimeText::of(m_lastMs, parts(step));
        for (QChar &c : widest)
            if (c.isDigit())
                c = QLatin1Char('8');
        if (stepPixels() >= metrics.horizontalAdvance(widest) + LabelGap)
            break;
    }
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
