#ifndef WAVEFILE_H
#define WAVEFILE_H

#include <QObject>
#include <QString>
#include <QVector>

class QFile;

// Turns a 16-bit PCM WAV file into level blocks: per channel the pair (maximum, minimum) of
// every complete run of FramesPerBlock frames, emitted one by one while the file is read.
class WaveFile : public QObject
{
    Q_OBJECT

public:
    // The header fields of the last read; fields the read did not reach stay zero.
    struct WaveHeader
    {
        char riffId[4];
        quint32 riffSize;
        char format[4];
        char fmtId[4];
        quint32 fmtSize;
        quint16 audioFormat;
        quint16 channelCount;
        quint32 sampleRate;
        quint32 byteRate;
        quint16 blockAlign;
        quint16 bitsPerSample;
        quint32 dataSize;
    };

    static constexpr int FramesPerBlock = 1920;

    explicit WaveFile(QObject *parent = nullptr);

    // Reads the whole file synchronously, emitting s_waveformData for each complete block.
    // False, with no block emitted, when the file cannot be opened or is not 16-bit PCM WAV
    // (errorString() says why). A file shorter than its data chunk claims is read up to its end.
    bool readWaveFile(const QString &path);
    // Reads the header and counts the frames, without reading the audio: as quick for an hour as
    // for a second.
    bool readHeaderOnly(const QString &path);

    const WaveHeader &header() const { return m_header; }
    // The frames of audio that the last read found in the file, blocks or not: the length of the
    // take, which a header written before the end (a writer that died) overstates.
    qint64 frameCount() const { return m_frameCount; }
    // frameCount() in whole milliseconds at the file's rate; 0 without a rate.
    qint64 durationMs() const;
    QString errorString() const { return m_error; }

signals:
    // The vector is reused for the next block once the emit returns; receivers that keep it copy it.
    void s_waveformData(QVector<qreal> &data);

private:
    bool fail(const QString &reason);
    // Opens the file and leaves it at the first sample, the header and frame count read.
    bool readHeader(QFile &file);
    bool readRiffHeader(QFile &file);
    bool findDataChunk(QFile &file);
    bool readFormatChunk(QFile &file, quint32 size);
    bool checkFormat(const QByteArray &extension);
    void readBlocks(QFile &file, qint64 frames);
    void emitBlock(const qint16 *samples);
    void foldBlock(const qint16 *samples);

    WaveHeader m_header;
    qint64 m_frameCount = 0;
    QString m_error;
    QVector<qint16> m_samples;  // read buffer, whole blocks
    QVector<int> m_risingRun;   // per channel: length of the strictly rising start of the block
    QVector<qreal> m_block;
};

#endif // WAVEFILE_H
