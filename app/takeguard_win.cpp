#include "takeguard.h"

// Windows asks each window before the session ends (WM_QUERYENDSESSION), and the main window
// finishes the take there, holding the shutdown with a reason while it does; there is nothing to
// take beforehand.
struct TakeGuard::Lock
{
};

TakeGuard::TakeGuard(QObject *parent) : QObject(parent), m_lock(new Lock) {}

TakeGuard::~TakeGuard() = default;

bool TakeGuard::isHolding() const
{
    return false;
}

void TakeGuard::setRecording(bool)
{
}
