#ifndef TAKELIST_H
#define TAKELIST_H

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

// The takes in a folder the recorder writes into: its own ("clip_0001.wav") and those the user
// renamed, never their cut versions; and what the user may do to one besides opening it: rename it
// or move it to the trash, its versions going with it either way. Nothing is lost on a failure: what
// was moved before it goes back.
class TakeList
{
    Q_DECLARE_TR_FUNCTIONS(TakeList)

public:
    struct Take
    {
        QString path;
        QDateTime recorded;     // when its audio was last written
        qint64 durationMs = -1; // -1 when the file cannot be read as a take
        qint64 bytes = 0;
    };

    // Newest first.
    static QVector<Take> takes(const QString &folder);
    // The take's cut versions beside it.
    static QStringList versionsOf(const QString &takePath);
    // Renames the take and its versions to newName, a base name (".wav" may be typed or not).
    // Returns the take's new path; empty, with *error saying why, when nothing was renamed.
    static QString rename(const QString &takePath, const QString &newName, QString *error);
    // Moves the take and then its versions to the trash. False, with *error saying why, when not all
    // of them went; what did not go stays where it was.
    static bool moveToTrash(const QString &takePath, QString *error);

private:
    static QString nameProblem(const QString &baseName);
    static QString conflictIn(const QString &takePath, const QString &newPath);
};

#endif // TAKELIST_H
