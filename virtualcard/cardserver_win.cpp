#include "cardserver.h"

#include <QFile>

// A named pipe leaves nothing in the bus folder, so the card puts an empty file there under the
// server's name. A card that is killed leaves it behind; its pipe is gone with the process, so the
// program and the stand-in library find nothing listening there and pass it over.
void CardServer::showOnBus()
{
    QFile entry(m_server.serverName());
    entry.open(QIODevice::WriteOnly);
}

void CardServer::leaveBus()
{
    QFile::remove(m_server.serverName());
}
