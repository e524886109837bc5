#include "presetcommand.h"

#include "cardrunner.h"
#include "device/parameterblock.h"
#include "settings/presetstore.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <cmath>

namespace {

void refuse(const QString &why, CommandAnswer *answer)
{
    answer->exitCode = CommandExit::usage;
    answer->err += QStringLiteral("velora: %1\n").arg(why);
}

QJsonObject byBand(const Preset &preset, bool decibels)
{
    QJsonObject bands;
    for (int band = 0; band < Equalizer::bandCount; ++band) {
        const int value = preset.bands[band];
        bands.insert(QString::number(Equalizer::bandHertz[band]),
                     decibels ? QJsonValue(std::round(Preset::decibels(value) * 100) / 100) : QJsonValue(value));
    }
    return bands;
}

QString bandsText(const Preset &preset)
{
    QStringList items;
    for (int band = 0; band < Equalizer::bandCount; ++band) {
        items << QStringLiteral("%1=%2(%3 dB)")
                     .arg(Equalizer::bandHertz[band])
                     .arg(preset.bands[band])
                     .arg(Preset::decibels(preset.bands[band]), 0, 'f', 1);
    }
    return items.join(QLatin1Char(' '));
}

QString listing(bool json)
{
    QJsonArray array;
    QString text;
    for (const PresetStore::Entry &entry : PresetStore::instance()->entries()) {
        const bool damaged = !entry.damage.isEmpty();
        array.append(QJsonObject{{QStringLiteral("name"), entry.preset.name},
                                 {QStringLiteral("file"), entry.fileName},
                                 {QStringLiteral("damaged"), damaged},
                                 {QStringLiteral("reason"), entry.damage},
                                 {QStringLiteral("note"), entry.preset.note},
                                 {QStringLiteral("bands"), damaged ? QJsonValue() : byBand(entry.preset, false)},
                                 {QStringLiteral("dB"), damaged ? QJsonValue() : byBand(entry.preset, true)}});
        text += damaged ? QCoreApplication::translate("PresetCommand", "[已损坏] %1：%2\n").arg(entry.fileName, entry.damage)
                        : QStringLiteral("%1\t%2\n").arg(entry.preset.name, bandsText(entry.preset));
    }
    return json ? QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact)) + QLatin1Char('\n') : text;
}

void importFile(const CardCommand &command, CommandAnswer *answer)
{
    const QVariantMap read = PresetStore::instance()->readImport(command.file);
    QString why = read.value(QStringLiteral("error")).toString();
    const QString name = command.name.isEmpty() ? read.value(QStringLiteral("name")).toString() : command.name;
    if (why.isEmpty())
        why = PresetStore::instance()->save(name, read.value(QStringLiteral("bands")).toList());
    if (!why.isEmpty())
        return refuse(why, answer);
    const QString clamped = read.value(QStringLiteral("clamped")).toString();
    answer->out = QCoreApplication::translate("PresetCommand", "已导入预设“%1”\n").arg(name.trimmed());
    if (!clamped.isEmpty())
        answer->out += clamped + QLatin1Char('\n');
}

void savePreset(const CardCommand &command, CommandAnswer *answer)
{
    const ParameterBlock &block = ParameterBlock::instance();
    Preset preset;
    preset.name = command.name;
    for (int i = 0; i < Equalizer::bandCount; ++i)
        preset.bands[i] = block.band(i);
    const QString why = PresetStore::instance()->add(preset);
    if (!why.isEmpty())
        refuse(why, answer);
}

void applyPreset(const CardCommand &command, CardControl *control, CommandAnswer *answer)
{
    Preset preset;
    const QString why = PresetStore::instance()->find(command.name, &preset);
    if (!why.isEmpty())
        return refuse(why, answer);
    CardCommand resolved = command;
    for (int band = 0; band < Equalizer::bandCount; ++band)
        resolved.bands.insert(band, preset.bands[band]);
    CardRunner::apply(*control, resolved, answer);
}

} // namespace

bool PresetCommand::handles(CardCommand::Action action)
{
    return action >= CardCommand::ListPresets;
}

bool PresetCommand::needsCard(CardCommand::Action action)
{
    return action == CardCommand::Preset || action == CardCommand::SavePreset;
}

void PresetCommand::run(const CardCommand &command, CardControl *control, CommandAnswer *answer)
{
    switch (command.action) {
    case CardCommand::ListPresets:
        answer->out = listing(command.json);
        break;
    case CardCommand::ImportPreset:
        importFile(command, answer);
        break;
    case CardCommand::ExportPreset: {
        const QString why = PresetStore::instance()->exportTo(command.name, command.file);
        if (!why.isEmpty())
            refuse(why, answer);
        break;
    }
    case CardCommand::SavePreset:
        savePreset(command, answer);
        break;
    case CardCommand::Preset:
        applyPreset(command, control, answer);
        break;
    default:
        break;
    }
}
