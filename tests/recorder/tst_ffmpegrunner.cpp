#include "audiofiles.h"
#include "recorder/ffmpegarguments.h"
#include "recorder/ffmpegrunner.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace audiofiles;

class TestFfmpegRunner : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cutRemovesExactlyTheSpan();
    void cutFilterWritesTwoDecimals();
    void exportWritesTheCodecTheSuffixAsks_data();
    void exportWritesTheCodecTheSuffixAsks();
    void exportReplacesAnExistingFile();
    void failedRunKeepsTheToolsLastErrorLine();
    void cutNeverOverwritesAnExistingVersion();
    void missingToolIsReportedAndRunsNothing();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QString m_take;
};

void TestFfmpegRunner::init()
{
    QVERIFY(m_dir.isValid());
    m_take = path("take.wav");
    QFile::remove(m_take);
    QVERIFY(makeTake(m_take, 5.0));
}

void TestFfmpegRunner::cutRemovesExactlyTheSpan()
{
    FfmpegRunner runner;
    const QString cut = path("take_1.wav");
    QVERIFY2(runner.run(FfmpegArguments::cut(m_take, 1.5, 3.25, cut)), qPrintable(runner.errorString()));

    const QVector<qint16> before = samples(m_take);
    const QVector<qint16> after = samples(cut);
    const int head = int(1.5 * Rate) * Channels;
    const int tailStart = int(3.25 * Rate) * Channels;
    QCOMPARE(before.size(), 5 * Rate * Channels);
    QCOMPARE(after.size(), head + before.size() - tailStart);
    QCOMPARE(after.mid(0, head), before.mid(0, head));
    QCOMPARE(after.mid(head), before.mid(tailStart));
    QCOMPARE(codecOf(cut), QString("pcm_s16le"));
    QVERIFY(qAbs(durationOf(cut) - 3.25) < 0.001);
}

void TestFfmpegRunner::cutFilterWritesTwoDecimals()
{
    QCOMPARE(FfmpegArguments::cutFilter(1.5, 3.25),
             QString("[0]atrim=duration=1.50[a];[0]atrim=start=3.25[b];[a][b]concat=n=2:v=0:a=1"));
    QCOMPARE(FfmpegArguments::cut("in.wav", 0.004, 12.0, "out.wav"),
             QStringList({"-i", "in.wav", "-filter_complex",
                          "[0]atrim=duration=0.00[a];[0]atrim=start=12.00[b];[a][b]concat=n=2:v=0:a=1", "out.wav"}));
}

void TestFfmpegRunner::exportWritesTheCodecTheSuffixAsks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<QStringList>("codecArguments");
    QTest::newRow("mp3") << "out.mp3" << "mp3" << QStringList({"-acodec", "libmp3lame"});
    QTest::newRow("aac") << "out.aac" << "aac" << QStringList({"-acodec", "aac"});
    QTest::newRow("wma") << "out.wma" << "wmav2" << QStringList({"-acodec", "wmav2"});
    QTest::newRow("flac") << "out.flac" << "flac" << QStringList({"-acodec", "flac"});
    QTest::newRow("ac3") << "out.ac3" << "ac3" << QStringList({"-acodec", "ac3"});
    QTest::newRow("wav") << "out.wav" << "pcm_s16le" << QStringList();
    QTest::newRow("upper-case MP3") << "take.MP3" << "mp3" << QStringList({"-acodec", "libmp3lame"});
    QTest::newRow("mixed-case Flac") << "take.Flac" << "flac" << QStringList({"-acodec", "flac"});
    QTest::newRow("outside the table") << "out.ogg" << "vorbis" << QStringList();
}

void TestFfmpegRunner::exportWritesTheCodecTheSuffixAsks()
{
    QFETCH(QString, name);
    QFETCH(QString, codec);
    QFETCH(QStringList, codecArguments);
    const QString output = path(name);
    const QStringList arguments = FfmpegArguments::exportTo(m_take, output);
    QCOMPARE(arguments, QStringList({"-y", "-i", m_take}) + codecArguments + QStringList(output));

    FfmpegRunner runner;
    QVERIFY2(runner.run(arguments), qPrintable(runner.errorString()));
    QCOMPARE(codecOf(output), codec);
    QVERIFY2(qAbs(durationOf(output) - 5.0) < 0.1, qPrintable(QString::number(durationOf(output))));
}

void TestFfmpegRunner::exportReplacesAnExistingFile()
{
    const QString output = path("chosen.wav");
    QVERIFY(makeTake(output, 1.0));
    FfmpegRunner runner;
    QVERIFY2(runner.run(FfmpegArguments::exportTo(m_take, output)), qPrintable(runner.errorString()));
    QCOMPARE(samples(output), samples(m_take));
}

void TestFfmpegRunner::failedRunKeepsTheToolsLastErrorLine()
{
    QFile garbage(path("garbage.wav"));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a sound file at all");
    garbage.close();

    FfmpegRunner runner;
    QVERIFY(!runner.run(FfmpegArguments::cut(garbage.fileName(), 1.0, 2.0, path("garbage_1.wav"))));
    QVERIFY(!runner.toolMissing());
    QVERIFY2(runner.errorString().contains("Invalid data found when processing input"),
             qPrintable(runner.errorString()));
    QVERIFY(!runner.errorString().contains('\n'));
    QVERIFY(!QFile::exists(path("garbage_1.wav")));

    QVERIFY(!runner.run(FfmpegArguments::cut(path("gone.wav"), 1.0, 2.0, path("gone_1.wav"))));
    QVERIFY2(runner.errorString().contains("No such file or directory"), qPrintable(runner.errorString()));
}

void TestFfmpegRunner::cutNeverOverwritesAnExistingVersion()
{
    const QString existing = path("take_1.wav");
    QVERIFY(makeTake(existing, 1.0));
    const QVector<qint16> kept = samples(existing);

    FfmpegRunner runner;
    QVERIFY(!runner.run(FfmpegArguments::cut(m_take, 1.0, 2.0, existing)));
    QVERIFY(!runner.errorString().isEmpty());
    QCOMPARE(samples(existing), kept);
}

void TestFfmpegRunner::missingToolIsReportedAndRunsNothing()
{
    QTemporaryDir emptyPath;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", emptyPath.path().toLocal8Bit());
    FfmpegRunner runner;
    const bool ran = runner.run(FfmpegArguments::exportTo(m_take, this->path("while-missing.mp3")));
    qputenv("PATH", path);

    QVERIFY(!ran);
    QVERIFY(runner.toolMissing());
    QCOMPARE(runner.errorString(), QString("未找到 ffmpeg，无法剪切或导出录音。请安装 ffmpeg 后再试。"));
    QVERIFY(!QFile::exists(this->path("while-missing.mp3")));

    QVERIFY2(runner.run(FfmpegArguments::exportTo(m_take, this->path("while-missing.mp3"))), qPrintable(runner.errorString()));
    QVERIFY(!runner.toolMissing());
    QVERIFY(runner.errorString().isEmpty());
}

QTEST_GUILESS_MAIN(TestFfmpegRunner)
#include "tst_ffmpegrunner.moc"
