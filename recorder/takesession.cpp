#include "takesession.h"

void TakeSession::start(const QString &takePath)
{
    m_takePath = takePath;
    m_current = takePath;
    m_undo.clear();
    m_redo.clear();
    m_made.clear();
    m_cutIndex = 1;
}

void TakeSession::renameTake(const QString &newTakePath)
{
    const TakeVersions old = versions();
    m_current = old.renamedPath(m_current, newTakePath);
    for (QStringList *paths : {&m_undo, &m_redo, &m_made}) {
        for (QString &path : *paths)
            path = old.renamedPath(path, newTakePath);
    }
    m_takePath = newTakePath;
}

QString TakeSession::nextCutPath()
{
    const TakeVersions names = versions();
    m_cutIndex = names.nextFreeNumber(m_cutIndex);
    return names.versionPath(m_cutIndex);
}

void TakeSession::applyCut(const QString &cutPath)
{
    ++m_cutIndex;
    m_made.append(cutPath);
    m_undo.append(m_current);
    m_current = cutPath;
    m_redo.clear();
}

bool TakeSession::undo()
{
    if (m_undo.isEmpty())
        return false;
    m_redo.append(m_current);
    m_current = m_undo.takeLast();
    return true;
}

bool TakeSession::redo()
{
    if (m_redo.isEmpty())
        return false;
    m_undo.append(m_current);
    m_current = m_redo.takeLast();
    return true;
}

QStringList TakeSession::reachable() const
{
    return QStringList(m_undo) << m_current << m_redo;
}

QStringList TakeSession::orphans() const
{
    const QStringList kept = reachable();
    QStringList orphans;
    for (const QString &path : m_made) {
        if (!kept.contains(path))
            orphans << path;
    }
    return orphans;
}

bool TakeSession::isOwnFile(const QString &path) const
{
    // The current version is always the take or one of its versions.
    return versions().isTakeOrVersion(path);
}
