#include "takelist.h"

#include "renamedtakes.h"
#include "takespace.h"
#include "takeversions.h"
#include "wavefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QString Suffix = QStringLiteral(".wav");

QString nativeName(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

TakeList::Take describe(const QFileInfo &file)
{
    WaveFile reader;
    TakeList::Take take;
    take.path = file.absoluteFilePath();
    take.recorded = file.lastModified();
    take.bytes = file.size();
    if (reader.readHeaderOnly(take.path))
        take.durationMs = reader.durationMs();
    return take;
}

// Moves each of `from` to the same place in `to`; on a failure, those already moved go back.
bool moveAll(const QStringList &from, const QStringList &to, QString *error)
{
    for (int i = 0; i < from.size(); ++i) {
        QFile file(from.at(i));
        if (file.rename(to.at(i)))
            continue;
        *error = TakeList::tr("无法重命名 %1：%2").arg(nativeName(from.at(i)), file.errorString());
        while (--i >= 0)
            QFile::rename(to.at(i), from.at(i));
        return false;
    }
    return true;
}

} // namespace

QVector<TakeList::Take> TakeList::takes(const QString &folder)
{
    QVector<Take> takes;
    for (const QFileInfo &file : QDir(folder).entryInfoList({QStringLiteral("clip_*.wav")}, QDir::Files)) {
        if (TakeSpace::takeNumber(file.fileName()) >= 0)
            takes << describe(file);
    }
    for (const QString &path : RenamedTakes::inFolder(folder))
        takes << describe(QFileInfo(path));
    std::sort(takes.begin(), takes.end(), [](const Take &a, const Take &b) { return a.recorded > b.recorded; });
    return takes;
}

QStringList TakeList::versionsOf(const QString &takePath)
{
    const TakeVersions versions(takePath);
    const QDir folder = QFileInfo(takePath).absoluteDir();
    QStringList paths;
    for (const QString &name : folder.entryList(QDir::Files)) {
        if (versions.isVersionName(name))
            paths << folder.filePath(name);
    }
    return paths;
}

QString TakeList::rename(const QString &takePath, const QString &newName, QString *error)
{
    QString base = newName.trimmed();
    if (base.endsWith(Suffix, Qt::CaseInsensitive))
        base.chop(Suffix.size());
    const QFileInfo take(takePath);
    const QString newPath = take.absoluteDir().filePath(base + Suffix);
    if (newPath == take.absoluteFilePath())
        return newPath;
    *error = nameProblem(base);
    if (error->isEmpty())
        *error = conflictIn(takePath, newPath);
    if (!error->isEmpty())
        return QString();
    const TakeVersions versions(takePath);
    QStringList from{take.absoluteFilePath()};
    QStringList to{newPath};
    for (const QString &version : versionsOf(takePath)) {
        from << version;
        to << versions.renamedPath(version, newPath);
    }
    if (!moveAll(from, to, error))
        return QString();
    RenamedTakes::moved(takePath, newPath, TakeSpace::takeNumber(take.fileName()));
    return newPath;
}

// What is wrong with a name as such: empty, a character a file name cannot hold everywhere (a dot
// would make its versions' names ambiguous), or a name the recorder gives or finds its takes by.
QString TakeList::nameProblem(const QString &baseName)
{
    static const QRegularExpression bad(QStringLiteral("[\\\\/:*?\"<>|.\\x00-\\x1f]"));
    if (baseName.isEmpty())
        return tr("请输入录音的名称。");
    if (bad.match(baseName).hasMatch())
        return tr("名称不能含有 \\ / : * ? \" < > |、句点或控制字符。");
    const bool recorderName = TakeSpace::takeNumber(baseName + Suffix) >= 0
        || baseName.compare(QStringLiteral("clip"), Qt::CaseInsensitive) == 0;
    if (recorderName)
        return tr("“%1”这样的名称留给新的录音，请换一个名称。").arg(baseName);
    return QString();
}

// A file the new name would clash with: one of that name, one that would count as a version of
// the renamed take, or another take whose version the renamed take would look like.
QString TakeList::conflictIn(const QString &takePath, const QString &newPath)
{
    const QFileInfo take(takePath);
    const TakeVersions newVersions(newPath);
    const QString newFile = QFileInfo(newPath).fileName();
    const QDir folder = take.absoluteDir();
    for (const QString &name : folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden)) {
        if (name != take.fileName() && (name == newFile || newVersions.isVersionName(name)))
            return tr("%1 已经存在，请换一个名称。").arg(nativeName(folder.filePath(name)));
    }
    for (const Take &other : takes(take.absolutePath())) {
        if (other.path != take.absoluteFilePath() && TakeVersions(other.path).isVersionName(newFile))
            return tr("“%1”会被当作 %2 的剪切版本，请换一个名称。")
                .arg(QFileInfo(newPath).completeBaseName(), QFileInfo(other.path).fileName());
    }
    return QString();
}

bool TakeList::moveToTrash(const QString &takePath, QString *error)
{
    const QStringList versions = versionsOf(takePath);
    QFile take(takePath);
    if (!take.moveToTrash()) {
        *error = tr("无法把 %1 移到回收站，它仍在原处：%2").arg(nativeName(takePath), take.errorString());
        return false;
    }
    RenamedTakes::forget(takePath);
    QStringList left;
    for (const QString &version : versions) {
        if (!QFile::moveToTrash(version))
            left << nativeName(version);
    }
    if (!left.isEmpty())
        *error = tr("录音已移到回收站，但这些剪切版本没有，仍在原处：\n%1")
                     .arg(left.join(QLatin1Char('\n')));
    return left.isEmpty();
}
