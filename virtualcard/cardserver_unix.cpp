#include "cardserver.h"

// The listening socket's file is the card's entry on the bus: the server makes and removes it.
void CardServer::showOnBus()
{
}

void CardServer::leaveBus()
{
}
