// Cutting and exporting run through the program's own job code on a long take (3 hours of stereo
// 44.1 kHz by default; VELORA_BENCH_TAKE_SECONDS sets another length), while a 10 ms timer ticks in
// the GUI thread: the job's wall time against the same command run bare in the same run, and the
// longest time the event loop went without serving the timer. Then the same cut made in the recorder
// panel, from the chart's request until the chart shows the new version: the longest gap the user
// sees, against the gap of the bare job. VELORA_BENCH_CUT_ONLY leaves the export out.

#include "recorder/ffmpegarguments.h"
#include "recorder/ffmpegjob.h"
#include "recorder/recordwidget.h"
#include "recorder/recoverybar.h"
#include "recorder/waveformframe.h"
#include "recorder/waveformwidget.h"

#include <QApplication>
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

// The panel opens the take as a recovered one, then cuts it as the chart asks; done once the chart
// shows the new version, and a little later, so that the paints after it are counted too.
JobTiming runPanelCut(const QString &take, double from, double to)
{
    JobTiming timing;
    RecordWidget panel;
    panel.resize(800, 300);
    panel.show();
    // What the panel does once the event loop first runs, tidying leftovers of interrupted jobs
    // among it, comes first, as it does in the program.
    QCoreApplication::processEvents();
    emit panel.findChild<RecoveryBar *>()->openRequested(take);
    WaveformFrame *frame = panel.findChild<WaveformFrame *>();
    const auto shown = [&](const QString &path, int columns) {
        return panel.playPath() == path && frame->waveformWidget()->columnCount() != columns;
    };
    QElapsedTimer clock;
    clock.start();
    while (!shown(take, 0) && clock.elapsed() < 600000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const int takeColumns = frame->waveformWidget()->columnCount();
    QEventLoop loop;
    QElapsedTimer sinceTick;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        timing.longestGapMs = qMax(timing.longestGapMs, sinceTick.restart());
        if (!timing.succeeded && panel.playPath() != take && shown(panel.playPath(), takeColumns)) {
            timing.succeeded = true;
            timing.seconds = clock.elapsed() / 1000.0;
            QTimer::singleShot(500, &loop, &QEventLoop::quit);
        }
    });
    QTimer::singleShot(600000, &loop, &QEventLoop::quit);
    clock.restart();
    sinceTick.start();
    ticker.start(10);
    emit frame->s_cutAudio(from, to);
    loop.exec();
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
    QApplication app(argc, argv);
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

    if (!qEnvironmentVariableIsSet("VELORA_BENCH_CUT_ONLY")) {
        const QStringList exportBare = FfmpegArguments::exportTo(take, dir.filePath("bare.mp3"));
        const double exportSeconds = runBare(exportBare.mid(1));  // without the "-y" it carries
        report("export_mp3", exportSeconds, runJob(FfmpegArguments::exportTo(take, dir.filePath("job.mp3")), takeMs));
    }

    const double from = seconds / 3.0;
    const double to = from + 60;
    const double cutSeconds = runBare(FfmpegArguments::cut(take, from, to, dir.filePath("bare_1.wav")));
    const JobTiming cutJob = runJob(FfmpegArguments::cut(take, from, to, dir.filePath("job_1.wav")), takeMs - 60000);
    report("cut", cutSeconds, cutJob);

    const JobTiming panelCut = runPanelCut(take, from, to);
    report("panel_cut", cutSeconds, panelCut);
    if (panelCut.succeeded && cutJob.succeeded)
        std::printf("panel_cut.gap_ratio: %.3f\n", double(panelCut.longestGapMs) / qMax<qint64>(1, cutJob.longestGapMs));
    return 0;
}
