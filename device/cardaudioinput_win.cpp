#include "cardaudioinput.h"

#include "win32audioinput.h"

#include <QAudioRecorder>

QString CardAudioInput::inputName() const
{
    std::vector<win32audio::CaptureEndpoint> endpoints;
    if (!win32audio::listCaptureEndpoints(&endpoints))
        return defaultInput();
    const int found = win32audio::findUsbEndpoint(endpoints, quint16(m_vendorId), quint16(m_productId));
    if (found < 0)
        return defaultInput();
    const QString endpointName = QString::fromStdWString(endpoints[size_t(found)].name);
    const QString name = backendNameForEndpoint(endpointName, m_backendInputs ? m_backendInputs() : listBackendInputs());
    return name.isEmpty() ? defaultInput() : name;
}

QStringList CardAudioInput::listBackendInputs()
{
    QAudioRecorder recorder;
    return recorder.audioInputs();
}
