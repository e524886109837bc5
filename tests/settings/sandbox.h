#ifndef SANDBOX_H
#define SANDBOX_H

#include <QByteArray>
#include <QTemporaryDir>

// Gives the test process a home and configuration/data folders of its own, also when the test
// binary is started by hand, so that it never reads or overwrites a person's settings.
struct Sandbox
{
    Sandbox()
    {
        for (const char *var : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
            qputenv(var, dir.filePath(var).toUtf8());
    }
    QString configHome() const { return dir.filePath("XDG_CONFIG_HOME"); }
    QString dataHome() const { return dir.filePath("XDG_DATA_HOME"); }

    QTemporaryDir dir;
};

#endif
