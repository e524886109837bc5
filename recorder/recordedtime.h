#ifndef RECORDEDTIME_H
#define RECORDEDTIME_H

#include <QtGlobal>

// The length of a take summed from the frames of its buffers, each at its own sample rate. Frames
// are counted rather than per-buffer durations added, so that no rounding accumulates: the time
// is exact to the microsecond across rate changes and to the frame otherwise.
class RecordedTime
{
public:
    void reset();
    // Buffers of an unknown rate (0 or less) are not counted.
    void add(qint64 frames, int sampleRate);
    qint64 milliseconds() const;
    qint64 microseconds() const;

private:
    qint64 runMicroseconds() const;

    qint64 m_earlierMicroseconds = 0;  // runs at earlier rates
    qint64 m_runFrames = 0;            // the run at the current rate
    int m_runRate = 0;
};

#endif // RECORDEDTIME_H
