#include "virtualbuswatcher.h"

#include "virtualbus.h"

#include <QDir>
#include <QLocalSocket>

namespace {
constexpr int kRetries = 5;
constexpr int kRetryMs = 200;
constexpr int kConnectWaitMs = 1000;
}

VirtualBusWatcher::VirtualBusWatcher(QObject *parent) : QObject(parent), m_path(VirtualBus::folder())
{
    VirtualBus::createFolder();
    m_watcher.addPath(m_path);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        m_refusals.clear();
        probeNewEntries();
    });
    m_retry.setSingleShot(true);
    m_retry.setInterval(kRetryMs);
    connect(&m_retry, &QTimer::timeout, this, &VirtualBusWatcher::probeNewEntries);
}

void VirtualBusWatcher::scan()
{
    probeNewEntries();
    const QList<QLocalSocket *> pending = m_sockets.values();
    for (QLocalSocket *socket : pending) {
        if (socket->state() == QLocalSocket::ConnectingState)
            socket->waitForConnected(kConnectWaitMs);
    }
}

void VirtualBusWatcher::probeNewEntries()
{
    // Cards are sockets (system entries); hidden entries are where a card binds before it shows itself.
    const QStringList names = QDir(m_path).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        if (!m_sockets.contains(name) && m_refusals.value(name) < kRetries)
            follow(name);
    }
}

void VirtualBusWatcher::follow(const QString &name)
{
    auto *socket = new QLocalSocket(this);
    m_sockets.insert(name, socket);
    connect(socket, &QLocalSocket::connected, this, [this, name] {
        m_refusals.remove(name);
        m_connected.insert(name);
        emit cardArrived(name);
    });
    // A card never talks to a watcher; drop anything it sends rather than let it pile up.
    connect(socket, &QLocalSocket::readyRead, socket, [socket] { socket->readAll(); });
    connect(socket, &QLocalSocket::stateChanged, this, [this, name](QLocalSocket::LocalSocketState state) {
        if (state == QLocalSocket::UnconnectedState)
            onSocketClosed(name);
    });
    socket->connectToServer(m_path + QLatin1Char('/') + name);
}

void VirtualBusWatcher::onSocketClosed(const QString &name)
{
    QLocalSocket *socket = m_sockets.take(name);
    if (!socket)
        return;
    socket->deleteLater();
    if (m_connected.remove(name))
        emit cardRemoved(name);
    else
        ++m_refusals[name];
    // Look again shortly: a card restarted under the same name may have re-bound its socket before
    // this connection was seen to drop, and a refusing one may just not be listening yet.
    if (m_refusals.value(name) < kRetries && !m_retry.isActive())
        m_retry.start();
}
