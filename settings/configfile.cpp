#include "configfile.h"

#include "equalizer.h"
#include "nativevalue.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <array>

namespace {

using Equalizer::bandCount;
using Equalizer::isBand;
using Equalizer::isStyle;

struct Style
{
    const char *group;
    std::array<int, bandCount> builtIn;
};

const std::array<Style, Equalizer::styleCount> styles = {{
    {"popularConfig", {34, 37, 32, 34, 41}},
    {"danceMusicConfig", {40, 36, 27, 30, 18}},
    {"knightConfig", {26, 31, 36, 31, 26}},
    {"rockConfig", {37, 32, 27, 32, 37}},
}};

const char customTextGroup[] = "CustomText";

// "60Hz" .. "12000Hz".
QString bandKey(int band) { return QString::number(Equalizer::bandHertz[band]) + QStringLiteral("Hz"); }

NativeValue languageValue() { return NativeValue("Quadel", "quadelDriver", "Language"); }

// A band whose stored text is not a whole number (a damaged or hand-edited file) counts as not
// saved, so the style keeps a sensible built-in value instead of an extreme zero gain.
int bandValue(const QSettings &ini, const QString &key, int builtIn)
{
    bool ok = false;
    const int value = ini.value(key).toString().toInt(&ok);
    return ok ? value : builtIn;
}

} // namespace

ConfigFile *ConfigFile::instance()
{
    // Lives until the process exits, and is deleted then.
    static ConfigFile store;
    return &store;
}

ConfigFile::ConfigFile(QObject *parent) : QObject(parent)
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/config/";
    QDir().mkpath(dir);
    m_fileName = dir + "setting.ini";
}

QString ConfigFile::getLanguage()
{
    return languageValue().read();
}

void ConfigFile::setLanguage(const QString &language)
{
    languageValue().write(language);
}

void ConfigFile::saveEqualizerConfig(int groupIndex, int sliderIndex, int value)
{
    if (!isStyle(groupIndex) || !isBand(sliderIndex))
        return;
    QSettings ini(m_fileName, QSettings::IniFormat);
    ini.beginGroup(styles[groupIndex].group);
    ini.setValue(bandKey(sliderIndex), value);
    ini.endGroup();
    NativeValue::commit(ini);
}

QVariantList ConfigFile::getEqualizerConfig(int styleIndex)
{
    QVariantList bands;
    if (!isStyle(styleIndex)) {
        for (int band = 0; band < bandCount; ++band)
            bands << 0;
        return bands;
    }
    const Style &style = styles[styleIndex];
    QSettings ini(m_fileName, QSettings::IniFormat);
    ini.beginGroup(style.group);
    for (int band = 0; band < bandCount; ++band)
        bands << bandValue(ini, bandKey(band), style.builtIn[band]);
    ini.endGroup();
    return bands;
}

void ConfigFile::removeEqualizerConfig(int groupIndex)
{
    if (!isStyle(groupIndex))
        return;
    QSettings ini(m_fileName, QSettings::IniFormat);
    ini.remove(styles[groupIndex].group);
    NativeValue::commit(ini);
}

void ConfigFile::setCustomText(int index, const QString &text)
{
    QSettings ini(m_fileName, QSettings::IniFormat);
    ini.beginGroup(customTextGroup);
    ini.setValue(QString::number(index), text);
    ini.endGroup();
    NativeValue::commit(ini);
}

QString ConfigFile::getCustomText(int index)
{
    QSettings ini(m_fileName, QSettings::IniFormat);
    ini.beginGroup(customTextGroup);
    return ini.value(QString::number(index)).toString();
}
