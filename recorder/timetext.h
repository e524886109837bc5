#ifndef TIMETEXT_H
#define TIMETEXT_H

#include <QString>

// A time in the audio as people read it: h:mm:ss.mmm, or shorter where the hours or the
// milliseconds say nothing.
class TimeText
{
public:
    enum Parts { Seconds = 0, Hours = 1, Milliseconds = 2, Full = Hours | Milliseconds };

    // m:ss, or h:mm:ss with Hours; ".mmm" added with Milliseconds. Negative times count as 0.
    static QString of(qint64 ms, int parts = Full);
    // A time typed as h:mm:ss.mmm, m:ss.mmm or seconds, in seconds; -1 when it is none of them.
    static double parse(const QString &text);
};

#endif // TIMETEXT_H
