#include "takeversions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TakeVersions::TakeVersions(const QString &takePath)
{
    const QFileInfo take(takePath);
    m_folder = take.path();
    m_takeName = take.fileName();
    m_baseName = take.baseName();
    m_suffix = take.suffix();
    const QString dottedSuffix = m_suffix.isEmpty() ? QString() : "\\." + QRegularExpression::escape(m_suffix);
    m_versionName.setPattern("\\A" + QRegularExpression::escape(m_baseName) + "_[0-9]+" + dottedSuffix + "\\z");
}

QString TakeVersions::versionPath(int n) const
{
    const QString name = m_baseName + "_" + QString::number(n) + (m_suffix.isEmpty() ? "" : "." + m_suffix);
    return m_folder + "/" + name;
}

int TakeVersions::nextFreeNumber(int from) const
{
    int n = from;
    while (QFileInfo::exists(versionPath(n)))
        ++n;
    return n;
}

bool TakeVersions::isTakeOrVersion(const QString &path) const
{
    const QFileInfo file(path);
    const QString folder = QDir(m_folder).canonicalPath();
    const bool sameFolder = !folder.isEmpty() && file.absoluteDir().canonicalPath() == folder;
    return sameFolder && !m_takeName.isEmpty() && (file.fileName() == m_takeName || isVersionName(file.fileName()));
}

bool TakeVersions::isVersionName(const QString &fileName) const
{
    return !m_baseName.isEmpty() && m_versionName.match(fileName).hasMatch();
}

int TakeVersions::versionNumber(const QString &fileName) const
{
    if (!isVersionName(fileName))
        return -1;
    // The digits between the base name's "_" and the suffix.
    return fileName.mid(m_baseName.size() + 1).section(QLatin1Char('.'), 0, 0).toInt();
}

QString TakeVersions::renamedPath(const QString &path, const QString &newTakePath) const
{
    const QFileInfo file(path);
    if (file.absolutePath() != QFileInfo(m_folder).absoluteFilePath())
        return path;
    if (file.fileName() == m_takeName)
        return newTakePath;
    const int number = versionNumber(file.fileName());
    return number < 0 ? path : TakeVersions(newTakePath).versionPath(number);
}

QStringList TakeVersions::removeVersions(const QStringList &paths) const
{
    QStringList removed;
    for (const QString &path : paths) {
        const QFileInfo file(path);
        if (!isVersionName(file.fileName()) || !file.isFile() || file.isSymLink()
            || QDir(file.absolutePath()).canonicalPath() != QDir(m_folder).canonicalPath())
            continue;
        if (QFile::remove(file.filePath()))
            removed << file.filePath();
    }
    return removed;
}
