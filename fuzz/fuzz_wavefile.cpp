// The WAV reader on any file: it never reads out of bounds, and it either fails with no block
// emitted, or emits only blocks of one (maximum, minimum) pair per declared channel.

#include "fuzzcheck.h"
#include "recorder/wavefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {
QTemporaryDir *folder = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    new QCoreApplication(*argc, *argv);
    folder = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = folder->filePath(QStringLiteral("take.wav"));
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    WaveFile reader;
    int blocks = 0;
    bool wellShaped = true;
    QObject::connect(&reader, &WaveFile::s_waveformData, [&](QVector<qreal> &levels) {
        ++blocks;
        wellShaped = wellShaped && levels.size() == 2 * reader.header().channelCount;
        for (qreal level : levels)
            wellShaped = wellShaped && level >= -32768 && level <= 2147483647.0;
    });
    const bool ok = reader.readWaveFile(path);
    FUZZ_CHECK(ok || blocks == 0);
    FUZZ_CHECK(ok || !reader.errorString().isEmpty());
    FUZZ_CHECK(wellShaped);
    // Whole blocks only: never more frames than the file holds after its header.
    FUZZ_CHECK(qint64(blocks) * WaveFile::FramesPerBlock * 2 <= qint64(size));
    return 0;
}
