// Messages per second through the installed keep-open log handler, against a plain loop that appends
// and flushes the same lines to a file, measured in the same run.
#include "app/diagnosticlog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <fcntl.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

const int messages = 40000;

double loggedPerSecond(int threads)
{
    const int each = messages / threads;
    QElapsedTimer clock;
    clock.start();
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([t, each] {
            for (int n = 0; n < each; ++n)
                qDebug("***write: thread %d message %d 0x52 0xf0 00 01 00 15 15 15 15 15", t, n);
        });
    }
    for (auto &w : workers)
        w.join();
    return each * threads * 1000.0 / qMax<qint64>(1, clock.elapsed());
}

double plainPerSecond(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return 0;
    QTextStream out(&file);
    out.setCodec("UTF-8");
    QElapsedTimer clock;
    clock.start();
    for (int n = 0; n < messages; ++n) {
        const QString line = QStringLiteral("%1 ***write: thread 0 message %2 0x52 0xf0 00 01 00 15 15 15 15 15")
                                 .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")))
                                 .arg(n);
        out << QStringLiteral("<div class=\"d\">%1</div>\r\n").arg(line);
        out.flush();
    }
    return messages * 1000.0 / qMax<qint64>(1, clock.elapsed());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Norvane"));
    QCoreApplication::setApplicationName(QStringLiteral("velora"));
    installLog(QStringLiteral("Log"), 1024, true);

    // The handler's copy to stderr goes nowhere while measuring, as a debugger output nobody reads.
    std::fflush(stderr);
    const int savedStderr = ::dup(2);
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 2);
    const double one = loggedPerSecond(1);
    const double four = loggedPerSecond(4);
    std::fflush(stderr);
    ::dup2(savedStderr, 2);

    const double plain = plainPerSecond(logDirectory() + QStringLiteral("/plain.html"));
    std::printf("log.keepopen.1thread: %.0f msg/s\n", one);
    std::printf("log.keepopen.4threads: %.0f msg/s\n", four);
    std::printf("log.plain_append_flush: %.0f msg/s\n", plain);
    std::printf("log.keepopen.1thread.ratio: %.3f\n", one / plain);
    std::printf("log.keepopen.4threads.ratio: %.3f\n", four / plain);
    return 0;
}
