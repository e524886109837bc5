#include "recorder/bufferlevels.h"

#include <QAudioBuffer>
#include <QAudioFormat>
#include <QtTest>

#include <limits>

namespace {

QAudioFormat pcm(int sampleSize, QAudioFormat::SampleType type, int channels = 2)
{
    QAudioFormat format;
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setSampleRate(44100);
    format.setChannelCount(channels);
    format.setSampleSize(sampleSize);
    format.setSampleType(type);
    format.setByteOrder(QAudioFormat::LittleEndian);
    return format;
}

template<typename Sample>
QAudioBuffer buffer(const QVector<Sample> &interleaved, const QAudioFormat &format)
{
    const QByteArray bytes(reinterpret_cast<const char *>(interleaved.constData()),
                           int(interleaved.size() * sizeof(Sample)));
    return QAudioBuffer(bytes, format);
}

void compareLevels(const QVector<qreal> &actual, const QVector<qreal> &expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < actual.size(); ++i) {
        if (!qFuzzyCompare(actual[i], expected[i]))
            QFAIL(qPrintable(QStringLiteral("level %1: %2, expected %3").arg(i).arg(actual[i]).arg(expected[i])));
    }
}

} // namespace

class TestBufferLevels : public QObject
{
    Q_OBJECT
private slots:
    void signedSixteenBits();
    void everySampleType_data();
    void everySampleType();
    void oneFrameKeepsNoMinimum();
    void unknownFormats_data();
    void unknownFormats();
};

// Channel 0 starts at 0 and reaches 8192 and -16384; channel 1 holds a falling then rising run.
void TestBufferLevels::signedSixteenBits()
{
    const QVector<qint16> samples{0, 100, 8192, -5, -16384, 300, 4000, -32768, 8191, 32767};
    const QVector<qreal> levels = BufferLevels::bufferLevels(buffer(samples, pcm(16, QAudioFormat::SignedInt)));
    compareLevels(levels, {8192 / 32767.0, -16384 / 32767.0, 32767 / 32767.0, -32768 / 32767.0});
}

// One stereo buffer per type, left channel full scale down then up, right channel a quarter of it,
// each as the type's own samples.
void TestBufferLevels::everySampleType_data()
{
    QTest::addColumn<QAudioBuffer>("buffer");
    QTest::addColumn<QVector<qreal>>("expected");

    const auto row = [](const char *name, const QAudioBuffer &b, double peak, QVector<double> maxMin) {
        QVector<qreal> expected;
        for (double v : maxMin)
            expected << v / peak;
        QTest::newRow(name) << b << expected;
    };
    row("s8", buffer<qint8>({0, 0, -128, -32, 127, 31}, pcm(8, QAudioFormat::SignedInt)), 127,
        {127, -128, 31, -32});
    row("s16", buffer<qint16>({0, 0, -32768, -8192, 32767, 8191}, pcm(16, QAudioFormat::SignedInt)), 32767,
        {32767, -32768, 8191, -8192});
    row("s32", buffer<qint32>({0, 0, std::numeric_limits<qint32>::min(), -(1 << 29), 2147483647, (1 << 29) - 1},
                              pcm(32, QAudioFormat::SignedInt)),
        2147483647.0, {2147483647.0, -2147483648.0, (1 << 29) - 1, -(1 << 29)});
    row("f32", buffer<float>({0, 0, -1.0f, -0.25f, 1.0f, 0.25f}, pcm(32, QAudioFormat::Float)), 1.00003,
        {1.0, -1.0, 0.25, -0.25});

    // Unsigned samples around half the peak: the levels are signed distances from there.
    QTest::newRow("u8") << buffer<quint8>({128, 128, 0, 96, 255, 159}, pcm(8, QAudioFormat::UnSignedInt))
                        << QVector<qreal>{(255 - 127.5) / 127.5, (0 - 127.5) / 127.5,
                                          (159 - 127.5) / 127.5, (96 - 127.5) / 127.5};
    QTest::newRow("u16") << buffer<quint16>({32768, 32768, 0, 24576, 65535, 40959},
                                            pcm(16, QAudioFormat::UnSignedInt))
                         << QVector<qreal>{(65535 - 32767.5) / 32767.5, (0 - 32767.5) / 32767.5,
                                           (40959 - 32767.5) / 32767.5, (24576 - 32767.5) / 32767.5};
    const double half32 = 4294967295.0 / 2;
    QTest::newRow("u32") << buffer<quint32>({1u << 31, 1u << 31, 0, 3u << 29, 4294967295u, 5u << 29},
                                            pcm(32, QAudioFormat::UnSignedInt))
                         << QVector<qreal>{(4294967295.0 - half32) / half32, -1.0,
                                           ((5u << 29) - half32) / half32, ((3u << 29) - half32) / half32};
}

