#ifndef VIRTUALBUSWATCHER_H
#define VIRTUALBUSWATCHER_H

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QTimer>

class QLocalSocket;

// Follows the virtual cards on the local bus folder. A card is a process listening on a local socket
// named after its device text; this keeps one silent connection to each, so that a card whose process
// dies (however it dies) is reported gone as soon as the connection drops, even though its socket
// file may stay behind.
class VirtualBusWatcher : public QObject
{
    Q_OBJECT
public:
    explicit VirtualBusWatcher(QObject *parent = nullptr);

    // Connects to every card on the bus that is not followed yet and waits until each attempt has
    // succeeded or failed, so that the cards present now are reported before this returns.
    void scan();

signals:
    void cardArrived(const QString &deviceText);
    void cardRemoved(const QString &deviceText);

private:
    void probeNewEntries();
    void follow(const QString &name);
    void onSocketClosed(const QString &name);

    QString m_path;
    QFileSystemWatcher m_watcher;
    QHash<QString, QLocalSocket *> m_sockets; // connecting or connected
    QSet<QString> m_connected;
    // A card that has just bound its socket may refuse for an instant before it listens; a few
    // retries tell that apart from a socket file left behind by a dead card, which is then ignored
    // until the folder changes again.
    QHash<QString, int> m_refusals;
    QTimer m_retry;
};

#endif
