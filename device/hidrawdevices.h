#ifndef HIDRAWDEVICES_H
#define HIDRAWDEVICES_H

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

// The HID devices of the kernel's raw HID class, described by their sysfs entries. Each device is
// given a text that carries "VID_xxxx&PID_xxxx" in upper-case hex, the form the detector's table
// is written in. Remembers what it has seen, since a removed device can no longer be read.
// Everything is read below one root folder, "/" on a running system, so that a made-up tree can
// stand in for sysfs and /dev.
class HidrawDevices
{
public:
    explicit HidrawDevices(const QString &root = QStringLiteral("/"));

    // Texts of the devices present now that were not seen before, in name order.
    QStringList scan();
    // The text of a device that has just appeared (empty when it cannot be identified or was seen).
    QString added(const QString &sysName);
    // The text a device that has just gone was known by (empty when it was never seen).
    QString removed(const QString &sysName);
    // The device node through which the device known by this text is opened ("<root>/dev/hidraw3");
    // empty for a text that is not one of the devices seen.
    QString node(const QString &text) const;

    // Why this user cannot open a device node for reading and writing; empty when it can.
    static QString openError(const QString &node);
    // "VID_0C76&PID_1000" from a HID_ID value such as "0003:00000C76:00001000"; empty when malformed.
    static QString keyFromHidId(const QByteArray &hidId);
    // The same key from the text of a HID device's uevent file.
    static QString keyFromUevent(const QByteArray &uevent);

private:
    QString inRoot(const QString &path) const;

    QString m_root;
    QHash<QString, QString> m_known;
};

#endif
