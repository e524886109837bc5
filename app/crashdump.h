#ifndef CRASHDUMP_H
#define CRASHDUMP_H

#include <QString>

// Leaves one dump file in the data folder when the process crashes; every crash replaces the last dump.
class CrashDump
{
public:
    // Needs the application identity set: the dump goes to its data folder, named after the application.
    static void install();

    // The data folder's dump file; creates the folder when it is missing.
    static QString dumpPath();

private:
    static void installHandler(const QString &path);
};

#endif
