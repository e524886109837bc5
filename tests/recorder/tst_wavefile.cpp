#include "recorder/wavefile.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <cmath>

namespace {

using Blocks = QVector<QVector<qreal>>;
constexpr int Frames = WaveFile::FramesPerBlock;

struct Chunk
{
    QByteArray id;
    QByteArray body;
};

QByteArray le16(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray chunk(const Chunk &c, quint32 declaredSize)
{
    QByteArray out = c.id + le32(declaredSize) + c.body;
    if (c.body.size() % 2)
        out += '\0';  // pad byte after an odd-sized body
    return out;
}

QByteArray riff(const QList<Chunk> &chunks)
{
    QByteArray body = "WAVE";
    for (const Chunk &c : chunks)
        body += chunk(c, quint32(c.body.size()));
    return "RIFF" + le32(quint32(body.size())) + body;
}

QByteArray fmtBody(quint16 tag, quint16 channels, quint16 bits, quint16 blockAlign)
{
    const quint32 rate = 48000;
    return le16(tag) + le16(channels) + le32(rate) + le32(rate * blockAlign) + le16(blockAlign) + le16(bits);
}

QByteArray pcmFmt(quint16 channels)
{
    return fmtBody(1, channels, 16, quint16(2 * channels));
}

// WAVE_FORMAT_EXTENSIBLE with the given sub-format tag in the first two bytes of the GUID.
QByteArray extensibleFmt(quint16 channels, quint16 subFormat, quint16 bits = 16)
{
    const QByteArray guidTail = QByteArray::fromHex("000000001000800000aa00389b71");
    return fmtBody(0xFFFE, channels, bits, quint16(channels * bits / 8)) + le16(22) + le16(bits) + le32(3)
           + le16(subFormat) + guidTail;
}

QByteArray pcm(const QVector<qint16> &samples)
{
    QByteArray out;
    for (qint16 s : samples)
        out += le16(quint16(s));
    return out;
}

// The rule the blocks must follow, applied literally sample by sample.
Blocks expectedBlocks(const QVector<qint16> &samples, int channels)
{
    Blocks blocks;
    const int frames = samples.size() / channels;
    QVector<qreal> block;
    for (int f = 0; f < frames; ++f) {
        if (f % Frames == 0) {
            block.clear();
            for (int c = 0; c < channels; ++c)
                block << -2147483648.0 << 2147483647.0;
        }
        for (int c = 0; c < channels; ++c) {
            const double x = samples[f * channels + c];
            if (x > block[2 * c])
                block[2 * c] = x;
            else if (x < block[2 * c + 1])
                block[2 * c + 1] = x;
        }
        if ((f + 1) % Frames == 0)
            blocks << block;
    }
    return blocks;
}

// Sample patterns that reach every path of a block: noise, silence, strict rises of any length
// (also across a whole block), rises that then hold above their own start, tones, and channels
// that differ.
QVector<qint16> makeSamples(int frames, int channels, int pattern, quint32 seed)
{
    QRandomGenerator rng(seed);
    QVector<qint16> s(frames * channels);
    for (int f = 0; f < frames; ++f) {
        for (int c = 0; c < channels; ++c) {
            int v = 0;
            const int run = 1 + int(seed % 300);
            const int inBlock = f % Frames;
            switch ((pattern + c) % 6) {
            case 0: v = rng.bounded(-32768, 32768); break;
            case 1: v = 100; break;
            case 2: v = (f % Frames) * 17 - 16000; break;                                       // rises all block long
            case 3: v = int(12000 * std::sin((f + seed % 97) * 2 * M_PI * 440 / 48000.0)); break;  // 440 Hz
            case 4: v = (f % run) * 50 - 5000 + rng.bounded(-3, 4); break;                      // ramps of random length
            case 5: v = inBlock < run ? inBlock * 7 : run * 7 - (inBlock - run) % 5; break;       // rise, then stay high
            }
            s[f * channels + c] = qint16(qBound(-32768, v, 32767));
        }
    }
    return s;
}

struct ReadResult
{
    bool ok = false;
    Blocks blocks;
    QString error;
    WaveFile::WaveHeader header{};
};

ReadResult readAll(const QString &path)
{
    WaveFile reader;
    ReadResult r;
    QObject::connect(&reader, &WaveFile::s_waveformData, [&](QVector<qreal> &data) { r.blocks << data; });
    r.ok = reader.readWaveFile(path);
    r.error = reader.errorString();
    r.header = reader.header();
    return r;
}

bool runTool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// The samples of any WAV file as sox decodes them, independently of the reader under test.
QVector<qint16> decodeWithSox(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("sox"), {path, "-t", "raw", "-e", "signed-integer", "-b", "16", "-L", "-"});
    p.waitForFinished(30000);
    const QByteArray raw = p.readAllStandardOutput();
    QVector<qint16> s(raw.size() / 2);
    for (int i = 0; i < s.size(); ++i)
        s[i] = qFromLittleEndian<qint16>(raw.constData() + 2 * i);
    return s;
}

} // namespace

class TestWaveFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void blocksFollowTheSequentialRule_data();
    void blocksFollowTheSequentialRule();
    void blockEdgeValues();
    void onlyCompleteBlocksAreEmitted();
    void chunkLayoutsReadAlike_data();
    void chunkLayoutsReadAlike();
    void refusedFiles_data();
    void refusedFiles();
    void truncatedDataStopsAtTheEndOfTheFile();
    void receiverMayChangeTheBlock();
    void fileShrinkingDuringTheReadEndsIt();
    void filesFromRealTools_data();
    void filesFromRealTools();
    void refusesWhatRealToolsWriteIn24Bits();

private:
    QString write(const QString &name, const QByteArray &bytes);
    QTemporaryDir m_dir;
};

void TestWaveFile::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

QString TestWaveFile::write(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestWaveFile::blocksFollowTheSequentialRule_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("blocks");
    QTest::addColumn<int>("pattern");
    // 1, 2, 4 and 8 channels take the vector path, 3 and 6 the general one; 40 stereo blocks span
    // several read buffers.
    const int channelCounts[] = {1, 2, 3, 4, 6, 8};
    for (int channels : channelCounts)
        for (int pattern = 0; pattern < 6; ++pattern)
            QTest::addRow("%d ch, pattern %d", channels, pattern) << channels << 3 << pattern;
    QTest::newRow("stereo, 40 blocks") << 2 << 40 << 4;
}

void TestWaveFile::blocksFollowTheSequentialRule()
{
    QFETCH(int, channels);
    QFETCH(int, blocks);
    QFETCH(int, pattern);
    for (quint32 seed = 1; seed <= 4; ++seed) {
        const QVector<qint16> samples = makeSamples(blocks * Frames + 100, channels, pattern, seed * 7919);
        const QString path = write("rule.wav", riff({{"fmt ", pcmFmt(quint16(channels))}, {"data", pcm(samples)}}));
        const ReadResult r = readAll(path);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.blocks.size(), blocks);
        QCOMPARE(r.blocks, expectedBlocks(samples, channels));
    }
}

void TestWaveFile::blockEdgeValues()
{
    // Channel 0 constant at 100, channel 1 rising over the whole block.
    QVector<qint16> samples;
    for (int f = 0; f < Frames; ++f)
        samples << 100 << qint16(f * 3 - 2000);
    const ReadResult r = readAll(write("edges.wav", riff({{"fmt ", pcmFmt(2)}, {"data", pcm(samples)}})));
    QVERIFY(r.ok);
    QCOMPARE(r.blocks.size(), 1);
    // The first sample becomes the maximum, never the minimum.
    const QVector<qreal> expected{100, 100, (Frames - 1) * 3 - 2000, 2147483647.0};
    QCOMPARE(r.blocks.first(), expected);
}

