#ifndef PRESETSTORE_H
#define PRESETSTORE_H

#include "preset.h"

#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

// The user's presets, one file each in the folder "presets" of the data folder. Any number of them;
// a file that cannot be read is listed as damaged with its reason and never applied. Each operation
// reads or writes the folder when it is called (nothing is cached), so a change made by a command is
// seen at once; presetsChanged tells the page to list them again. Operations that can be refused
// return the reason, empty when done; a refused one changes nothing.
class PresetStore : public QObject
{
    Q_OBJECT
public:
    struct Entry
    {
        QString fileName;
        Preset preset;
        QString damage; // why the file cannot be read; empty for a good one
    };

    static PresetStore *instance();
    explicit PresetStore(QObject *parent = nullptr);

    QString folder() const { return m_folder; }
    // By name; the damaged ones (by file name) after them.
    QList<Entry> entries() const;
    QString find(const QString &name, Preset *preset) const;
    QString add(const Preset &preset);

    // Each entry as {name, bands, note, damaged, reason, file}.
    Q_INVOKABLE QVariantList list() const;
    Q_INVOKABLE QString save(const QString &name, const QVariantList &bands);
    Q_INVOKABLE QString rename(const QString &name, const QString &newName);
    Q_INVOKABLE QString remove(const QString &name);
    // Reads a preset file or a GraphicEQ line without saving anything, so that it can be shown first:
    // {error, name, bands, clamped}.
    Q_INVOKABLE QVariantMap readImport(const QString &path) const;
    Q_INVOKABLE QString exportTo(const QString &name, const QString &path) const;
    // Writes the preset's bands into the style's group of setting.ini, and its name as the style's
    // name when `takeName`.
    Q_INVOKABLE QString storeIntoStyle(const QString &name, int style, bool takeName);

signals:
    void presetsChanged();

private:
    QString checkedName(const QString &name) const;
    QString freeFileName(const QString &name) const;
    QString writeFile(const QString &path, const Preset &preset) const;

    QString m_folder;
};

#endif // PRESETSTORE_H
