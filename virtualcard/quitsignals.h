#ifndef QUITSIGNALS_H
#define QUITSIGNALS_H

class QCoreApplication;

// Ends the card's event loop when it is asked to stop (SIGTERM, SIGINT, SIGHUP; on Windows Ctrl+C,
// Ctrl+Break and the console closing), so that it is pulled out cleanly and leaves nothing on the
// bus. A card killed outright is pulled out too; what it leaves behind refuses connections.
class QuitSignals
{
public:
    static void install(QCoreApplication *app);
};

#endif // QUITSIGNALS_H