void TestWaveFile::onlyCompleteBlocksAreEmitted()
{
    for (int frames : {0, 1, Frames - 1, Frames, Frames + 1, 3 * Frames + Frames - 1}) {
        const QVector<qint16> samples = makeSamples(frames, 2, 0, quint32(frames));
        const ReadResult r = readAll(write("count.wav", riff({{"fmt ", pcmFmt(2)}, {"data", pcm(samples)}})));
        QVERIFY(r.ok);
        QCOMPARE(r.header.dataSize, quint32(frames * 4));
        QCOMPARE(r.blocks.size(), frames / Frames);
        for (const QVector<qreal> &block : r.blocks)
            QCOMPARE(block.size(), 4);
    }
    const ReadResult mono = readAll(write("mono.wav", riff({{"fmt ", pcmFmt(1)}, {"data", pcm(makeSamples(Frames, 1, 3, 5))}})));
    QCOMPARE(mono.blocks.size(), 1);
    QCOMPARE(mono.blocks.first().size(), 2);
}

void TestWaveFile::chunkLayoutsReadAlike_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<quint16>("blockAlign");
    const QVector<qint16> samples = makeSamples(2 * Frames + 7, 2, 3, 11);
    const Chunk data{"data", pcm(samples)};
    const Chunk fmt{"fmt ", pcmFmt(2)};
    const Chunk list{"LIST", QByteArray("INFOISFT\x0e\0\0\0Lavf59.27.100\0", 26)};
    QTest::newRow("canonical") << riff({fmt, data}) << quint16(4);
    QTest::newRow("26-byte LIST as ffmpeg writes") << riff({fmt, list, data}) << quint16(4);
    QTest::newRow("odd-sized chunk and its pad byte") << riff({fmt, {"junk", "abc"}, data}) << quint16(4);
    QTest::newRow("several chunks, one before fmt")
        << riff({{"JUNK", QByteArray(28, 'j')}, fmt, {"fact", le32(quint32(samples.size() / 2))}, list, {"abcd", "12345"}, data})
        << quint16(4);
    QTest::newRow("18-byte fmt") << riff({{"fmt ", pcmFmt(2) + le16(0)}, data}) << quint16(4);
    QTest::newRow("extensible fmt") << riff({{"fmt ", extensibleFmt(2, 1)}, data}) << quint16(4);
    QTest::newRow("chunk after data") << riff({fmt, data, list}) << quint16(4);
}

void TestWaveFile::chunkLayoutsReadAlike()
{
    QFETCH(QByteArray, file);
    QFETCH(quint16, blockAlign);
    const QVector<qint16> samples = makeSamples(2 * Frames + 7, 2, 3, 11);
    const ReadResult r = readAll(write("layout.wav", file));
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(r.header.channelCount, quint16(2));
    QCOMPARE(r.header.blockAlign, blockAlign);
    QCOMPARE(r.header.bitsPerSample, quint16(16));
    QCOMPARE(r.header.sampleRate, 48000u);
    QCOMPARE(r.header.dataSize, quint32(samples.size() * 2));
    QCOMPARE(r.blocks, expectedBlocks(samples, 2));
}

