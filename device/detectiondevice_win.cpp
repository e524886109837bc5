#include "detectiondevice.h"

#include "win32hid.h"

#include <QDebug>

#include <windows.h>

// Nothing is kept here: the notification registration lives as long as the native window.
struct DetectionDevice::PlatformWatch
{
};

DetectionDevice::~DetectionDevice()
{
    delete m_watch;
}

void DetectionDevice::startPlatformWatch()
{
    const unsigned long error = win32hid::registerHidNotification(reinterpret_cast<void *>(winId()));
    if (error)
        qDebug() << "register UDisk notification fail, error:" << error;
}

void DetectionDevice::scanHidDevices()
{
    std::vector<win32hid::HidIds> found;
    if (!win32hid::collectHidIds(&found)) {
        qDebug() << "NO hid device";
        return;
    }
    for (const win32hid::HidIds &ids : found)
        interfaceArrived(vendorProductKey(ids.vendorId, ids.productId));
}

bool DetectionDevice::nativeEvent(const QByteArray &eventType, void *message, long *result)
{
    const MSG *msg = static_cast<const MSG *>(message);
    if (msg->message == WM_DEVICECHANGE) {
        std::wstring name;
        const win32hid::DeviceChange change = win32hid::decodeDeviceChange(msg->wParam, msg->lParam, &name);
        if (change == win32hid::DeviceChange::Arrival)
            interfaceArrived(QString::fromStdWString(name));
        else if (change == win32hid::DeviceChange::Removal)
            interfaceRemoved(QString::fromStdWString(name));
        return true;
    }
    if (msg->message == WM_COPYDATA)
        return true;
    // Sleep, wake and session end reach the main window too, which logs them once for the program.
    return QWidget::nativeEvent(eventType, message, result);
}

// The vendor's own library drives every card the system shows; one it cannot reach is reported by
// the library's failing calls.
DetectionDevice::CardAccess DetectionDevice::reportedCardAccess(QString *) const
{
    return CardUsable;
}
