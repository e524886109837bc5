#include "detectiondevice.h"

#include "virtualbus.h"
#include "virtualbuswatcher.h"
#include "win32hid.h"

#include <QDebug>

#include <windows.h>

// Two sources feed the detector here: real cards, found by the HID scan and followed through the
// device messages (the notification registration lives as long as the native window), and the
// virtual cards on the local bus.
struct DetectionDevice::PlatformWatch
{
    VirtualBusWatcher *bus = nullptr;
};

DetectionDevice::~DetectionDevice()
{
    delete m_watch;
}

void DetectionDevice::startPlatformWatch()
{
    m_watch = new PlatformWatch;
    m_watch->bus = new VirtualBusWatcher(this);
    connect(m_watch->bus, &VirtualBusWatcher::cardArrived, this, &DetectionDevice::interfaceArrived);
    connect(m_watch->bus, &VirtualBusWatcher::cardRemoved, this, &DetectionDevice::interfaceRemoved);
    const unsigned long error = win32hid::registerHidNotification(reinterpret_cast<void *>(winId()));
    if (error)
        qDebug() << "register UDisk notification fail, error:" << error;
}

void DetectionDevice::scanHidDevices()
{
    std::vector<win32hid::HidIds> found;
    if (win32hid::collectHidIds(&found)) {
        for (const win32hid::HidIds &ids : found)
            interfaceArrived(vendorProductKey(ids.vendorId, ids.productId));
    } else {
        qDebug() << "NO hid device";
    }
    m_watch->bus->scan();
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

// A card on the virtual bus is served by the stand-in library; a real one by the vendor's library
// alone, which may be missing. With no card reported there is nothing to refuse: a command says
// that no card was found.
DetectionDevice::CardAccess DetectionDevice::reportedCardAccess(QString *why) const
{
    if (m_reported.isEmpty() || VirtualBus::isDeviceText(m_reported))
        return CardUsable;
    return libraryAccess(why);
}
