#ifndef HIDRAWDEVICES_H
#define HIDRAWDEVICES_H

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

// The HID devices of the kernel's raw HID class, described by their sysfs entries. Each device is
// given a text that carries "VID_xxxx&PID_xxxx" in upper-case hex, the form the detector's table
// is written in. Remembers what it has seen, since a removed device can no longer be read.
class HidrawDevices
{
public:
    explicit HidrawDevices(const QString &classDir = QStringLiteral("/sys/class/hidraw"));

    // Texts of the devices present now that were not seen before, in name order.
    QStringList scan();
    // The text of a device that has just appeared (empty when it cannot be identified or was seen).
    QString added(const QString &sysName);
    // The text a device that has just gone was known by (empty when it was never seen).
    QString removed(const QString &sysName);

    // "VID_0C76&PID_1000" from a HID_ID value such as "0003:00000C76:00001000"; empty when malformed.
    static QString keyFromHidId(const QByteArray &hidId);
    // The same key from the text of a HID device's uevent file.
    static QString keyFromUevent(const QByteArray &uevent);

private:
    QString m_classDir;
    QHash<QString, QString> m_known;
};

#endif
