#include "cardserver.h"

#include "device/virtualbus.h"

#include <QDir>
#include <QLocalSocket>

#include <cstdio>

CardServer::CardServer(const CardOptions &options, const QByteArray &parameterBlock, QObject *parent)
    : QObject(parent)
    , m_options(options)
    , m_card(options.settings, parameterBlock)
    , m_stateFile(options.statePath)
{
    m_card.onLog = [this](const QByteArray &line) { print(line); };
    m_card.onCommit = [this](const QByteArray &block) {
        QString error;
        if (!m_stateFile.save(block, &error))
            std::fprintf(stderr, "velora-virtualcard: %s\n", qPrintable(error));
    };
    connect(&m_server, &QLocalServer::newConnection, this, &CardServer::accept);
}

CardServer::~CardServer()
{
    pullOut();
}

void CardServer::pullOut()
{
    if (!m_server.isListening())
        return;
    leaveBus();
    m_server.close(); // removes the socket file; connections already made stay
    print("pulled out");
}

bool CardServer::plugIn(QString *error)
{
    const CardSettings &settings = m_options.settings;
    const QString serial = QString::fromLatin1(settings.serial.constData());
    const QString path = QDir(VirtualBus::folder())
                             .filePath(VirtualBus::deviceText(settings.vid, settings.pid, serial));
    if (!VirtualBus::createFolder()) {
        *error = QStringLiteral("cannot create the bus folder %1").arg(VirtualBus::folder());
        return false;
    }
    QLocalSocket probe;
    probe.connectToServer(path);
    if (probe.waitForConnected(1000)) {
        *error = QStringLiteral("a card named %1 is already plugged in").arg(path);
        return false;
    }
    QLocalServer::removeServer(path); // a socket file left by a card that was killed
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(path)) {
        *error = QStringLiteral("cannot listen at %1: %2").arg(path, m_server.errorString());
        return false;
    }
    showOnBus();
    print("plugged in " + QFile::encodeName(m_server.fullServerName()));
    return true;
}

void CardServer::accept()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { serve(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void CardServer::serve(QLocalSocket *socket)
{
    while (socket->canReadLine()) {
        const QByteArray line = socket->readLine().chopped(1);
        CardProtocol::Request request;
        CardProtocol::Reply reply{CardProtocol::BadArgument, {}};
        if (request.parse(line))
            reply = m_card.serve(request);
        else
            print("refused \"" + line + "\": not a request");
        if (m_options.trace)
            print("call " + line + " -> " + reply.toLine());
        // Gone from the bus before the caller hears the answer, so that its next call finds no card.
        const bool last = m_options.pullAfter > 0 && ++m_calls == m_options.pullAfter;
        if (last)
            pullOut();
        socket->write(reply.toLine() + '\n');
        socket->flush();
        if (last) {
            socket->waitForBytesWritten(1000);
            emit pulledOut();
            return;
        }
    }
}

void CardServer::print(const QByteArray &line) const
{
    if (!m_options.log)
        return;
    std::fwrite(line.constData(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout); // a test reads the log while the card runs
}
