#include "windowstart.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <cstdio>

namespace {

// Beside the program in a build tree; in the program's own library folder once installed.
QStringList moduleCandidates()
{
    const QDir programDir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section('/', 0, -2);
    const QString name = QStringLiteral(VELORA_WINDOW_MODULE);
    return {programDir.filePath(name), programDir.filePath(QStringLiteral("../lib/velora/") + name)};
}

} // namespace

int WindowStart::run(int argc, char *argv[])
{
    using WindowMainFunction = int (*)(int, char **);
    QString errors;
    for (const QString &path : moduleCandidates()) {
        if (!QFileInfo::exists(path))
            continue;
        QLibrary module(path);
        const auto windowMain = reinterpret_cast<WindowMainFunction>(module.resolve("velora_window_main"));
        if (windowMain)
            return windowMain(argc, argv);
        errors += module.errorString() + QLatin1Char('\n');
    }
    std::fprintf(stderr, "velora: the window module %s cannot be loaded\n%s", VELORA_WINDOW_MODULE,
                 qPrintable(errors));
    return 1;
}
