#include "singleinstance.h"

#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>
#include <QtDebug>

// The request travels over a local socket named after the segment, in the shape of the window message
// a second start sends elsewhere: tag, size of the data, data (the value 1), each 32 bits, little-endian.

namespace {

const int requestSize = 12;
const int connectTimeoutMs = 1000;

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
    socket.connectToServer(m_segment.key());
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
    QLocalServer::removeServer(m_segment.key());
    if (!server->listen(m_segment.key())) {
        qWarning() << "activation listener failed:" << server->errorString();
        return;
    }
    connect(server, &QLocalServer::newConnection, this, [this, server] {
        while (QLocalSocket *socket = server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            const auto readRequest = [this, socket] {
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
