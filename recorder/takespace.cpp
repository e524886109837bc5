#include "takespace.h"

#include "renamedtakes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStorageInfo>

QStringList TakeSpace::takeFolders()
{
    const QDir home = QDir::home();
    QStringList folders{QStandardPaths::writableLocation(QStandardPaths::MusicLocation), home.filePath("Documents"),
                        home.filePath("My Documents"), QDir::homePath(), QDir::currentPath(), QDir::tempPath()};
    folders.removeDuplicates();
    return folders;
}

QString TakeSpace::nextTakeFolder()
{
    for (const QString &folder : takeFolders()) {
        const QFileInfo info(folder);
        if (info.isDir() && info.isWritable())
            return folder;
    }
    return QDir::homePath();
}

int TakeSpace::takeNumber(const QString &fileName)
{
    static const QRegularExpression takeName(QStringLiteral("\\Aclip_([0-9]+)\\.wav\\z"));
    const QRegularExpressionMatch match = takeName.match(fileName);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString TakeSpace::nextTakePath(const QString &folder)
{
    int highest = RenamedTakes::highestNumber(folder);
    for (const QString &name : QDir(folder).entryList({QStringLiteral("clip_*.wav")}, QDir::Files))
        highest = qMax(highest, takeNumber(name));
    return QDir(folder).filePath(QStringLiteral("clip_%1.wav").arg(highest + 1, 4, 10, QLatin1Char('0')));
}

qint64 TakeSpace::bytesFree(const QString &folder)
{
    const QStorageInfo storage(folder);
    return storage.isValid() ? storage.bytesAvailable() : -1;
}

QString TakeSpace::notEnoughToStart(const QString &folder, qint64 freeBytes, qint64 bytesPerSecond)
{
    const QLocale locale;
    return QCoreApplication::translate("TakeSpace", "%1 中只剩 %2 可用空间，不够录 10 分钟（%3）。请腾出空间后再录音。")
        .arg(QDir::toNativeSeparators(folder), locale.formattedDataSize(freeBytes), locale.formattedDataSize(StartSeconds * bytesPerSecond));
}

QString TakeSpace::stoppedForWantOfRoom(const QString &folder, qint64 freeBytes)
{
    return QCoreApplication::translate("TakeSpace", "%1 中只剩 %2 可用空间，录音已停止并保存。")
        .arg(QDir::toNativeSeparators(folder), QLocale().formattedDataSize(freeBytes));
}
