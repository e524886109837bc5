#include "recorderchoices.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

const QString InputKey = QStringLiteral("Recorder/Input");
const QString RateKey = QStringLiteral("Recorder/SampleRate");
const QString ChannelsKey = QStringLiteral("Recorder/Channels");

} // namespace

RecorderChoices::RecorderChoices(QObject *parent) : QObject(parent)
{
    const QSettings settings;
    m_chosen = settings.value(InputKey).toString();
    const RecordFormat stored{settings.value(RateKey, m_format.sampleRate).toInt(),
                              settings.value(ChannelsKey, m_format.channels).toInt()};
    // A format no longer offered, or written by hand, leaves the one takes always had.
    if (RecordFormat::offered().contains(stored))
        m_format = stored;
    update();
}

void RecorderChoices::setCardInput(const QString &name)
{
    m_cardInput = name.isEmpty() ? defaultInput() : name;
    update();
}

QVector<RecorderChoices::Input> RecorderChoices::inputs() const
{
    QVector<Input> inputs;
    if (m_cardInput != defaultInput())
        inputs.append({m_cardInput, cardLabel(), true});
    inputs.append({defaultInput(), tr("系统默认输入"), false});
    for (const QAudioDeviceInfo &device : systemInputs()) {
        const QString name = backendName(device.deviceName());
        if (!name.isEmpty() && name != m_cardInput)
            inputs.append({name, device.deviceName(), false});
    }
    return inputs;
}

QString RecorderChoices::inputLabel() const
{
    return m_input == m_cardInput && m_cardInput != defaultInput() ? cardLabel() : shortName(m_input);
}

QString RecorderChoices::cardLabel() const
{
    return tr("%1（声卡）").arg(shortName(m_cardInput));
}

void RecorderChoices::chooseInput(const QString &name)
{
    m_chosen = name;
    QSettings().setValue(InputKey, name);
    update();
}

void RecorderChoices::chooseFormat(const RecordFormat &format)
{
    m_format = format;
    QSettings settings;
    settings.setValue(RateKey, format.sampleRate);
    settings.setValue(ChannelsKey, format.channels);
    emit changed();
}

void RecorderChoices::update()
{
    m_input = m_cardInput;
    if (!m_chosen.isEmpty()) {
        for (const Input &offered : inputs()) {
            if (offered.name == m_chosen)
                m_input = m_chosen;
        }
    }
    emit changed();
}

QAudioDeviceInfo RecorderChoices::inputDevice() const
{
    for (const QAudioDeviceInfo &device : systemInputs()) {
        if (backendName(device.deviceName()) == m_input)
            return device;
    }
    return QAudioDeviceInfo::defaultInputDevice();
}

// Only the default audio plugin's inputs: on Linux the sound server's sources, on Windows the
// system's capture devices. Other plugins list raw ALSA devices, which the sound server holds.
QVector<QAudioDeviceInfo> RecorderChoices::systemInputs()
{
    const QString realm = QAudioDeviceInfo::defaultInputDevice().realm();
    QVector<QAudioDeviceInfo> devices;
    for (const QAudioDeviceInfo &device : QAudioDeviceInfo::availableDevices(QAudio::AudioInput)) {
        if (!realm.isEmpty() && device.realm() == realm)
            devices.append(device);
    }
    return devices;
}

QString RecorderChoices::shortName(const QString &input)
{
    if (input.isEmpty() || input == defaultInput())
        return tr("系统默认输入");
    for (const QString &prefix : {QStringLiteral("alsa:pulse:DEVICE="), QStringLiteral("alsa:plughw:CARD="), QStringLiteral("alsa:")}) {
        if (input.startsWith(prefix))
            return input.mid(prefix.size()).section(QLatin1Char(','), 0, 0).remove(QLatin1Char('"'));
    }
    return input;
}
