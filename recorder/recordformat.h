#ifndef RECORDFORMAT_H
#define RECORDFORMAT_H

#include <QAudioFormat>
#include <QString>
#include <QVector>

// The format a take is recorded in: 16-bit PCM at one of the rates and channel counts offered.
struct RecordFormat
{
    int sampleRate = 44100;
    int channels = 2;

    // What the user may choose from, the first being what takes always were.
    static QVector<RecordFormat> offered();
    // "44.1 kHz 立体声", "48 kHz 单声道", in the panel's language.
    QString label() const;
    qint64 bytesPerSecond() const { return qint64(sampleRate) * channels * 2; }
    QAudioFormat audioFormat() const;
    bool operator==(const RecordFormat &other) const
    {
        return sampleRate == other.sampleRate && channels == other.channels;
    }
};

#endif // RECORDFORMAT_H
