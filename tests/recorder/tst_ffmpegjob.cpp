#include "audiofiles.h"
#include "recorder/ffmpegarguments.h"
#include "recorder/exportformats.h"
#include "recorder/ffmpegencoders.h"
#include "recorder/ffmpegjob.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace audiofiles;

namespace {

// One run of a job, followed as the window would follow it: progress as it comes, and how long the
// event loop went without serving a 10 ms timer.
struct Run
{
    bool started = false;
    bool succeeded = false;
    QVector<double> progress;
    qint64 longestGapMs = 0;
};

Run runJob(FfmpegJob &job, const QStringList &arguments, qint64 expectedMs,
           FfmpegJob::Existing existing = FfmpegJob::Existing::Replace, int cancelAtPercent = -1)
{
    Run run;
    QEventLoop loop;
    QObject::connect(&job, &FfmpegJob::progressed, &loop, [&](double fraction, qint64) {
        run.progress << fraction;
        if (cancelAtPercent >= 0 && fraction * 100 >= cancelAtPercent)
            job.cancel();
    });
    QObject::connect(&job, &FfmpegJob::finished, &loop, [&](bool succeeded) {
        run.succeeded = succeeded;
        loop.quit();
    });
    QElapsedTimer sinceTick;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, &loop, [&] {
        run.longestGapMs = qMax(run.longestGapMs, sinceTick.restart());
    });
    run.started = job.start(arguments, expectedMs, existing);
    if (!run.started)
        return run;
    sinceTick.start();
    ticker.start(10);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    loop.exec();
    return run;
}

QByteArray checksum(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256) : QByteArray();
}

// What a folder holds, hidden files too: a job's temporary file must never stay behind.
QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class TestFfmpegJob : public QObject
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
    void cancelledExportLeavesTheTargetAsItWas();
    void fullDiskLeavesTheTargetAsItWas();
    void theToolsEncodersDecideTheFormatsOffered();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_take;
};

void TestFfmpegJob::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_take = path("take.wav");
    QFile::remove(m_take);
    QVERIFY(makeTake(m_take, 5.0));
}

// The cut runs without holding up the event loop, reports its progress rising to the end, and
// keeps the audio either side of the span, sample for sample.
void TestFfmpegJob::cutRemovesExactlyTheSpan()
{
    FfmpegJob job;
    const QString cut = path("take_1.wav");
    const Run run = runJob(job, FfmpegArguments::cut(m_take, 1.5, 3.25, cut), 3250, FfmpegJob::Existing::Keep);
    QVERIFY2(run.started && run.succeeded, qPrintable(job.errorString()));
    QVERIFY(!run.progress.isEmpty());
    QVERIFY(std::is_sorted(run.progress.begin(), run.progress.end()));
    QCOMPARE(run.progress.last(), 1.0);
    QVERIFY2(run.longestGapMs < 50, qPrintable(QString::number(run.longestGapMs)));

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
    QCOMPARE(entries(m_dir->path()), QStringList({"take.wav", "take_1.wav"}));
    // A new file is readable by others, as documents are, though it began as a private temporary one.
    QCOMPARE(QFile::permissions(cut) & QFileDevice::ReadOther, QFileDevice::ReadOther);
}

void TestFfmpegJob::cutFilterWritesTwoDecimals()
{
    QCOMPARE(FfmpegArguments::cutFilter(1.5, 3.25),
             QString("[0]atrim=duration=1.50[a];[0]atrim=start=3.25[b];[a][b]concat=n=2:v=0:a=1"));
    // The filter reads a duration of 0 as no limit: a span from the start (0 at two decimals) keeps
    // only what follows it, and a span to the end only what comes before it.
    QCOMPARE(FfmpegArguments::cut("in.wav", 0.004, 12.0, "out.wav"),
             QStringList({"-i", "in.wav", "-filter_complex", "[0]atrim=start=12.00", "out.wav"}));
    QCOMPARE(FfmpegArguments::cutFilter(1.5, FfmpegArguments::ToTheEnd), QString("[0]atrim=duration=1.50"));
}

