#include "detectiondevice.h"

#include "cardmodels.h"
#include "vendorlibrary.h"
#include "virtualbus.h"

DetectionDevice::DetectionDevice(QObject *parent) : QObject(parent)
{
    for (const CardModel &model : CardModels::table)
        m_devTable.insert(QLatin1String(model.name), VirtualBus::idText(model.vendorId, model.productId));
    startPlatformWatch();
}

QString DetectionDevice::matchDevType(const QString &text)
{
    for (auto it = m_devTable.cbegin(); it != m_devTable.cend(); ++it) {
        const QString &ids = it.value();
        if (!text.contains(ids, Qt::CaseInsensitive))
            continue;
        const int vidAt = ids.indexOf(QLatin1String("VID_")) + 4;
        const int pidAt = ids.indexOf(QLatin1String("PID_")) + 4;
        m_vid = ids.mid(vidAt, 4).toInt(nullptr, 16);
        m_pid = ids.mid(pidAt, 4).toInt(nullptr, 16);
        return it.key();
    }
    return QString();
}

QString DetectionDevice::vendorProductKey(quint16 vid, quint16 pid)
{
    return VirtualBus::idText(vid, pid);
}

void DetectionDevice::interfaceArrived(const QString &deviceText)
{
    const QString model = matchDevType(deviceText);
    if (!model.isEmpty() && !m_present.contains(deviceText))
        m_present.append(deviceText);
    if (model.isEmpty() || m_isPresent)
        return;
    m_isPresent = true;
    m_reported = deviceText;
    emit s_devTypeAndState(model, true, m_vid, m_pid);
}

void DetectionDevice::interfaceRemoved(const QString &deviceText)
{
    const QString model = matchDevType(deviceText);
    m_present.removeAll(deviceText);
    if (model.isEmpty() || !m_isPresent)
        return;
    m_isPresent = false;
    m_reported.clear();
    emit s_devTypeAndState(model, false, m_vid, m_pid);
}

DetectionDevice::CardAccess DetectionDevice::libraryAccess(QString *why)
{
    if (VendorLibrary::servesRealCards())
        return CardUsable;
    *why = QStringLiteral("***card found but no control library for it is available on this system");
    return CardUnserved;
}
