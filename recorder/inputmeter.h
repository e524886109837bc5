#ifndef INPUTMETER_H
#define INPUTMETER_H

#include <QAudioDeviceInfo>
#include <QAudioFormat>
#include <QElapsedTimer>
#include <QObject>

class QAudioInput;
class QIODevice;

// Listens to an input for its level, apart from any take: the user sees whether the input is alive
// or too loud before recording, and while recording.
class InputMeter : public QObject
{
    Q_OBJECT

public:
    static constexpr int ReportMs = 50;
    // A sample this close to full scale counts as clipped.
    static constexpr qreal ClipLevel = 0.999;

    explicit InputMeter(QObject *parent = nullptr);
    ~InputMeter() override;

    // Listens to `device` in `format` (or the nearest it offers), in place of what it listened to.
    void start(const QAudioDeviceInfo &device, const QAudioFormat &format);
    void stop();
    bool isRunning() const { return m_input != nullptr; }

signals:
    // The largest sample since the last report, full scale being 1, about every ReportMs.
    void levelMeasured(qreal peak, bool clipped);

private:
    void readLevels();

    QAudioInput *m_input = nullptr;
    QIODevice *m_source = nullptr;
    QAudioDeviceInfo m_device;  // what was asked for, the format before the device's nearest
    QAudioFormat m_format;
    qreal m_peak = 0;
    QElapsedTimer m_sinceReport;
};

#endif // INPUTMETER_H
