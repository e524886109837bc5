#include "cardconnection.h"

#include "device/virtualbus.h"

#include <QDir>

bool CardConnection::open(int vid, int pid)
{
    const QDir bus(VirtualBus::folder());
    const QString ids = VirtualBus::idText(vid, pid);
    for (const QString &name : bus.entryList(QDir::System | QDir::Files, QDir::Name)) {
        if (name.contains(ids) && connectTo(bus.filePath(name)))
            return true;
    }
    return false;
}
