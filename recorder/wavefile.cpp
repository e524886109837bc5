#include "wavefile.h"

#include "bufferlevels.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

constexpr quint16 FormatPcm = 0x0001;
constexpr quint16 FormatExtensible = 0xFFFE;
// The sub-format of an extensible format chunk that means integer PCM.
const char PcmSubFormat[16] = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                               char(0x80), 0x00, 0x00, char(0xAA), 0x00, 0x38, char(0x9B), 0x71};
constexpr qint64 ReadBufferBytes = 128 * 1024;  // stays in the CPU cache between read and fold
constexpr int LaneCount = 8;
constexpr int FoldWidth = 2 * LaneCount;  // samples folded side by side in the fast path
constexpr qreal NoMinimum = 2147483647.0;

// Eight samples side by side: each loop over a fixed eight lanes compiles to one vector instruction.
struct Lanes
{
    qint16 v[LaneCount];
};

inline void raiseLanes(Lanes &hi, const qint16 *s)
{
    for (int t = 0; t < LaneCount; ++t)
        hi.v[t] = s[t] > hi.v[t] ? s[t] : hi.v[t];
}

inline void lowerLanes(Lanes &lo, const qint16 *s)
{
    for (int t = 0; t < LaneCount; ++t)
        lo.v[t] = s[t] < lo.v[t] ? s[t] : lo.v[t];
}

// Lane-wise maxima over all `rows` rows of FoldWidth samples, minima over the rows from `minFrom`
// on, reading each row once.
void foldRows(const qint16 *s, int rows, int minFrom, qint16 *maxima, qint16 *minima)
{
    Lanes hi[2];
    Lanes lo[2];
    for (Lanes &l : hi)
        std::fill(l.v, l.v + LaneCount, qint16(-32768));
    for (Lanes &l : lo)
        std::fill(l.v, l.v + LaneCount, qint16(32767));
    int r = 0;
    for (; r < minFrom; ++r, s += FoldWidth) {
        raiseLanes(hi[0], s);
        raiseLanes(hi[1], s + LaneCount);
    }
    for (; r < rows; ++r, s += FoldWidth) {
        raiseLanes(hi[0], s);
        raiseLanes(hi[1], s + LaneCount);
        lowerLanes(lo[0], s);
        lowerLanes(lo[1], s + LaneCount);
    }
    std::memcpy(maxima, hi, sizeof hi);
    std::memcpy(minima, lo, sizeof lo);
}

// Reads until `bytes` arrived or the file ends; returns what arrived.
qint64 readFully(QFile &file, char *data, qint64 bytes)
{
    qint64 done = 0;
    while (done < bytes) {
        const qint64 got = file.read(data + done, bytes - done);
        if (got <= 0)
            break;
        done += got;
    }
    return done;
}

} // namespace

WaveFile::WaveFile(QObject *parent)
    : QObject(parent), m_header()
{
}

bool WaveFile::readWaveFile(const QString &path)
{
    QFile file(path);
    if (!readHeader(file))
        return false;
    readBlocks(file, m_frameCount);
    return true;
}

bool WaveFile::readHeaderOnly(const QString &path)
{
    QFile file(path);
    return readHeader(file);
}

bool WaveFile::readHeader(QFile &file)
{
    m_header = WaveHeader();
    m_frameCount = 0;
    m_error.clear();
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    if (!readRiffHeader(file) || !findDataChunk(file))
        return false;
    // A file cut short (a take whose writer died) holds fewer bytes than its data size says.
    const qint64 available = qMax<qint64>(0, file.size() - file.pos());
    m_frameCount = qMin<qint64>(m_header.dataSize, available) / m_header.blockAlign;
    return true;
}

qint64 WaveFile::durationMs() const
{
    return m_header.sampleRate ? m_frameCount * 1000 / m_header.sampleRate : 0;
}

bool WaveFile::fail(const QString &reason)
{
    m_error = reason;
    return false;
}

bool WaveFile::readRiffHeader(QFile &file)
{
    char head[12];
    if (readFully(file, head, sizeof head) != sizeof head)
        return fail(QStringLiteral("The file is shorter than a WAV header."));
    std::memcpy(m_header.riffId, head, 4);
    m_header.riffSize = qFromLittleEndian<quint32>(head + 4);
    std::memcpy(m_header.format, head + 8, 4);
    if (std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0)
        return fail(QStringLiteral("The file is not a RIFF WAVE file."));
    return true;
}

// Walks the chunks by their sizes (odd sizes are followed by a pad byte) up to "data",
// reading "fmt " on the way; leaves the file at the first sample.
bool WaveFile::findDataChunk(QFile &file)
{
    bool haveFormat = false;
    for (;;) {
        char head[8];
        if (readFully(file, head, sizeof head) != sizeof head) {
            return fail(haveFormat ? QStringLiteral("The file has no data chunk.")
                                   : QStringLiteral("The file has no format chunk."));
        }
        const quint32 size = qFromLittleEndian<quint32>(head + 4);
        const qint64 body = file.pos();
        if (std::memcmp(head, "data", 4) == 0) {
            if (!haveFormat)
                return fail(QStringLiteral("The data chunk comes before the format chunk."));
            m_header.dataSize = size;
            return true;
        }
        if (std::memcmp(head, "fmt ", 4) == 0) {
            std::memcpy(m_header.fmtId, head, 4);
            m_header.fmtSize = size;
            if (!readFormatChunk(file, size))
                return false;
            haveFormat = true;
        }
        if (!file.seek(body + size + (size & 1)))
            return fail(file.errorString());
    }
}

