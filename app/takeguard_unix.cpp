#include "takeguard.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>

// logind's delay lock: the session's end and sleep wait for it (up to logind's own limit) until the
// descriptor it hands out is closed.
struct TakeGuard::Lock
{
    bool recording = false;
    bool asked = false;
    QDBusUnixFileDescriptor descriptor;
};

TakeGuard::TakeGuard(QObject *parent) : QObject(parent), m_lock(new Lock) {}

TakeGuard::~TakeGuard() = default;

bool TakeGuard::isHolding() const
{
    return m_lock->descriptor.isValid();
}

void TakeGuard::setRecording(bool recording)
{
    m_lock->recording = recording;
    if (!recording) {
        m_lock->descriptor = QDBusUnixFileDescriptor();
        return;
    }
    QDBusConnection bus = QDBusConnection::systemBus();
    if (m_lock->asked || isHolding() || !bus.isConnected())
        return;
    QDBusMessage inhibit = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    inhibit << QStringLiteral("shutdown:sleep") << QStringLiteral("Velora") << tr("正在完成录音") << QStringLiteral("delay");
    // Asked without waiting: the window never stops for the system's answer.
    m_lock->asked = true;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(inhibit), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        m_lock->asked = false;
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *call;
        if (reply.isValid() && m_lock->recording)
            m_lock->descriptor = reply.value();
    });
}
