#include "recordformat.h"

#include <QCoreApplication>
#include <QLocale>

QVector<RecordFormat> RecordFormat::offered()
{
    return {{44100, 2}, {44100, 1}, {48000, 2}, {48000, 1}};
}

QString RecordFormat::label() const
{
    const QString rate = QLocale().toString(sampleRate / 1000.0, 'g', 3);
    return channels == 1 ? QCoreApplication::translate("RecordFormat", "%1 kHz 单声道").arg(rate)
                         : QCoreApplication::translate("RecordFormat", "%1 kHz 立体声").arg(rate);
}

QAudioFormat RecordFormat::audioFormat() const
{
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(channels);
    format.setSampleSize(16);
    format.setSampleType(QAudioFormat::SignedInt);
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setCodec(QStringLiteral("audio/pcm"));
    return format;
}
