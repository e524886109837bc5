#include "cardconnection.h"

#include <QFile>
#include <QString>

#include <cstring>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// A card that does not answer within this time counts as gone.
constexpr int answerTimeoutSeconds = 5;
}

CardConnection::~CardConnection()
{
    if (m_handle >= 0)
        ::close(int(m_handle));
}

bool CardConnection::send(const QByteArray &line)
{
    const QByteArray data = line + '\n';
    for (qsizetype sent = 0; sent < data.size();) {
        const ssize_t n = ::send(int(m_handle), data.constData() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        sent += n;
    }
    return true;
}

bool CardConnection::receiveLine(QByteArray *line)
{
    line->clear();
    char chunk[256];
    while (!line->endsWith('\n')) {
        const ssize_t n = ::recv(int(m_handle), chunk, sizeof(chunk), 0);
        if (n <= 0)
            return false;
        line->append(chunk, static_cast<int>(n));
    }
    line->chop(1);
    return true;
}

bool CardConnection::connectTo(const QString &socketPath)
{
    const QByteArray path = QFile::encodeName(socketPath);
    sockaddr_un address = {};
    if (path.size() >= static_cast<int>(sizeof(address.sun_path)))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0) {
        ::close(fd);
        return false;
    }
    const timeval timeout = {answerTimeoutSeconds, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof(timeout));
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof(timeout));
    m_handle = fd;
    return true;
}
