#ifndef SINGLEINSTANCE_H
#define SINGLEINSTANCE_H

#include <QObject>
#include <QSharedMemory>

#include <functional>

// Keeps one running copy: the first copy owns a small shared segment holding its window handle; a later
// start finds the segment, asks that window to come to the front and ends.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // The data tag of an activation request.
    static constexpr quint32 activationTag = 10086;
    // The data tag of a command from the command line: its data is a command message, and the window
    // answers it. A window that does not know the tag drops it without effect.
    static constexpr quint32 commandTag = 10087;
    // Where a window message carries the request, the answer comes back as a message with this tag.
    static constexpr quint32 answerTag = 10088;

    enum class Delivery { NoWindow, Answered, NoAnswer };

    // The key the window and the commands of this program meet under.
    static QString programKey() { return QStringLiteral("veloraKey05"); }

    explicit SingleInstance(QObject *parent = nullptr);

    // True when another copy already runs (after asking it to come to the front); false when this
    // process is now the first copy and owns the segment.
    bool isRunning(const QString &key);

    // Publishes the shown main window to later starts and begins taking their requests.
    void publishWindow(quintptr handle);

    // The window's side of commands: the handler turns a request into its answer.
    void setCommandHandler(std::function<QByteArray(const QByteArray &)> handler);
    // The command's side: hands the request to the running window, waits at most startMs for it to
    // begin and then at most workMs for the answer (where the window cannot say that it has begun, the
    // two together). NoWindow when no copy takes requests.
    static Delivery sendCommand(const QString &key, const QByteArray &request, QByteArray *answer, int startMs,
                                int workMs);

signals:
    // A later start asked this copy's window to come to the front.
    void activationRequested();

private:
    // Names the segment (and, where requests come over a socket, the socket) after the key.
    void useKey(const QString &key);
    void clearStaleSegment();
    void requestActivation(quint32 handle);
    void listen();
    // The window handle the first copy stored in its segment, read under the segment's lock; the
    // segment is detached after.
    static quint32 takeStoredHandle(QSharedMemory &segment);

    QSharedMemory m_segment;
    QString m_serverName;
    std::function<QByteArray(const QByteArray &)> m_commandHandler;
};

#endif
