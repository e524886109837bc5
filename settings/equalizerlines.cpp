#include "equalizerlines.h"

#include "presetfile.h"

#include <QStringList>
#include <QVector>

#include <cmath>

namespace {

const QString prefix = QStringLiteral("GraphicEQ:");

// The nearest step of the slider; a gain halfway between two steps goes up.
int nearestValue(double gain)
{
    return int(std::floor(gain * Preset::maxValue / (2 * EqualizerLines::rangeDecibels) + Preset::maxValue / 2.0 + 0.5));
}

} // namespace

bool EqualizerLines::read(const QByteArray &bytes, Result *result, QString *why)
{
    *why = PresetFile::unreadable(bytes);
    if (!why->isEmpty())
        return false;
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    QString list;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (!line.startsWith(prefix, Qt::CaseInsensitive) || !list.isNull()) {
            *why = tr("第 %1 行不是唯一的一行 \"GraphicEQ: 频率 增益; ...\"").arg(i + 1);
            return false;
        }
        list = line.mid(prefix.size());
    }
    QVector<Point> points;
    if (list.isNull()) {
        *why = tr("没有 \"GraphicEQ:\" 行，不是预设也不是均衡器文本");
        return false;
    }
    if (!readPoints(list, &points, why))
        return false;
    Result sampled;
    QStringList clamped;
    for (int band = 0; band < Equalizer::bandCount; ++band) {
        const int hertz = Equalizer::bandHertz[band];
        const double gain = gainAt(points, hertz);
        const double excess = std::fabs(gain) - rangeDecibels;
        if (excess > 0)
            clamped << tr("%1 Hz 削减了 %2 dB").arg(hertz).arg(excess, 0, 'f', 1);
        // Bounded before it becomes a step: a gain of 1e30 dB is a number too, and no int holds it.
        sampled.bands[band] = nearestValue(qBound(-rangeDecibels, gain, rangeDecibels));
    }
    if (!clamped.isEmpty())
        sampled.clamped = tr("超出声卡范围（-10..+10 dB）的频段已被限制：%1").arg(clamped.join(tr("，")));
    *result = sampled;
    return true;
}

bool EqualizerLines::readPoints(const QString &list, QVector<Point> *points, QString *why)
{
    const QStringList items = list.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &item : items) {
        const QStringList pair = item.simplified().split(QLatin1Char(' '));
        bool hertzValid = false;
        bool gainValid = false;
        const double hertz = pair.value(0).toDouble(&hertzValid);
        const double gain = pair.value(1).toDouble(&gainValid);
        if (pair.size() != 2 || !hertzValid || !gainValid || !std::isfinite(hertz) || !std::isfinite(gain) || hertz <= 0) {
            *why = tr("不是 \"频率 增益\" 两个数：%1").arg(item.trimmed().left(40));
            return false;
        }
        if (!points->isEmpty() && hertz <= points->last().hertz) {
            *why = tr("频率没有按从低到高排列：%1 在 %2 之后").arg(hertz).arg(points->last().hertz);
            return false;
        }
        points->append({hertz, gain});
    }
    if (points->isEmpty()) {
        *why = tr("\"GraphicEQ:\" 行中没有频率");
        return false;
    }
    return true;
}

double EqualizerLines::gainAt(const QVector<Point> &points, double hertz)
{
    if (hertz <= points.first().hertz)
        return points.first().gain;
    for (int i = 1; i < points.size(); ++i) {
        const Point &low = points.at(i - 1);
        const Point &high = points.at(i);
        if (hertz <= high.hertz) {
            const double t = std::log(hertz / low.hertz) / std::log(high.hertz / low.hertz);
            return low.gain + t * (high.gain - low.gain);
        }
    }
    return points.last().gain;
}
