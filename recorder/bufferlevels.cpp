#include "bufferlevels.h"

#include <QAudioBuffer>
#include <QAudioFormat>

namespace {

bool isLittleEndianPcm(const QAudioFormat &format)
{
    return format.isValid() && format.byteOrder() == QAudioFormat::LittleEndian
           && format.codec() == QLatin1String("audio/pcm");
}

} // namespace

QVector<qreal> BufferLevels::bufferLevels(const QAudioBuffer &buffer)
{
    const QAudioFormat format = buffer.format();
    if (!isLittleEndianPcm(format))
        return {};
    const QVector<qreal> zeros(format.channelCount(), 0.0);
    const double peak = formatPeak(format);
    if (peak == 0)
        return zeros;
    switch (format.sampleType()) {
    case QAudioFormat::SignedInt:
        switch (format.sampleSize()) {
        case 32: return signedLevels<qint32>(buffer, peak);
        case 16: return signedLevels<qint16>(buffer, peak);
        case 8: return signedLevels<qint8>(buffer, peak);
        }
        break;
    case QAudioFormat::UnSignedInt:
        switch (format.sampleSize()) {
        case 32: return unsignedLevels<quint32>(buffer, peak);
        case 16: return unsignedLevels<quint16>(buffer, peak);
        case 8: return unsignedLevels<quint8>(buffer, peak);
        }
        break;
    case QAudioFormat::Float:
        if (format.sampleSize() == 32)
            return signedLevels<float>(buffer, peak);
        break;
    default:
        break;
    }
    return zeros;
}

double BufferLevels::formatPeak(const QAudioFormat &format)
{
    if (!format.isValid() || format.codec() != QLatin1String("audio/pcm"))
        return 0;
    const int size = format.sampleSize();
    switch (format.sampleType()) {
    case QAudioFormat::SignedInt:
        return size == 32 ? 2147483647.0 : size == 16 ? 32767.0 : size == 8 ? 127.0 : 0.0;
    case QAudioFormat::UnSignedInt:
        return size == 32 ? 4294967295.0 : size == 16 ? 65535.0 : size == 8 ? 255.0 : 0.0;
    case QAudioFormat::Float:
        return size == 32 ? 1.00003 : 0.0;
    default:
        return 0;
    }
}

template<typename Sample>
QVector<qreal> BufferLevels::signedLevels(const QAudioBuffer &buffer, double peak)
{
    QVector<qreal> levels = blockLevels(buffer.constData<Sample>(), buffer.frameCount(),
                                        buffer.format().channelCount());
    for (qreal &level : levels)
        level /= peak;
    return levels;
}

// Unsigned samples sit around half the peak. The level is the signed distance from there, so that
// the pair still spans the signal (a distance without its sign would fold the minimum up onto
// the maximum's side and the view would draw a dot above the middle instead of a stroke).
template<typename Sample>
QVector<qreal> BufferLevels::unsignedLevels(const QAudioBuffer &buffer, double peak)
{
    QVector<qreal> levels = blockLevels(buffer.constData<Sample>(), buffer.frameCount(),
                                        buffer.format().channelCount());
    const double middle = peak / 2;
    for (qreal &level : levels)
        level = (level - middle) / middle;
    return levels;
}
