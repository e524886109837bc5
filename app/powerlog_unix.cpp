#include "powerlog.h"

#include <QDBusConnection>

bool PowerLog::watch()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    const QString service = QStringLiteral("org.freedesktop.login1");
    const QString path = QStringLiteral("/org/freedesktop/login1");
    const QString interface = QStringLiteral("org.freedesktop.login1.Manager");
    const bool sleep = bus.connect(service, path, interface, QStringLiteral("PrepareForSleep"), this,
                                   SLOT(prepareForSleep(bool)));
    const bool shutdown = bus.connect(service, path, interface, QStringLiteral("PrepareForShutdown"), this,
                                      SLOT(prepareForShutdown(bool)));
    return sleep && shutdown;
}