void TestFfmpegJob::exportWritesTheCodecTheSuffixAsks_data()
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

void TestFfmpegJob::exportWritesTheCodecTheSuffixAsks()
{
    QFETCH(QString, name);
    QFETCH(QString, codec);
    QFETCH(QStringList, codecArguments);
    const QString output = path(name);
    const QStringList arguments = FfmpegArguments::exportTo(m_take, output);
    QCOMPARE(arguments, QStringList({"-y", "-i", m_take}) + codecArguments + QStringList(output));

    FfmpegJob job;
    QVERIFY2(runJob(job, arguments, 5000).succeeded, qPrintable(job.errorString()));
    QCOMPARE(codecOf(output), codec);
    QVERIFY2(qAbs(durationOf(output) - 5.0) < 0.1, qPrintable(QString::number(durationOf(output))));
}

void TestFfmpegJob::exportReplacesAnExistingFile()
{
    const QString output = path("chosen.wav");
    QVERIFY(makeTake(output, 1.0));
    FfmpegJob job;
    QVERIFY2(runJob(job, FfmpegArguments::exportTo(m_take, output), 5000).succeeded, qPrintable(job.errorString()));
    QCOMPARE(samples(output), samples(m_take));
    // The file replaced keeps its permissions.
    QCOMPARE(QFile::permissions(output) & QFileDevice::ReadOther, QFileDevice::ReadOther);
    QVERIFY(QFile::setPermissions(output, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(runJob(job, FfmpegArguments::exportTo(m_take, output), 5000).succeeded);
    QCOMPARE(QFile::permissions(output) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
             QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void TestFfmpegJob::failedRunKeepsTheToolsLastErrorLine()
{
    QFile garbage(path("garbage.wav"));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a sound file at all");
    garbage.close();

    FfmpegJob job;
    QVERIFY(!runJob(job, FfmpegArguments::cut(garbage.fileName(), 1.0, 2.0, path("garbage_1.wav")), 0).succeeded);
    QVERIFY(!job.toolMissing());
    QVERIFY2(job.errorString().contains("Invalid data found when processing input"), qPrintable(job.errorString()));
    QVERIFY(!job.errorString().contains('\n'));
    QVERIFY(!QFile::exists(path("garbage_1.wav")));

    QVERIFY(!runJob(job, FfmpegArguments::cut(path("gone.wav"), 1.0, 2.0, path("gone_1.wav")), 0).succeeded);
    QVERIFY2(job.errorString().contains("No such file or directory"), qPrintable(job.errorString()));
    QCOMPARE(entries(m_dir->path()), QStringList({"garbage.wav", "take.wav"}));
}

void TestFfmpegJob::cutNeverOverwritesAnExistingVersion()
{
    const QString existing = path("take_1.wav");
    QVERIFY(makeTake(existing, 1.0));
    const QVector<qint16> kept = samples(existing);

    FfmpegJob job;
    QVERIFY(!runJob(job, FfmpegArguments::cut(m_take, 1.0, 2.0, existing), 4000, FfmpegJob::Existing::Keep).succeeded);
    QVERIFY(!job.errorString().isEmpty());
    QCOMPARE(samples(existing), kept);
}

void TestFfmpegJob::missingToolIsReportedAndRunsNothing()
{
    QTemporaryDir emptyPath;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", emptyPath.path().toLocal8Bit());
    FfmpegJob job;
    const bool ran = runJob(job, FfmpegArguments::exportTo(m_take, this->path("while-missing.mp3")), 5000).started;
    qputenv("PATH", path);

    QVERIFY(!ran);
    QVERIFY(job.toolMissing());
    QCOMPARE(job.errorString(), QString("未找到 ffmpeg，无法剪切或导出录音。请安装 ffmpeg 后再试。"));
    QCOMPARE(entries(m_dir->path()), QStringList({"take.wav"}));

    QVERIFY2(runJob(job, FfmpegArguments::exportTo(m_take, this->path("while-missing.mp3")), 5000).succeeded,
             qPrintable(job.errorString()));
    QVERIFY(!job.toolMissing());
    QVERIFY(job.errorString().isEmpty());
}

// Cancelled half-way through replacing an existing file: the file is as it was, byte for byte, and
// nothing of the job stays behind.
void TestFfmpegJob::cancelledExportLeavesTheTargetAsItWas()
{
    const QString longTake = path("long.wav");
    QVERIFY(makeTake(longTake, 600.0));
    const QString target = path("chosen.aac");
    QVERIFY(makeTake(path("chosen.wav"), 1.0));
    QVERIFY(QFile::rename(path("chosen.wav"), target));
    const QByteArray before = checksum(target);

    FfmpegJob job;
    const Run run = runJob(job, FfmpegArguments::exportTo(longTake, target), 600000, FfmpegJob::Existing::Replace, 20);
    QVERIFY(run.started);
    QVERIFY(!run.succeeded);
    QVERIFY(job.wasCancelled());
    QVERIFY(run.progress.last() < 0.9);
    QCOMPARE(checksum(target), before);
    QCOMPARE(entries(m_dir->path()), QStringList({"chosen.aac", "long.wav", "take.wav"}));
}

// A disk that fills up during the export: the existing target survives and the tool's reason is given.
void TestFfmpegJob::fullDiskLeavesTheTargetAsItWas()
{
    QTemporaryDir small;
    QProcess mount;
    mount.start("mount", {"-t", "tmpfs", "-o", "size=2m", "tmpfs", small.path()});
    if (!mount.waitForFinished(10000) || mount.exitCode() != 0)
        QSKIP("no small file system could be mounted here (mounting needs root)");
    const QString target = small.filePath("chosen.wav");
    QVERIFY(makeTake(target, 1.0));
    const QByteArray before = checksum(target);
    const QString longTake = path("long.wav");
    QVERIFY(makeTake(longTake, 30.0));  // 5 MB, more than the disk has

    FfmpegJob job;
    const Run run = runJob(job, FfmpegArguments::exportTo(longTake, target), 30000);
    const QStringList left = entries(small.path());
    const QByteArray after = checksum(target);
    QProcess::execute("umount", {small.path()});
    QVERIFY(run.started);
    QVERIFY(!run.succeeded);
    QVERIFY2(job.errorString().contains("No space left on device"), qPrintable(job.errorString()));
    QCOMPARE(left, QStringList("chosen.wav"));
    QCOMPARE(after, before);
}

// The dialog offers the formats whose encoder the installed tool lists, and a name without a suffix
// gets the chosen format's.
void TestFfmpegJob::theToolsEncodersDecideTheFormatsOffered()
{
    StandInTool tool("cat <<'END'\nEncoders:\n A..... = Audio\n ------\n"
                     " V....D libx264              H.264\n A....D flac                 FLAC\n"
                     " A....D libmp3lame           MP3 (codec mp3)\nEND\n");
    QVERIFY(tool.isValid());
    FfmpegEncoders encoders;
    QSignalSpy ready(&encoders, &FfmpegEncoders::ready);
    encoders.query();
    const bool answered = ready.wait(10000);
    tool.restore();
    QVERIFY(answered);
    QCOMPARE(encoders.names(), QSet<QString>({"flac", "libmp3lame"}));

    const QStringList filters = ExportFormats::filters(encoders.names());
    QCOMPARE(filters, QStringList({"MP3 音频 (*.mp3)", "FLAC 音频 (*.flac)"}));
    QCOMPARE(ExportFormats::filterFor(filters, "FLAC"), filters[1]);
    QCOMPARE(ExportFormats::filterFor(filters, "wma"), filters[0]);
    QCOMPARE(ExportFormats::withSuffix("/m/song", filters[1]), QString("/m/song.flac"));
    QCOMPARE(ExportFormats::withSuffix("/m/song.mp3", filters[1]), QString("/m/song.mp3"));
    QCOMPARE(ExportFormats::filters({}).size(), 6);
}

QTEST_GUILESS_MAIN(TestFfmpegJob)
#include "tst_ffmpegjob.moc"
