#ifndef VIRTUALBUS_H
#define VIRTUALBUS_H

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QString>

// What the virtual card and the program's detection must agree on, written once: where virtual cards
// show themselves (a folder in the user's runtime folder holding one listening local socket per
// plugged-in card, named after the card's device text), the cards' vendor id and how a device text
// carries the ids (each model's own are in cardmodels.h).
namespace VirtualBus {

constexpr int vendorId = 0x0C76;

// The bus folder ("velora-bus" in the runtime folder); not created.
inline QString folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/velora-bus");
}

// Creates the folder when it is missing, with owner-only access since any process that can reach a
// card's socket can drive the card; false when that fails.
inline bool createFolder()
{
    const QString path = folder();
    if (QDir(path).exists())
        return true;
    return QDir().mkpath(path) && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// "VID_0C76&PID_1000": how a device text carries the ids, upper-case hex.
inline QString idText(int vid, int pid)
{
    return QStringLiteral("VID_%1&PID_%2")
        .arg(vid, 4, 16, QLatin1Char('0'))
        .arg(pid, 4, 16, QLatin1Char('0'))
        .toUpper();
}

// How every virtual card's device text starts.
constexpr char deviceTextPrefix[] = "velora-vcard#";

// "velora-vcard#VID_0C76&PID_1000#<serial>", like a HID device path.
inline QString deviceText(int vid, int pid, const QString &serial)
{
    return QLatin1String(deviceTextPrefix) + QStringLiteral("%1#%2").arg(idText(vid, pid), serial);
}

// Whether a device text names a virtual card rather than a device the system found.
inline bool isDeviceText(const QString &text)
{
    return text.startsWith(QLatin1String(deviceTextPrefix));
}

} // namespace VirtualBus

#endif // VIRTUALBUS_H
