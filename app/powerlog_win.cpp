#include "powerlog.h"

bool PowerLog::watch()
{
    // Windows sends power and session messages to the main window, which forwards them here.
    return false;
}
