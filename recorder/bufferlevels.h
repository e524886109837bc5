#ifndef BUFFERLEVELS_H
#define BUFFERLEVELS_H

#include <QVector>

class QAudioBuffer;
class QAudioFormat;

// The per-channel levels of one recorded buffer, as the waveform view draws them: per channel the
// pair (maximum, minimum) of the buffer's samples, scaled so that full scale is about 1.
class BufferLevels
{
public:
    // Empty for a buffer that is not little-endian PCM; all zeros for a PCM sample type or size
    // that is not known.
    static QVector<qreal> bufferLevels(const QAudioBuffer &buffer);
    // The largest sample value of the format; 0 when the format is not known.
    static double formatPeak(const QAudioFormat &format);

    // Pairs (maximum, minimum) per channel over interleaved samples. The first sample of a channel
    // always becomes its maximum, never its minimum, as in the WAV reader's blocks.
    template<typename Sample>
    static QVector<qreal> blockLevels(const Sample *samples, int frames, int channels)
    {
        QVector<qreal> levels;
        levels.reserve(2 * channels);
        for (int c = 0; c < channels; ++c)
            levels << -2147483648.0 << 2147483647.0;
        for (int f = 0; f < frames; ++f) {
            for (int c = 0; c < channels; ++c) {
                const qreal x = qreal(samples[f * channels + c]);
                if (x > levels[2 * c])
                    levels[2 * c] = x;
                else if (x < levels[2 * c + 1])
                    levels[2 * c + 1] = x;
            }
        }
        return levels;
    }

private:
    template<typename Sample>
    static QVector<qreal> signedLevels(const QAudioBuffer &buffer, double peak);
    template<typename Sample>
    static QVector<qreal> unsignedLevels(const QAudioBuffer &buffer, double peak);
};

#endif // BUFFERLEVELS_H
