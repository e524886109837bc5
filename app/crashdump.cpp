#include "crashdump.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

void CrashDump::install()
{
    // The path is settled now: a crashing process is no place to ask where the data folder is.
    installHandler(dumpPath());
}

QString CrashDump::dumpPath()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + QCoreApplication::applicationName() + QStringLiteral(".dmp");
}
