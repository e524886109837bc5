// Cutting and exporting run through the program's own job code on a long take (3 hours of stereo
// 44.1 kHz by default; VELORA_BENCH_TAKE_SECONDS sets another length), while a 10 ms timer ticks in
// the GUI thread: the job's wall time against the same command run bare in the same run, and the
// longest time the event loop went without serving the timer.

#include "recorder/ffmpegarguments.h"
#include "recorder/ffmpegjob.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

struct JobTiming
{
    bool succeeded = false;
    double seconds = 0;
    qint64 longestGapMs = 0;
};

double runBare(const QStringList &arguments)
{
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(FfmpegJob::programPath(), QStringList{"-nostdin", "-y"} + arguments);
    process.waitForFinished(-1);
    return process.exitCode() == 0 ? clock.elapsed() / 1000.0 : -1;
}

JobTiming runJob(const QStringList &arguments, qint64 expectedMs)
{
    JobTiming timing;
    FfmpegJob job;
    QEventLoop loop;
    QElapsedTimer sinceTick;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { timing.longestGapMs = qMax(timing.longestGapMs, sinceTick.restart()); });
    QObject::connect(&job, &FfmpegJob::finished, [&](bool succeeded) {
        timing.succeeded = succeeded;
        loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    if (!job.start(arguments, expectedMs, FfmpegJob::Existing::Replace))
        return timing;
    sinceTick.start();
    ticker.start(10);
    loop.exec();
    timing.seconds = clock.elapsed() / 1000.0;
    return timing;
}

void report(const char *name, double bare, const JobTiming &job)
{
    if (bare < 0 || !job.succeeded) {
        std::printf("%s: failed\n", name);
        return;
    }
    std::printf("%s.bare: %.2f s\n%s.job: %.2f s\n%s.ratio: %.3f\n%s.longest_gap: %lld ms\n", name, bare, name,
                job.seconds, name, job.seconds / bare, name, static_cast<long long>(job.longestGapMs));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int seconds = qEnvironmentVariableIsSet("VELORA_BENCH_TAKE_SECONDS")
        ? qEnvironmentVariableIntValue("VELORA_BENCH_TAKE_SECONDS") : 3 * 3600;
    QTemporaryDir dir;
    const QString take = dir.filePath("take.wav");
    if (QProcess::execute(FfmpegJob::programPath(),
                          {"-nostdin", "-loglevel", "error", "-f", "lavfi", "-i",
                           QStringLiteral("sine=frequency=440:sample_rate=44100:duration=%1").arg(seconds), "-ac", "2", take})
        != 0) {
        std::printf("bench_ffmpegjob: the take could not be made\n");
        return 1;
    }
    std::printf("take: %d s\n", seconds);
    const qint64 takeMs = qint64(seconds) * 1000;

    const QStringList exportBare = FfmpegArguments::exportTo(take, dir.filePath("bare.mp3"));
    const double exportSeconds = runBare(exportBare.mid(1));  // without the "-y" it carries
    report("export_mp3", exportSeconds, runJob(FfmpegArguments::exportTo(take, dir.filePath("job.mp3")), takeMs));

    const double from = seconds / 3.0;
    const double to = from + 60;
    const double cutSeconds = runBare(FfmpegArguments::cut(take, from, to, dir.filePath("bare_1.wav")));
    report("cut", cutSeconds, runJob(FfmpegArguments::cut(take, from, to, dir.filePath("job_1.wav")), takeMs - 60000));
    return 0;
}
