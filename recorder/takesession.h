#ifndef TAKESESSION_H
#define TAKESESSION_H

#include "takeversions.h"

#include <QString>
#include <QStringList>

// The editing state of one take: its current version, the versions undo and redo lead to, the
// number of the next cut and the job that is running on it. Versions are files beside the take;
// nothing here touches them but the choice of a free name.
class TakeSession
{
public:
    enum class Job { None, Cutting, Exporting };

    // A new take: it is its own current version, with nothing to undo or redo; cuts count from 1.
    void start(const QString &takePath);

    QString takePath() const { return m_takePath; }
    QString current() const { return m_current; }
    QStringList undoPaths() const { return m_undo; }
    QStringList redoPaths() const { return m_redo; }
    int cutIndex() const { return m_cutIndex; }
    bool hasTake() const { return !m_current.isEmpty(); }
    bool canUndo() const { return !m_undo.isEmpty(); }
    bool canRedo() const { return !m_redo.isEmpty(); }

    // The file the next cut goes to: the next free version number from cutIndex() on (a file that
    // exists, a leftover or anyone else's, is passed over).
    QString nextCutPath();
    // The cut made it to cutPath: the version before it can be undone, and what was undone is gone.
    void applyCut(const QString &cutPath);
    // The take was renamed, its versions with it: every version undo and redo reach follows.
    void renameTake(const QString &newTakePath);
    // Both return false and change nothing when there is nothing to go back or forth to.
    bool undo();
    bool redo();

    // Every version undo or redo can still reach, the current one included.
    QStringList reachable() const;
    // The versions this session cut that undo and redo can no longer reach. Version files it did not
    // make (an earlier take's of the same name, anyone else's) are never among them.
    QStringList orphans() const;
    // Whether a path names the take or one of its versions: never a target for an export.
    bool isOwnFile(const QString &path) const;

    Job job() const { return m_job; }
    void setJob(Job job) { m_job = job; }
    bool busy() const { return m_job != Job::None; }

private:
    TakeVersions versions() const { return TakeVersions(m_takePath); }

    QString m_takePath;
    QString m_current;
    QStringList m_undo;  // newest last
    QStringList m_redo;  // newest last
    QStringList m_made;  // every version cut since the take started
    int m_cutIndex = 1;
    Job m_job = Job::None;
};

#endif // TAKESESSION_H