void TestWaveFile::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    const Chunk data{"data", pcm(makeSamples(2 * Frames, 2, 0, 3))};
    const QByteArray good = riff({{"fmt ", pcmFmt(2)}, data});
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("shorter than the RIFF header") << good.left(11);
    QTest::newRow("ends in the fmt chunk") << good.left(30);
    QTest::newRow("ends before data") << good.left(36);
    QTest::newRow("not RIFF") << QByteArray("RIFX") + good.mid(4);
    QTest::newRow("not WAVE") << good.left(8) + "AVI " + good.mid(12);
    QTest::newRow("no fmt") << riff({{"LIST", QByteArray(26, 'x')}, data});
    QTest::newRow("no data") << riff({{"fmt ", pcmFmt(2)}, {"LIST", QByteArray(26, 'x')}});
    QTest::newRow("data before fmt") << riff({data, {"fmt ", pcmFmt(2)}});
    QTest::newRow("fmt shorter than 16") << riff({{"fmt ", pcmFmt(2).left(14)}, data});
    QTest::newRow("block align 0") << riff({{"fmt ", fmtBody(1, 2, 16, 0)}, data});
    QTest::newRow("block align not 2 per channel") << riff({{"fmt ", fmtBody(1, 2, 16, 6)}, data});
    QTest::newRow("no channels") << riff({{"fmt ", fmtBody(1, 0, 16, 0)}, data});
    QTest::newRow("24-bit") << riff({{"fmt ", fmtBody(1, 2, 24, 6)}, data});
    QTest::newRow("8-bit") << riff({{"fmt ", fmtBody(1, 2, 8, 2)}, data});
    QTest::newRow("float") << riff({{"fmt ", fmtBody(3, 2, 32, 8)}, data});
    QTest::newRow("a-law") << riff({{"fmt ", fmtBody(6, 2, 16, 4)}, data});
    QTest::newRow("extensible float") << riff({{"fmt ", extensibleFmt(2, 3, 32)}, data});
    QTest::newRow("extensible 24-bit PCM") << riff({{"fmt ", extensibleFmt(2, 1, 24)}, data});
    QTest::newRow("extensible fmt of 18 bytes") << riff({{"fmt ", fmtBody(0xFFFE, 2, 16, 4) + le16(0)}, data});
}

void TestWaveFile::refusedFiles()
{
    QFETCH(QByteArray, file);
    const ReadResult r = readAll(write("refused.wav", file));
    QVERIFY(!r.ok);
    QVERIFY(r.blocks.isEmpty());
    QVERIFY(!r.error.isEmpty());

    const ReadResult missing = readAll(m_dir.filePath("does-not-exist.wav"));
    QVERIFY(!missing.ok);
    QVERIFY(missing.blocks.isEmpty());
}

void TestWaveFile::truncatedDataStopsAtTheEndOfTheFile()
{
    const QVector<qint16> samples = makeSamples(5 * Frames + 700, 2, 4, 21);
    const QByteArray header = riff({{"fmt ", pcmFmt(2)}, {"data", QByteArray()}});
    // Declared sizes: ten blocks; the streaming writer's "unknown"; the real size plus a stray byte.
    for (quint32 declared : {quint32(10 * Frames * 4), 0xFFFFFFFFu}) {
        QByteArray file = header;
        qToLittleEndian(declared, file.data() + file.size() - 4);
        const ReadResult r = readAll(write("truncated.wav", file + pcm(samples) + "x"));
        QVERIFY(r.ok);
        QCOMPARE(r.header.dataSize, declared);
        QCOMPARE(r.blocks, expectedBlocks(samples, 2));
    }
    // The data size, not the end of the file, ends the samples when the file is longer.
    QByteArray file = header;
    qToLittleEndian(quint32(2 * Frames * 4), file.data() + file.size() - 4);
    const ReadResult shorter = readAll(write("longer.wav", file + pcm(samples)));
    QCOMPARE(shorter.blocks, expectedBlocks(samples.mid(0, 2 * Frames * 2), 2));
}

void TestWaveFile::receiverMayChangeTheBlock()
{
    const QVector<qint16> samples = makeSamples(4 * Frames, 2, 3, 8);
    const QString path = write("reuse.wav", riff({{"fmt ", pcmFmt(2)}, {"data", pcm(samples)}}));
    WaveFile reader;
    Blocks seen;
    int calls = 0;
    QObject::connect(&reader, &WaveFile::s_waveformData, [&](QVector<qreal> &data) {
        seen << data;
        for (qreal &v : data)
            v /= 32767;  // what the recorder does to each block
        if (++calls % 2 == 0)
            data.clear();
    });
    QVERIFY(reader.readWaveFile(path));
    QCOMPARE(seen, expectedBlocks(samples, 2));
    // Reading again refreshes the header and the blocks.
    seen.clear();
    QVERIFY(reader.readWaveFile(path));
    QCOMPARE(seen, expectedBlocks(samples, 2));
}

