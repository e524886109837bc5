#ifndef TAKESPACE_H
#define TAKESPACE_H

#include <QString>
#include <QStringList>

// Room on the disk for takes: a take starts only with room for ten minutes of it, and is finished
// while about a minute's room is left, so that its file can still be completed.
class TakeSpace
{
public:
    // Seconds of the take's format.
    static constexpr int StartSeconds = 10 * 60;
    static constexpr int ReserveSeconds = 60;

    // The folders a take is written into, in this order: the first that exists and may be written
    // gets it.
    static QStringList takeFolders();
    // The folder the recorder writes the next take into.
    static QString nextTakeFolder();
    // The file of the next take in `folder`: "clip_" and the number after the highest take's there
    // (four digits at least; a take the user renamed keeps its number), then ".wav".
    static QString nextTakePath(const QString &folder);
    // The number in one of the recorder's take names ("clip_0012.wav" has 12); -1 for other names.
    static int takeNumber(const QString &fileName);
    // Free bytes for this user on the disk holding `folder`; -1 when it cannot be told.
    static qint64 bytesFree(const QString &folder);
    // What the user is told when a take cannot start for want of room.
    static QString notEnoughToStart(const QString &folder, qint64 freeBytes, qint64 bytesPerSecond);
    static QString stoppedForWantOfRoom(const QString &folder, qint64 freeBytes);
};

#endif // TAKESPACE_H