void TestBufferLevels::everySampleType()
{
    QFETCH(QAudioBuffer, buffer);
    QFETCH(QVector<qreal>, expected);
    compareLevels(BufferLevels::bufferLevels(buffer), expected);
    const QVector<qreal> levels = BufferLevels::bufferLevels(buffer);
    // Symmetric signals give strokes around the middle: the maximum above it, the minimum below.
    QVERIFY(levels[0] > 0.99 && levels[1] < -0.99);
    QVERIFY(levels[2] > 0 && levels[3] < 0);
}

// The first sample of a buffer becomes the maximum and never the minimum, which then stays at
// its start value; the same for each channel, and for runs that only rise.
void TestBufferLevels::oneFrameKeepsNoMinimum()
{
    compareLevels(BufferLevels::bufferLevels(buffer<qint16>({1000, -2000}, pcm(16, QAudioFormat::SignedInt))),
                  {1000 / 32767.0, 2147483647.0 / 32767, -2000 / 32767.0, 2147483647.0 / 32767});
    compareLevels(BufferLevels::bufferLevels(buffer<qint8>({-5, 10, 20}, pcm(8, QAudioFormat::SignedInt, 1))),
                  {20 / 127.0, 2147483647.0 / 127});
    compareLevels(BufferLevels::blockLevels<qint16>(nullptr, 0, 2),
                  {-2147483648.0, 2147483647.0, -2147483648.0, 2147483647.0});
}

void TestBufferLevels::unknownFormats_data()
{
    QTest::addColumn<QAudioFormat>("format");
    QTest::addColumn<QVector<qreal>>("expected");
    QTest::addColumn<double>("peak");

    QAudioFormat bigEndian = pcm(16, QAudioFormat::SignedInt);
    bigEndian.setByteOrder(QAudioFormat::BigEndian);
    QAudioFormat compressed = pcm(16, QAudioFormat::SignedInt);
    compressed.setCodec(QStringLiteral("audio/mpeg"));
    const QVector<qreal> none;
    const QVector<qreal> zeros{0.0, 0.0};

    QTest::newRow("invalid") << QAudioFormat() << none << 0.0;
    QTest::newRow("big-endian") << bigEndian << none << 32767.0;
    QTest::newRow("not pcm") << compressed << none << 0.0;
    QTest::newRow("24-bit signed") << pcm(24, QAudioFormat::SignedInt) << zeros << 0.0;
    QTest::newRow("64-bit float") << pcm(64, QAudioFormat::Float) << zeros << 0.0;
    QTest::newRow("16-bit float") << pcm(16, QAudioFormat::Float) << zeros << 0.0;
    QTest::newRow("unknown type") << pcm(16, QAudioFormat::Unknown) << none << 0.0;
}

void TestBufferLevels::unknownFormats()
{
    QFETCH(QAudioFormat, format);
    QFETCH(QVector<qreal>, expected);
    QFETCH(double, peak);
    const QByteArray bytes(48, char(0x55));
    QCOMPARE(BufferLevels::bufferLevels(QAudioBuffer(bytes, format)), expected);
    QCOMPARE(BufferLevels::formatPeak(format), peak);
}

QTEST_GUILESS_MAIN(TestBufferLevels)
#include "tst_bufferlevels.moc"
