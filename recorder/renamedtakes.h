#ifndef RENAMEDTAKES_H
#define RENAMEDTAKES_H

#include <QString>
#include <QStringList>

// The takes the user gave names of their own. The recorder's takes are found by the names it gives
// them ("clip_0001.wav"); a renamed take is found here instead. The number it was recorded under
// stays taken while it exists, so that a new take never gets the name of one the user renamed.
class RenamedTakes
{
public:
    // The renamed takes that exist in `folder`.
    static QStringList inFolder(const QString &folder);
    // The highest number the renamed takes in `folder` were recorded under; 0 for none.
    static int highestNumber(const QString &folder);
    // The take at oldPath is now at newPath; `number` is the one it was recorded under, unless it
    // had been renamed before, which keeps the first.
    static void moved(const QString &oldPath, const QString &newPath, int number);
    static void forget(const QString &path);
};

#endif // RENAMEDTAKES_H
