#include "cardcommand.h"

#include <QJsonArray>

namespace {

const char *const actionNames[] = {"status",        "list-cards",    "mic-mute",      "play-mute",
                                   "style",         "eq",            "original",      "list-presets",
                                   "preset",        "import-preset", "export-preset", "save-preset"};
const char *const switchNames[] = {"off", "on", "toggle"};

template <size_t N>
int indexOf(const char *const (&names)[N], const QString &name)
{
    for (size_t i = 0; i < N; ++i) {
        if (name == QLatin1String(names[i]))
            return int(i);
    }
    return -1;
}

} // namespace

QJsonObject CardCommand::toJson() const
{
    QJsonObject object{{QStringLiteral("action"), QLatin1String(actionNames[action])}, {QStringLiteral("json"), json}};
    if (action == MicMute || action == PlayMute)
        object.insert(QStringLiteral("value"), QLatin1String(switchNames[mute]));
    else if (action == Style)
        object.insert(QStringLiteral("value"), style);
    else if (action == Eq) {
        QJsonObject values;
        for (auto it = bands.cbegin(); it != bands.cend(); ++it)
            values.insert(QString::number(Equalizer::bandHertz[it.key()]), it.value());
        object.insert(QStringLiteral("value"), values);
    } else if (action >= Preset) {
        object.insert(QStringLiteral("name"), name);
        object.insert(QStringLiteral("file"), file);
    }
    return object;
}

bool CardCommand::fromJson(const QJsonObject &object, CardCommand *command)
{
    CardCommand result;
    const int action = indexOf(actionNames, object.value(QStringLiteral("action")).toString());
    if (action < 0)
        return false;
    result.action = Action(action);
    result.json = object.value(QStringLiteral("json")).toBool();
    const QJsonValue value = object.value(QStringLiteral("value"));
    switch (result.action) {
    case MicMute:
    case PlayMute: {
        const int state = indexOf(switchNames, value.toString());
        if (state < 0)
            return false;
        result.mute = Switch(state);
        break;
    }
    case Style:
        result.style = value.toInt(-1);
        if (!Equalizer::isStyle(result.style))
            return false;
        break;
    case Eq: {
        const QJsonObject values = value.toObject();
        for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
            int band = -1;
            for (int i = 0; i < Equalizer::bandCount; ++i) {
                if (it.key() == QString::number(Equalizer::bandHertz[i]))
                    band = i;
            }
            const int gain = it.value().toInt(-1);
            if (band < 0 || gain < 0 || gain > maxBandValue)
                return false;
            result.bands.insert(band, gain);
        }
        if (result.bands.isEmpty())
            return false;
        break;
    }
    case Preset:
    case ExportPreset:
    case SavePreset:
    case ImportPreset:
        result.name = object.value(QStringLiteral("name")).toString();
        result.file = object.value(QStringLiteral("file")).toString();
        if ((result.action != ImportPreset && result.name.isEmpty())
            || ((result.action == ImportPreset || result.action == ExportPreset) && result.file.isEmpty()))
            return false;
        break;
    default:
        break;
    }
    *command = result;
    return true;
}
