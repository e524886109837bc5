#include "singleinstance.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QtDebug>

#include <unistd.h>

// The request travels over a local socket named after the segment, in the shape of the window message
// a second start sends elsewhere: tag, size of the data, data (the value 1), each 32 bits, little-endian.
// A command is the same header with the command tag and its message as the data; the window answers
// on the same connection with the answer's size (32 bits, little-endian) and the answer.

namespace {

const int requestSize = 12;
const int headerSize = 8;
const int connectTimeoutMs = 1000;
// Far above any command message; a larger size is taken for a foreign request.
const quint32 maxCommandSize = 64 * 1024;

// In the user's own runtime folder (mode 0700): every user runs a copy of their own, and no other user
// can reach the socket or take its name first.
QString privatePath(const QString &key)
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QLatin1Char('/') + key;
}

QByteArray header(quint32 tag, quint32 size)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << tag << size;
    return bytes;
}

// The answer as it travels: its size, then its bytes.
QByteArray sized(const QByteArray &data)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(data.size());
    return bytes + data;
}

quint32 word(const QByteArray &bytes, int at)
{
    QDataStream in(bytes.mid(at, 4));
    in.setByteOrder(QDataStream::LittleEndian);
    quint32 value = 0;
    in >> value;
    return value;
}

QByteArray activationRequest()
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << SingleInstance::activationTag << quint32(sizeof(qint32)) << qint32(1);
    return bytes;
}

quint32 requestTag(const QByteArray &bytes)
{
    QDataStream in(bytes);
    in.setByteOrder(QDataStream::LittleEndian);
    quint32 tag = 0;
    in >> tag;
    return tag;
}

} // namespace

// The segment's name carries the user, so that each user has a running copy of their own.
void SingleInstance::useKey(const QString &key)
{
    m_serverName = privatePath(key);
    m_segment.setKey(QStringLiteral("%1-%2").arg(key).arg(getuid()));
}

void SingleInstance::clearStaleSegment()
{
    // A System V segment outlives a copy that was killed; with no process attached it would refuse
    // every later start. Detaching removes it when nobody else is attached, and leaves a live one alone.
    if (m_segment.attach())
        m_segment.detach();
}

void SingleInstance::requestActivation(quint32)
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(connectTimeoutMs))
        return;
    socket.write(activationRequest());
    socket.waitForBytesWritten(connectTimeoutMs);
    socket.disconnectFromServer();
}

void SingleInstance::listen()
{
    auto *server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // This process owns the segment, so a socket file of the same name is a leftover of a killed copy.
    QLocalServer::removeServer(m_serverName);
    if (!server->listen(m_serverName)) {
        qWarning() << "activation listener failed:" << server->errorString();
        return;
    }
    connect(server, &QLocalServer::newConnection, this, [this, server] {
        while (QLocalSocket *socket = server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            const auto readRequest = [this, socket] {
                if (socket->bytesAvailable() < headerSize)
                    return;
                const QByteArray head = socket->peek(headerSize);
                const quint32 size = word(head, 4);
                if (word(head, 0) == commandTag && m_commandHandler && size <= maxCommandSize) {
                    if (socket->bytesAvailable() < headerSize + qint64(size))
                        return;
                    socket->read(headerSize);
                    const QByteArray request = socket->read(size);
                    // Told at once, so that the command waits for the card rather than for the window.
                    socket->write(sized(QByteArray()));
                    socket->flush();
                    const QByteArray answer = m_commandHandler(request);
                    socket->write(sized(answer));
                    socket->disconnectFromServer(); // after the answer has been written
                    return;
                }
                if (socket->bytesAvailable() < requestSize)
                    return;
                // Anything but the activation request is read and dropped without effect.
                if (requestTag(socket->read(requestSize)) == activationTag)
                    emit activationRequested();
                socket->disconnectFromServer();
            };
            connect(socket, &QLocalSocket::readyRead, this, readRequest);
            readRequest(); // the request may have arrived with the connection
        }
    });
}

namespace {

// One frame of the window's reply (its size, then its bytes) within timeoutMs; false when it did not
// come whole, the connection having ended or the time run out.
bool readFrame(QLocalSocket &socket, int timeoutMs, QByteArray *frame)
{
    const auto whole = [&socket] {
        return socket.bytesAvailable() >= 4 && socket.bytesAvailable() >= 4 + qint64(word(socket.peek(4), 0));
    };
    QElapsedTimer clock;
    clock.start();
    while (!whole()) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0 || !socket.waitForReadyRead(int(left)))
            break;
    }
    if (!whole())
        return false;
    *frame = socket.read(4 + word(socket.peek(4), 0)).mid(4);
    return true;
}

} // namespace

SingleInstance::Delivery SingleInstance::sendCommand(const QString &key, const QByteArray &request, QByteArray *answer,
                                                     int startMs, int workMs)
{
    QLocalSocket socket;
    socket.connectToServer(privatePath(key));
    if (!socket.waitForConnected(connectTimeoutMs))
        return Delivery::NoWindow;
    socket.write(header(commandTag, quint32(request.size())) + request);
    // The window says with an empty frame that it has begun, then sends the answer. A window that
    // closes the connection without an answer did not understand the request.
    QByteArray begun;
    if (!readFrame(socket, startMs, &begun) || !begun.isEmpty() || !readFrame(socket, workMs, answer))
        return Delivery::NoAnswer;
    return Delivery::Answered;
}