bool WaveFile::readFormatChunk(QFile &file, quint32 size)
{
    if (size < 16)
        return fail(QStringLiteral("The format chunk is too short."));
    QByteArray body(int(qMin<quint32>(size, 40)), '\0');
    if (readFully(file, body.data(), body.size()) != body.size())
        return fail(QStringLiteral("The file ends inside its format chunk."));
    const char *f = body.constData();
    m_header.audioFormat = qFromLittleEndian<quint16>(f);
    m_header.channelCount = qFromLittleEndian<quint16>(f + 2);
    m_header.sampleRate = qFromLittleEndian<quint32>(f + 4);
    m_header.byteRate = qFromLittleEndian<quint32>(f + 8);
    m_header.blockAlign = qFromLittleEndian<quint16>(f + 12);
    m_header.bitsPerSample = qFromLittleEndian<quint16>(f + 14);
    return checkFormat(body);
}

bool WaveFile::checkFormat(const QByteArray &formatBody)
{
    const WaveHeader &h = m_header;
    if (h.audioFormat == FormatExtensible) {
        if (formatBody.size() < 40)
            return fail(QStringLiteral("The extensible format chunk is too short."));
        if (std::memcmp(formatBody.constData() + 24, PcmSubFormat, sizeof PcmSubFormat) != 0)
            return fail(QStringLiteral("The samples are not integer PCM."));
    } else if (h.audioFormat != FormatPcm) {
        return fail(QStringLiteral("The samples are not PCM (format tag %1).").arg(h.audioFormat));
    }
    if (h.bitsPerSample != 16)
        return fail(QStringLiteral("Only 16-bit samples can be read; this file has %1-bit samples.")
                        .arg(h.bitsPerSample));
    if (h.channelCount == 0)
        return fail(QStringLiteral("The file declares no channels."));
    if (h.blockAlign == 0)
        return fail(QStringLiteral("The block align is 0."));
    if (h.blockAlign != 2 * h.channelCount)
        return fail(QStringLiteral("A block align of %1 does not fit %2 channels of 16 bits.")
                        .arg(h.blockAlign).arg(h.channelCount));
    return true;
}

void WaveFile::readBlocks(QFile &file, qint64 frames)
{
    const int channels = m_header.channelCount;
    const qint64 blockSamples = qint64(FramesPerBlock) * channels;
    const qint64 blockBytes = blockSamples * 2;
    const int blocksPerRead = int(qMax<qint64>(1, ReadBufferBytes / blockBytes));
    m_samples.resize(int(blocksPerRead * blockSamples));
    m_risingRun.resize(channels);
    for (qint64 left = frames / FramesPerBlock; left > 0;) {
        const int wanted = int(qMin<qint64>(left, blocksPerRead));
        char *raw = reinterpret_cast<char *>(m_samples.data());
        const int whole = int(readFully(file, raw, wanted * blockBytes) / blockBytes);
        qFromLittleEndian<qint16>(raw, whole * blockSamples, raw);
        for (int b = 0; b < whole; ++b)
            emitBlock(m_samples.constData() + b * blockSamples);
        if (whole < wanted)
            break;
        left -= whole;
    }
}

void WaveFile::emitBlock(const qint16 *samples)
{
    m_block.resize(2 * m_header.channelCount);
    if (FoldWidth % m_header.channelCount == 0)
        foldBlock(samples);
    else
        m_block = BufferLevels::blockLevels(samples, FramesPerBlock, m_header.channelCount);
    emit s_waveformData(m_block);
}

// The same pairs as BufferLevels::blockLevels, in vector code, for channel counts that divide FoldWidth. The
// maximum is the plain maximum. The minimum leaves out the samples that raise the maximum: the
// whole strictly rising start of the block, and later samples that lie above the first sample after
// that start, so never below the other samples' minimum. It is thus the plain minimum of the frames
// after the rising start, or 2147483647 when the whole block rises.
void WaveFile::foldBlock(const qint16 *s)
{
    const int channels = m_header.channelCount;
    const int framesPerRow = FoldWidth / channels;
    const int rows = FramesPerBlock / framesPerRow;

    int longestRun = 0;
    for (int c = 0; c < channels; ++c) {
        int run = 1;
        while (run < FramesPerBlock && s[run * channels + c] > s[(run - 1) * channels + c])
            ++run;
        m_risingRun[c] = run;
        longestRun = qMax(longestRun, run);
    }
    // Rows from here on hold no frame of any channel's rising start.
    const int firstMinRow = (longestRun + framesPerRow - 1) / framesPerRow;
    qint16 maxima[FoldWidth];
    qint16 minima[FoldWidth];
    foldRows(s, rows, firstMinRow, maxima, minima);

    for (int c = 0; c < channels; ++c) {
        int hi = -32768;
        int lo = 32767;
        for (int lane = c; lane < FoldWidth; lane += channels) {
            hi = qMax<int>(hi, maxima[lane]);
            lo = qMin<int>(lo, minima[lane]);
        }
        for (int f = m_risingRun[c]; f < firstMinRow * framesPerRow; ++f)
            lo = qMin<int>(lo, s[f * channels + c]);
        m_block[2 * c] = hi;
        m_block[2 * c + 1] = m_risingRun[c] == FramesPerBlock ? NoMinimum : lo;
    }
}
