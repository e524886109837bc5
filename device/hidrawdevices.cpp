#include "hidrawdevices.h"

#include "detectiondevice.h"

#include <QDir>
#include <QFile>

HidrawDevices::HidrawDevices(const QString &root) : m_root(root) {}

QStringList HidrawDevices::scan()
{
    QStringList texts;
    const QDir classFolder(inRoot(QStringLiteral("sys/class/hidraw")));
    const QStringList names = classFolder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &name : names) {
        const QString text = added(name);
        if (!text.isEmpty())
            texts.append(text);
    }
    return texts;
}

QString HidrawDevices::added(const QString &sysName)
{
    if (m_known.contains(sysName))
        return QString();
    QFile uevent(inRoot(QStringLiteral("sys/class/hidraw/%1/device/uevent").arg(sysName)));
    if (!uevent.open(QIODevice::ReadOnly))
        return QString();
    const QString key = keyFromUevent(uevent.readAll());
    if (key.isEmpty())
        return QString();
    const QString text = sysName + QLatin1Char('#') + key;
    m_known.insert(sysName, text);
    return text;
}

QString HidrawDevices::removed(const QString &sysName)
{
    return m_known.take(sysName);
}

QString HidrawDevices::node(const QString &text) const
{
    const QString sysName = text.section(QLatin1Char('#'), 0, 0);
    if (text.isEmpty() || m_known.value(sysName) != text)
        return QString();
    return inRoot(QStringLiteral("dev/") + sysName);
}

QString HidrawDevices::inRoot(const QString &path) const
{
    return QDir(m_root).filePath(path);
}

// Opened for real rather than asked with access(): only an open answers for every reason it can fail
// (permissions, a node that is gone, a device the kernel refuses). Never created when missing.
QString HidrawDevices::openError(const QString &node)
{
    QFile device(node);
    if (!device.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return device.errorString();
    return QString();
}

QString HidrawDevices::keyFromHidId(const QByteArray &hidId)
{
    const QList<QByteArray> fields = hidId.trimmed().split(':');
    if (fields.size() != 3)
        return QString();
    bool vidOk = false;
    bool pidOk = false;
    const uint vid = fields.at(1).toUInt(&vidOk, 16);
    const uint pid = fields.at(2).toUInt(&pidOk, 16);
    if (!vidOk || !pidOk || vid > 0xFFFF || pid > 0xFFFF)
        return QString();
    return DetectionDevice::vendorProductKey(quint16(vid), quint16(pid));
}

QString HidrawDevices::keyFromUevent(const QByteArray &uevent)
{
    static const QByteArray prefix("HID_ID=");
    const QList<QByteArray> lines = uevent.split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith(prefix))
            return keyFromHidId(line.mid(prefix.size()));
    }
    return QString();
}
