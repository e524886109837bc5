#include "detectiondevice.h"

#include "hidrawdevices.h"
#include "virtualbuswatcher.h"

#include <QSocketNotifier>

#include <libudev.h>

namespace {

// The folder below which sysfs and /dev are read: "/", or a made-up tree named by VELORA_SYSTEM_ROOT
// (tests start the real window against one). Hot-plug events still come from the running system.
QString systemRoot()
{
    const QString root = qEnvironmentVariable("VELORA_SYSTEM_ROOT");
    return root.isEmpty() ? QStringLiteral("/") : root;
}

} // namespace

// Two sources feed the detector here: the virtual cards on the local bus, and real cards seen by
// the kernel as raw HID devices, followed through udev's hot-plug events.
struct DetectionDevice::PlatformWatch
{
    VirtualBusWatcher *bus = nullptr;
    HidrawDevices hidraw{systemRoot()};
    udev *udevContext = nullptr;
    udev_monitor *monitor = nullptr;

    ~PlatformWatch()
    {
        if (monitor)
            udev_monitor_unref(monitor);
        if (udevContext)
            udev_unref(udevContext);
    }
};

namespace {

// A monitor of hidraw add/remove events, or null when udev is not available (then only the
// start-up scan and the virtual bus find cards).
udev_monitor *openHidrawMonitor(udev *context)
{
    udev_monitor *monitor = udev_monitor_new_from_netlink(context, "udev");
    if (!monitor)
        return nullptr;
    if (udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(monitor) < 0) {
        udev_monitor_unref(monitor);
        return nullptr;
    }
    return monitor;
}

} // namespace

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

    m_watch->udevContext = udev_new();
    if (m_watch->udevContext)
        m_watch->monitor = openHidrawMonitor(m_watch->udevContext);
    if (!m_watch->monitor)
        return;
    auto *notifier = new QSocketNotifier(udev_monitor_get_fd(m_watch->monitor), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        udev_device *device = udev_monitor_receive_device(m_watch->monitor);
        if (!device)
            return;
        const QByteArray action = udev_device_get_action(device);
        const QString sysName = QString::fromLocal8Bit(udev_device_get_sysname(device));
        udev_device_unref(device);
        if (action == "add")
            interfaceArrived(m_watch->hidraw.added(sysName));
        else if (action == "remove")
            interfaceRemoved(m_watch->hidraw.removed(sysName));
    });
}

void DetectionDevice::scanHidDevices()
{
    const QStringList hidraw = m_watch->hidraw.scan();
    for (const QString &text : hidraw)
        interfaceArrived(text);
    m_watch->bus->scan();
}

// A card on the virtual bus has no node and is served by the stand-in library; a real one must be
// opened by this user and needs a library that serves real cards. Checked in that order, so that a
// card this user may not open is never handed to any library.
DetectionDevice::CardAccess DetectionDevice::reportedCardAccess(QString *why) const
{
    const QString node = m_watch->hidraw.node(m_reported);
    if (node.isEmpty())
        return CardUsable;
    const QString openError = HidrawDevices::openError(node);
    if (!openError.isEmpty()) {
        *why = QStringLiteral("***card found but %1 cannot be opened: %2").arg(node, openError);
        return CardNotOpenable;
    }
    return libraryAccess(why);
}
