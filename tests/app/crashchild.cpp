// A process that installs the crash dump and then crashes the way its argument says.
#include "app/crashdump.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace {

void writeToBadAddress()
{
    *reinterpret_cast<volatile int *>(quintptr(0x10)) = 1;
}

int recurse(int depth)
{
    volatile char frame[512];
    frame[0] = char(depth);
    return recurse(depth + 1) + frame[0];
}

} // namespace

int main(int argc, char *argv[])
{
    const rlimit noCore = {0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Norvane"));
    QCoreApplication::setApplicationName(QStringLiteral("velora"));
    CrashDump::install();

    const QString mode = app.arguments().value(1);
    if (mode == QLatin1String("segv")) {
        writeToBadAddress();
    } else if (mode == QLatin1String("folder-removed")) {
        // The data folder and the one above it go while the program runs.
        const QDir data(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
        QDir(data.absoluteFilePath(QStringLiteral(".."))).removeRecursively();
        writeToBadAddress();
    } else if (mode == QLatin1String("abort")) {
        std::abort();
    } else if (mode == QLatin1String("overflow")) {
        return recurse(0);
    } else if (mode == QLatin1String("thread")) {
        std::thread([] {
            std::printf("%ld\n", long(syscall(SYS_gettid)));
            std::fflush(stdout);
            writeToBadAddress();
        }).join();
    }
    return 3;
}
