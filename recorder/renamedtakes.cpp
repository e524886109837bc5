#include "renamedtakes.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QVariantMap>

namespace {

const QString Key = QStringLiteral("Recorder/RenamedTakes");

// Path of a renamed take -> the number it was recorded under.
QVariantMap remembered()
{
    return QSettings().value(Key).toMap();
}

// Takes removed or moved away by other means are forgotten as the list is written.
void store(QVariantMap takes)
{
    for (auto it = takes.begin(); it != takes.end();)
        it = QFileInfo(it.key()).isFile() ? it + 1 : takes.erase(it);
    QSettings().setValue(Key, takes);
}

QString keyOf(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool existsIn(const QString &path, const QString &folder)
{
    const QFileInfo file(path);
    return file.isFile() && file.absolutePath() == keyOf(folder);
}

} // namespace

QStringList RenamedTakes::inFolder(const QString &folder)
{
    QStringList paths;
    for (const QString &path : remembered().keys()) {
        if (existsIn(path, folder))
            paths << path;
    }
    return paths;
}

int RenamedTakes::highestNumber(const QString &folder)
{
    const QVariantMap takes = remembered();
    int highest = 0;
    for (auto it = takes.cbegin(); it != takes.cend(); ++it) {
        if (existsIn(it.key(), folder))
            highest = qMax(highest, it.value().toInt());
    }
    return highest;
}

void RenamedTakes::moved(const QString &oldPath, const QString &newPath, int number)
{
    QVariantMap takes = remembered();
    const QVariant first = takes.take(keyOf(oldPath));
    takes.insert(keyOf(newPath), first.isValid() ? first : number);
    store(takes);
}

void RenamedTakes::forget(const QString &path)
{
    QVariantMap takes = remembered();
    if (takes.remove(keyOf(path)) > 0)
        store(takes);
}
