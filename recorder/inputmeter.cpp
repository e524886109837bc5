#include "inputmeter.h"

#include "bufferlevels.h"

#include <QAudioBuffer>
#include <QAudioInput>
#include <QtMath>

InputMeter::InputMeter(QObject *parent) : QObject(parent)
{
}

InputMeter::~InputMeter()
{
    stop();
}

void InputMeter::start(const QAudioDeviceInfo &device, const QAudioFormat &format)
{
    if (m_input && m_device == device && m_format == format)
        return;
    stop();
    m_device = device;
    m_format = format;
    if (device.isNull())
        return;
    m_input = new QAudioInput(device, device.isFormatSupported(format) ? format : device.nearestFormat(format));
    // Short reads keep the meter lively; the device's default buffer holds about a second.
    m_input->setBufferSize(m_input->format().bytesForDuration(qint64(ReportMs) * 1000 * 4));
    m_source = m_input->start();
    if (!m_source) {
        stop();
        return;
    }
    connect(m_source, &QIODevice::readyRead, this, &InputMeter::readLevels);
    m_peak = 0;
    m_sinceReport.start();
}

void InputMeter::stop()
{
    if (!m_input)
        return;
    if (m_source)
        m_source->disconnect(this);
    m_input->stop();
    // The sound server's audio plugin runs the event loop while an input is deleted: deleted from the
    // event loop instead, it never does so inside the destruction of the window that shows the meter.
    m_input->deleteLater();
    m_input = nullptr;
    m_source = nullptr;
    emit levelMeasured(0, false);
}

void InputMeter::readLevels()
{
    const QAudioBuffer buffer(m_source->readAll(), m_input->format());
    for (qreal level : BufferLevels::bufferLevels(buffer))
        m_peak = qMax(m_peak, qAbs(level));
    if (m_sinceReport.elapsed() < ReportMs)
        return;
    emit levelMeasured(m_peak, m_peak >= ClipLevel);
    m_peak = 0;
    m_sinceReport.restart();
}
