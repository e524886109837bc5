// Commands timed from process start to exit over 20 runs, each against a baseline timed in alternation
// with it, so that a busy moment of the machine falls on both alike: `velora --version` against the
// start and end of a bare QCoreApplication program; `velora --mic-mute toggle` with no window running
// against a bare program that makes the same card library calls; the toggle carried out by a running
// window against the bare start. Prints the medians and their ratios.

#include "virtualcardprocess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const int runs = 20;
const QString velora = QStringLiteral(VELORA_BINARY_DIR "/velora");
const QString bareStart = QStringLiteral(VELORA_BINARY_DIR "/bench/baseline/bench_bare_start");
const QString bareToggle = QStringLiteral(VELORA_BINARY_DIR "/bench/baseline/bench_bare_card_toggle");
const QStringList toggle = {QStringLiteral("--mic-mute"), QStringLiteral("toggle")};

// Milliseconds from start to a successful exit, or a negative number on failure.
double timeRun(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (!process.waitForFinished(15000)) {
        process.kill();
        process.waitForFinished(2000);
        return -1;
    }
    const double elapsed = clock.nsecsElapsed() / 1e6;
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 ? elapsed : -1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Times the command and its baseline in alternation and prints both medians and their ratio.
bool measure(const char *name, const QStringList &arguments, const QString &baselineProgram)
{
    std::vector<double> command, baseline;
    for (int i = 0; i < runs; ++i) {
        const double b = timeRun(baselineProgram, {});
        const double c = timeRun(velora, arguments);
        if (b < 0 || c < 0) {
            std::fprintf(stderr, "bench_commandline: a run failed (%s)\n", name);
            return false;
        }
        baseline.push_back(b);
        command.push_back(c);
    }
    const QString baselineName = QFileInfo(baselineProgram).fileName();
    std::printf("commandline.%s.median: %.1f ms\n", name, median(command));
    std::printf("commandline.%s.%s.median: %.1f ms\n", name, qPrintable(baselineName), median(baseline));
    std::printf("commandline.%s.ratio: %.2f\n", name, median(command) / median(baseline));
    return true;
}

// Starts the window and waits until it has read the card, which it does 3 s after the arrival.
bool startWindow(QProcess &window, VirtualCardProcess &card)
{
    window.setStandardErrorFile(QProcess::nullDevice());
    card.takeLogLines(); // what the commands before it read
    window.start(velora, QStringList());
    if (!window.waitForStarted(5000))
        return false;
    const QRegularExpression read(QStringLiteral("^read 52:F0 "));
    for (int waited = 0; waited < 15000; waited += 100) {
        if (!card.takeLogLines().filter(read).isEmpty())
            return true;
        QThread::msleep(100);
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir stateDir;
    VirtualCardProcess card;
    card.setTrace(false);
    if (!card.start({QStringLiteral("--state"), stateDir.filePath(QStringLiteral("card.state"))})) {
        std::fprintf(stderr, "bench_commandline: the virtual card did not start: %s\n", qPrintable(card.errorText()));
        return 1;
    }
    if (!measure("version", {QStringLiteral("--version")}, bareStart) || !measure("headless.toggle", toggle, bareToggle))
        return 1;
    QProcess window;
    if (!startWindow(window, card)) {
        std::fprintf(stderr, "bench_commandline: the window did not read the card\n");
        return 1;
    }
    const bool measured = measure("window.toggle", toggle, bareStart);
    window.kill();
    window.waitForFinished(5000);
    return measured ? 0 : 1;
}
