#include "virtualbus.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

QString VirtualBus::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/velora-bus");
}

bool VirtualBus::createFolder()
{
    const QString path = folder();
    if (QDir(path).exists())
        return true;
    return QDir().mkpath(path)
        && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString VirtualBus::idText(int vid, int pid)
{
    return QStringLiteral("VID_%1&PID_%2")
        .arg(vid, 4, 16, QLatin1Char('0'))
        .arg(pid, 4, 16, QLatin1Char('0'))
        .toUpper();
}

QString VirtualBus::deviceText(int vid, int pid, const QString &serial)
{
    return QStringLiteral("velora-vcard#%1#%2").arg(idText(vid, pid), serial);
}
