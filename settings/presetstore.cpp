#include "presetstore.h"

#include "configfile.h"
#include "equalizerlines.h"
#include "presetfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString suffix = QStringLiteral(".json");
// Enough to tell presets apart in a file manager; the name itself is kept whole inside the file.
constexpr int fileNameLength = 80;

QVariantList bandList(const Preset &preset)
{
    QVariantList list;
    for (int value : preset.bands)
        list << value;
    return list;
}

bool readBands(const QVariantList &list, Preset *preset)
{
    if (list.size() != Equalizer::bandCount)
        return false;
    for (int band = 0; band < Equalizer::bandCount; ++band) {
        bool ok = false;
        const int value = list.at(band).toInt(&ok);
        if (!ok || value < 0 || value > Preset::maxValue)
            return false;
        preset->bands[band] = value;
    }
    return true;
}

// A file name any system takes, made from the preset's name.
QString fileStem(const QString &name)
{
    QString stem = name.left(fileNameLength);
    for (QChar &c : stem) {
        if (c.category() == QChar::Other_Control || QStringLiteral("\\/:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    if (stem.startsWith(QLatin1Char('.')))
        stem[0] = QLatin1Char('_');
    return stem;
}

} // namespace

PresetStore *PresetStore::instance()
{
    static PresetStore store;
    return &store;
}

PresetStore::PresetStore(QObject *parent)
    : QObject(parent), m_folder(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/presets"))
{
}

QList<PresetStore::Entry> PresetStore::entries() const
{
    QList<Entry> list;
    const QFileInfoList files = QDir(m_folder).entryInfoList({QLatin1Char('*') + suffix}, QDir::Files, QDir::Name);
    for (const QFileInfo &info : files) {
        Entry entry{info.fileName(), {}, {}};
        QFile file(info.filePath());
        if (info.size() > PresetFile::maxSize)
            entry.damage = PresetFile::tooLarge();
        else if (!file.open(QIODevice::ReadOnly))
            entry.damage = file.errorString();
        else
            PresetFile::read(file.readAll(), &entry.preset, &entry.damage);
        list << entry;
    }
    std::stable_sort(list.begin(), list.end(), [](const Entry &a, const Entry &b) {
        if (a.damage.isEmpty() != b.damage.isEmpty())
            return a.damage.isEmpty();
        return a.preset.name.localeAwareCompare(b.preset.name) < 0;
    });
    return list;
}

QVariantList PresetStore::list() const
{
    QVariantList list;
    for (const Entry &entry : entries()) {
        list << QVariantMap{{QStringLiteral("name"), entry.preset.name},
                            {QStringLiteral("bands"), bandList(entry.preset)},
                            {QStringLiteral("note"), entry.preset.note},
                            {QStringLiteral("damaged"), !entry.damage.isEmpty()},
                            {QStringLiteral("reason"), entry.damage},
                            {QStringLiteral("file"), entry.fileName}};
    }
    return list;
}

QString PresetStore::find(const QString &name, Preset *preset) const
{
    for (const Entry &entry : entries()) {
        if (entry.damage.isEmpty() && entry.preset.name == name.trimmed()) {
            *preset = entry.preset;
            return {};
        }
    }
    return tr("没有名为“%1”的预设").arg(name);
}

// The reason a name cannot be given to a new or renamed preset; names differing only in case count
// as the same, as they look the same in a menu.
QString PresetStore::checkedName(const QString &name) const
{
    if (name.trimmed().isEmpty())
        return tr("预设名称不能为空");
    for (const Entry &entry : entries()) {
        if (entry.damage.isEmpty() && entry.preset.name.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return tr("已有名为“%1”的预设").arg(entry.preset.name);
    }
    return {};
}

QString PresetStore::freeFileName(const QString &name) const
{
    const QString stem = fileStem(name);
    QString fileName = stem + suffix;
    for (int n = 2; QFileInfo::exists(QDir(m_folder).filePath(fileName)); ++n)
        fileName = QStringLiteral("%1-%2%3").arg(stem).arg(n).arg(suffix);
    return fileName;
}

QString PresetStore::writeFile(const QString &path, const Preset &preset) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(PresetFile::write(preset)) < 0 || !file.commit())
        return tr("无法写入 %1：%2").arg(QDir::toNativeSeparators(path), file.errorString());
    return {};
}

QString PresetStore::add(const Preset &preset)
{
    QString why = checkedName(preset.name);
    if (!why.isEmpty())
        return why;
    Preset named = preset;
    named.name = preset.name.trimmed();
    if (!QDir().mkpath(m_folder))
        return tr("无法创建文件夹 %1").arg(QDir::toNativeSeparators(m_folder));
    why = writeFile(QDir(m_folder).filePath(freeFileName(named.name)), named);
    if (why.isEmpty())
        emit presetsChanged();
    return why;
}

QString PresetStore::save(const QString &name, const QVariantList &bands)
{
    Preset preset;
    preset.name = name;
    if (!readBands(bands, &preset))
        return tr("频段应为五个 0..43 的整数");
    return add(preset);
}

QString PresetStore::rename(const QString &name, const QString &newName)
{
    for (const Entry &entry : entries()) {
        if (!entry.damage.isEmpty() || entry.preset.name != name)
            continue;
        if (newName.trimmed() == name)
            return {};
        // The old name itself is free for a change of case.
        const QString why = newName.trimmed().compare(name, Qt::CaseInsensitive) == 0 ? QString() : checkedName(newName);
        if (!why.isEmpty())
            return why;
        Preset renamed = entry.preset;
        renamed.name = newName.trimmed();
        const QString written = writeFile(QDir(m_folder).filePath(entry.fileName), renamed);
        if (written.isEmpty())
            emit presetsChanged();
        return written;
    }
    return tr("没有名为“%1”的预设").arg(name);
}

QString PresetStore::remove(const QString &name)
{
    for (const Entry &entry : entries()) {
        if (entry.preset.name != name && entry.fileName != name)
            continue;
        QFile file(QDir(m_folder).filePath(entry.fileName));
        if (!file.remove())
            return tr("无法删除 %1：%2").arg(entry.fileName, file.errorString());
        emit presetsChanged();
        return {};
    }
    return tr("没有名为“%1”的预设").arg(name);
}

QVariantMap PresetStore::readImport(const QString &path) const
{
    QVariantMap result{{QStringLiteral("error"), QString()}};
    QFile file(path);
    QString why;
    Preset preset;
    if (QFileInfo(path).size() > PresetFile::maxSize)
        why = PresetFile::tooLarge();
    else if (!file.open(QIODevice::ReadOnly))
        why = tr("无法读取 %1：%2").arg(QDir::toNativeSeparators(path), file.errorString());
    else {
        const QByteArray bytes = file.readAll();
        EqualizerLines::Result sampled;
        if (PresetFile::looksLikeJson(bytes))
            PresetFile::read(bytes, &preset, &why);
        else if (EqualizerLines::read(bytes, &sampled, &why)) {
            preset.name = QFileInfo(path).completeBaseName();
            preset.bands = sampled.bands;
            result.insert(QStringLiteral("clamped"), sampled.clamped);
        }
    }
    result.insert(QStringLiteral("error"), why);
    result.insert(QStringLiteral("name"), preset.name);
    result.insert(QStringLiteral("bands"), bandList(preset));
    result.insert(QStringLiteral("note"), preset.note);
    return result;
}

QString PresetStore::exportTo(const QString &name, const QString &path) const
{
    Preset preset;
    const QString why = find(name, &preset);
    return why.isEmpty() ? writeFile(path, preset) : why;
}

QString PresetStore::storeIntoStyle(const QString &name, int style, bool takeName)
{
    Preset preset;
    const QString why = find(name, &preset);
    if (!why.isEmpty())
        return why;
    if (!Equalizer::isStyle(style))
        return tr("风格应为 0..3");
    ConfigFile *config = ConfigFile::instance();
    for (int band = 0; band < Equalizer::bandCount; ++band)
        config->saveEqualizerConfig(style, band, preset.bands[band]);
    if (takeName)
        config->setCustomText(style, preset.name);
    return {};
}