void TestWaveFile::fileShrinkingDuringTheReadEndsIt()
{
    const QVector<qint16> samples = makeSamples(60 * Frames, 2, 3, 9);
    const QString path = write("shrinking.wav", riff({{"fmt ", pcmFmt(2)}, {"data", pcm(samples)}}));
    WaveFile reader;
    Blocks seen;
    QObject::connect(&reader, &WaveFile::s_waveformData, [&](QVector<qreal> &data) {
        if (seen.isEmpty())
            QFile::resize(path, 44 + Frames * 4);
        seen << data;
    });
    QVERIFY(reader.readWaveFile(path));
    QVERIFY(!seen.isEmpty());
    QVERIFY(seen.size() < 60);
    QCOMPARE(seen, expectedBlocks(samples, 2).mid(0, seen.size()));
}

void TestWaveFile::filesFromRealTools_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("channels");
    const QString sine = QStringLiteral("sine=frequency=440:sample_rate=48000:duration=2");
    QTest::newRow("sox stereo") << "sox" << QStringList{"-n", "-r", "48000", "-c", "2", "-b", "16", "%1", "synth", "2", "sine", "440", "sine", "1000", "vol", "0.7"} << 2;
    QTest::newRow("sox mono") << "sox" << QStringList{"-n", "-r", "44100", "-c", "1", "-b", "16", "%1", "synth", "1.5", "sine", "300"} << 1;
    QTest::newRow("sox 4 channels, extensible with fact") << "sox" << QStringList{"-n", "-r", "48000", "-c", "4", "-b", "16", "%1", "synth", "1", "sine", "440", "vol", "0.9"} << 4;
    QTest::newRow("ffmpeg stereo with LIST") << "ffmpeg" << QStringList{"-nostdin", "-loglevel", "error", "-y", "-f", "lavfi", "-i", sine, "-ac", "2", "%1"} << 2;
    QTest::newRow("ffmpeg 3 channels, extensible with LIST") << "ffmpeg" << QStringList{"-nostdin", "-loglevel", "error", "-y", "-f", "lavfi", "-i", sine, "-ac", "3", "%1"} << 3;
}

void TestWaveFile::filesFromRealTools()
{
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    QFETCH(int, channels);
    QVERIFY2(!QStandardPaths::findExecutable(program).isEmpty(), qPrintable(program + " is not installed"));
    const QString path = m_dir.filePath(QStringLiteral("tool-%1.wav").arg(QTest::currentDataTag()).replace(' ', '_'));
    args.replaceInStrings(QStringLiteral("%1"), path);
    QVERIFY(runTool(program, args));
    const QVector<qint16> samples = decodeWithSox(path);
    QVERIFY(samples.size() > 2 * Frames * channels);
    const ReadResult r = readAll(path);
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(int(r.header.channelCount), channels);
    QCOMPARE(r.blocks, expectedBlocks(samples, channels));
}

void TestWaveFile::refusesWhatRealToolsWriteIn24Bits()
{
    const QString path = m_dir.filePath(QStringLiteral("deep.wav"));
    QVERIFY(runTool("sox", {"-n", "-r", "48000", "-c", "2", "-b", "24", path, "synth", "1", "sine", "440", "vol", "0.5"}));
    const ReadResult r = readAll(path);
    QVERIFY(!r.ok);
    QVERIFY(r.blocks.isEmpty());
    QCOMPARE(r.header.bitsPerSample, quint16(24));
}

QTEST_GUILESS_MAIN(TestWaveFile)
#include "tst_wavefile.moc"
