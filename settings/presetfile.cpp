#include "presetfile.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

const QString versionKey = QStringLiteral("velora-preset");

QString bandKey(int band) { return QString::number(Equalizer::bandHertz[band]); }

double hundredths(double value) { return std::round(value * 100.0) / 100.0; }

// A whole number 0..maxValue, or -1.
int bandValue(const QJsonValue &value)
{
    const double number = value.toDouble(-1.0);
    if (!value.isDouble() || number != std::floor(number) || number < 0 || number > Preset::maxValue)
        return -1;
    return int(number);
}

} // namespace

QByteArray PresetFile::write(const Preset &preset)
{
    QJsonObject bands;
    QJsonObject decibels;
    for (int band = 0; band < Equalizer::bandCount; ++band) {
        bands.insert(bandKey(band), preset.bands[band]);
        decibels.insert(bandKey(band), hundredths(Preset::decibels(preset.bands[band])));
    }
    return QJsonDocument(QJsonObject{{versionKey, version},
                                     {QStringLiteral("name"), preset.name},
                                     {QStringLiteral("note"), preset.note},
                                     {QStringLiteral("bands"), bands},
                                     {QStringLiteral("dB"), decibels}})
        .toJson(QJsonDocument::Indented);
}

QString PresetFile::tooLarge()
{
    return tr("文件太大（超过 %1 KB）").arg(maxSize / 1024);
}

QString PresetFile::unreadable(const QByteArray &bytes)
{
    if (bytes.size() > maxSize)
        return tooLarge();
    if (bytes.trimmed().isEmpty())
        return tr("文件是空的");
    if (bytes.contains('\0') || QString::fromUtf8(bytes).contains(QChar::ReplacementCharacter))
        return tr("文件不是文本（二进制数据）");
    return {};
}

bool PresetFile::looksLikeJson(const QByteArray &bytes)
{
    return bytes.trimmed().startsWith('{');
}

bool PresetFile::read(const QByteArray &bytes, Preset *preset, QString *why)
{
    *why = unreadable(bytes);
    if (!why->isEmpty())
        return false;
    QJsonParseError error{};
    const QJsonObject object = QJsonDocument::fromJson(bytes, &error).object();
    if (error.error != QJsonParseError::NoError) {
        *why = tr("不是有效的 JSON（第 %1 个字节：%2）").arg(error.offset).arg(error.errorString());
        return false;
    }
    if (object.value(versionKey).toInt(0) < 1) {
        *why = tr("不是 Velora 预设文件（缺少 \"%1\"）").arg(versionKey);
        return false;
    }
    Preset result;
    result.name = object.value(QStringLiteral("name")).toString().trimmed();
    if (result.name.isEmpty()) {
        *why = tr("预设没有名称");
        return false;
    }
    const QJsonObject bands = object.value(QStringLiteral("bands")).toObject();
    for (int band = 0; band < Equalizer::bandCount; ++band) {
        result.bands[band] = bandValue(bands.value(bandKey(band)));
        if (result.bands[band] < 0) {
            *why = tr("频段 %1 Hz 缺少或不是 0..43 的整数").arg(bandKey(band));
            return false;
        }
    }
    result.note = object.value(QStringLiteral("note")).toString();
    *preset = result;
    return true;
}
