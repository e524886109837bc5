// The WAV reader on a one-hour stereo 48 kHz 16-bit take (about 690 MB, made here and deleted
// after), against a plain sequential read of the same file in the same run.

#include "recorder/wavefile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QVector>
#include <QtEndian>

#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

constexpr int Rate = 48000;
constexpr int Seconds = 3600;
constexpr qint64 DataBytes = qint64(Rate) * Seconds * 4;

QByteArray le(quint32 value, int bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out += char((value >> (8 * i)) & 0xFF);
    return out;
}

QByteArray header()
{
    return "RIFF" + le(quint32(36 + DataBytes), 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(2, 2) + le(Rate, 4)
           + le(Rate * 4, 4) + le(4, 2) + le(16, 2) + "data" + le(quint32(DataBytes), 4);
}

// One second of a two-tone signal with a little noise, repeated for the hour.
bool writeTake(const QString &path)
{
    QVector<qint16> second(2 * Rate);
    quint32 noise = 1;
    for (int f = 0; f < Rate; ++f) {
        noise = noise * 1664525u + 1013904223u;
        const double t = double(f) / Rate;
        const double v = 0.5 * std::sin(2 * M_PI * 440 * t) + 0.2 * std::sin(2 * M_PI * 3000 * t);
        second[2 * f] = qint16(20000 * v + int(noise >> 28));
        second[2 * f + 1] = qint16(-12000 * v);
    }
    qToLittleEndian<qint16>(second.constData(), second.size(), second.data());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(header()) != 44)
        return false;
    const QByteArray bytes(reinterpret_cast<const char *>(second.constData()), second.size() * 2);
    for (int s = 0; s < Seconds; ++s)
        if (file.write(bytes) != bytes.size())
            return false;
    return file.flush();
}

struct Timing
{
    double wall = -1;  // seconds
    double cpu = -1;   // seconds of this process on any CPU, steadier on a busy machine
};

class Stopwatch
{
public:
    Stopwatch() : m_cpu(std::clock()) { m_wall.start(); }
    Timing stop() const { return {m_wall.nsecsElapsed() / 1e9, double(std::clock() - m_cpu) / CLOCKS_PER_SEC}; }

private:
    QElapsedTimer m_wall;
    std::clock_t m_cpu;
};

Timing plainRead(const QString &path, qint64 bufferBytes)
{
    const Stopwatch watch;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {};
    QByteArray buffer(int(bufferBytes), '\0');
    qint64 total = 0;
    for (qint64 got; (got = file.read(buffer.data(), bufferBytes)) > 0;)
        total += got;
    return total == DataBytes + 44 ? watch.stop() : Timing();
}

Timing readBlocks(const QString &path)
{
    WaveFile reader;
    qint64 blocks = 0;
    double checksum = 0;
    QObject::connect(&reader, &WaveFile::s_waveformData, [&](QVector<qreal> &data) {
        ++blocks;
        checksum += data[0] - data[3];
    });
    const Stopwatch watch;
    const bool ok = reader.readWaveFile(path);
    const Timing timing = watch.stop();
    return ok && blocks == qint64(Seconds) * Rate / WaveFile::FramesPerBlock && checksum > 0 ? timing : Timing();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hour.wav"));
    QElapsedTimer timer;
    timer.start();
    if (!dir.isValid() || !writeTake(path)) {
        std::fprintf(stderr, "bench_wavefile: cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("wavefile.generate: %.2f s\n", timer.nsecsElapsed() / 1e9);
    plainRead(path, 1 << 20);  // brings the file into the page cache for both contenders

    // Alternating rounds, best of each, on a shared and noisy machine; the plain read gets the
    // better of two buffer sizes.
    Timing plain{1e9, 1e9};
    Timing reader{1e9, 1e9};
    auto keepBest = [](Timing &best, const Timing &t) {
        best.wall = qMin(best.wall, t.wall);
        best.cpu = qMin(best.cpu, t.cpu);
    };
    for (int round = 0; round < 5; ++round) {
        for (qint64 buffer : {qint64(128 * 1024), qint64(1 << 20)}) {
            const Timing t = plainRead(path, buffer);
            if (t.wall < 0) {
                std::fprintf(stderr, "bench_wavefile: cannot read %s back\n", qPrintable(path));
                return 1;
            }
            keepBest(plain, t);
        }
        const Timing t = readBlocks(path);
        if (t.wall < 0) {
            std::fprintf(stderr, "bench_wavefile: the reader did not deliver the expected blocks\n");
            return 1;
        }
        keepBest(reader, t);
    }
    const double megabytes = (DataBytes + 44) / 1e6;
    const double blocks = double(Seconds) * Rate / WaveFile::FramesPerBlock;
    std::printf("wavefile.file_size: %.1f MB\n", megabytes);
    std::printf("wavefile.plain_read: %.0f MB/s\n", megabytes / plain.wall);
    std::printf("wavefile.reader: %.0f MB/s\n", megabytes / reader.wall);
    std::printf("wavefile.reader_blocks: %.0f blocks/s\n", blocks / reader.wall);
    std::printf("wavefile.reader.ratio: %.2f\n", reader.wall / plain.wall);
    std::printf("wavefile.reader_cpu: %.3f s\n", reader.cpu);
    std::printf("wavefile.reader_cpu.ratio: %.2f\n", reader.cpu / plain.cpu);
    return 0;
}
