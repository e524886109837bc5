#ifndef CARDCONNECTION_H
#define CARDCONNECTION_H

#include <QByteArray>
#include <QtGlobal>

// The stand-in library's line to one virtual card: a connection to the card's local socket on the
// virtual bus (a Unix socket, or on Windows the named pipe a local server listens at), written and
// read with plain system calls, so that the library needs no event loop in the caller's thread.
class CardConnection
{
public:
    CardConnection() = default;
    ~CardConnection();
    CardConnection(const CardConnection &) = delete;
    CardConnection &operator=(const CardConnection &) = delete;

    // Connects to the first listening card whose device text carries the ids; entries left on the
    // bus by cards that died refuse the connection and are passed over.
    bool open(int vid, int pid);
    bool send(const QByteArray &line);
    // The card answers each request with exactly one line.
    bool receiveLine(QByteArray *line);

private:
    bool connectTo(const QString &path);

    // A socket descriptor or a pipe handle; -1 while closed on both systems.
    qintptr m_handle = -1;
};

#endif // CARDCONNECTION_H
