#include "takespace.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QStandardPaths>
#include <QStorageInfo>

QString TakeSpace::nextTakeFolder()
{
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    return QDir(music).exists() ? music : QDir::homePath();
}

qint64 TakeSpace::bytesFree(const QString &folder)
{
    const QStorageInfo storage(folder);
    return storage.isValid() ? storage.bytesAvailable() : -1;
}

QString TakeSpace::notEnoughToStart(const QString &folder, qint64 freeBytes)
{
    const QLocale locale;
    return QCoreApplication::translate("TakeSpace", "%1 中只剩 %2 可用空间，不够录 10 分钟（%3）。请腾出空间后再录音。")
        .arg(QDir::toNativeSeparators(folder), locale.formattedDataSize(freeBytes), locale.formattedDataSize(StartBytes));
}

QString TakeSpace::stoppedForWantOfRoom(const QString &folder, qint64 freeBytes)
{
    return QCoreApplication::translate("TakeSpace", "%1 中只剩 %2 可用空间，录音已停止并保存。")
        .arg(QDir::toNativeSeparators(folder), QLocale().formattedDataSize(freeBytes));
}
