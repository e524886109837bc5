#include "recordedtime.h"

void RecordedTime::reset()
{
    *this = RecordedTime();
}

void RecordedTime::add(qint64 frames, int sampleRate)
{
    if (sampleRate <= 0 || frames <= 0)
        return;
    if (sampleRate != m_runRate) {
        m_earlierMicroseconds += runMicroseconds();
        m_runFrames = 0;
        m_runRate = sampleRate;
    }
    m_runFrames += frames;
}

qint64 RecordedTime::milliseconds() const
{
    return microseconds() / 1000;
}

qint64 RecordedTime::microseconds() const
{
    return m_earlierMicroseconds + runMicroseconds();
}

qint64 RecordedTime::runMicroseconds() const
{
    return m_runRate > 0 ? m_runFrames * 1000000 / m_runRate : 0;
}
