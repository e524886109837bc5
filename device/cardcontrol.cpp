#include "cardcontrol.h"

#include "cardmodels.h"
#include "methodcall.h"
#include "parameterblock.h"
#include "settings/equalizer.h"

#include <QDebug>

namespace {

const char *const bandSlots[Equalizer::bandCount] = {"setSlider60", "setSlider300", "setSlider1_2k", "setSlider3_6k",
                                                     "setSlider12k"};

// What "Original" shows: the play and mic mute states, then the five bands.
constexpr int originalShownSize = 2 + Equalizer::bandCount;

bool called(QObject *target, const char *name, const QVariantList &arguments, QVariant *result)
{
    if (MethodCall::invoke(target, name, arguments, result))
        return true;
    qWarning() << "***not carried out:" << target << "has no usable" << name;
    return false;
}

} // namespace

CardControl::CardControl(QObject *parent) : QObject(parent)
{
    // Found by name when the model's slots are called.
    qRegisterMetaType<QMap<int, int>>("QMap<int,int>");
    qRegisterMetaType<QList<int>>("QList<int>");
}

QStringList CardControl::bandKeys()
{
    QStringList keys;
    for (int i = 0; i < Equalizer::bandCount; ++i)
        keys.append(Equalizer::bandKey(i));
    return keys;
}

QStringList CardControl::bandCaptions()
{
    QStringList captions;
    for (int i = 0; i < Equalizer::bandCount; ++i)
        captions.append(Equalizer::bandCaption(i));
    return captions;
}

QVariantMap CardControl::pictures()
{
    QVariantMap pictures;
    for (const CardModel &model : CardModels::table)
        pictures.insert(QLatin1String(model.name), QLatin1String(model.picture));
    return pictures;
}

void CardControl::setCard(QObject *card)
{
    m_card = card;
}

void CardControl::setConfig(QObject *config)
{
    m_config = config;
}

bool CardControl::callCard(const char *slot, const QVariantList &arguments, QVariant *result)
{
    return m_card && called(m_card, slot, arguments, result);
}

bool CardControl::callConfig(const char *slot, const QVariantList &arguments, QVariant *result)
{
    return m_config && called(m_config, slot, arguments, result);
}

bool CardControl::changeMute(Mute mute, Change change)
{
    const ParameterBlock &block = ParameterBlock::instance();
    const bool muted = (mute == MicMute ? block.micMute : block.playMute) != 0;
    return setMute(mute, change == Toggle ? !muted : change == On);
}

bool CardControl::setMute(Mute mute, bool on)
{
    const bool sent = callCard(mute == MicMute ? "setMicMute" : "setPlayMute", {on});
    const int state = on ? 1 : 2;
    if (mute == MicMute)
        emit micMuteShown(state);
    else
        emit playMuteShown(state);
    return sent;
}

bool CardControl::setMicMute(bool on)
{
    return setMute(MicMute, on);
}

bool CardControl::setPlayMute(bool on)
{
    return setMute(PlayMute, on);
}

bool CardControl::setBand(int band, int value)
{
    return setBands({{band, value}});
}

bool CardControl::setBands(const QMap<int, int> &bands)
{
    QMap<int, int> known;
    for (auto it = bands.cbegin(); it != bands.cend(); ++it) {
        if (Equalizer::isBand(it.key()))
            known.insert(it.key(), it.value());
    }
    if (known.isEmpty())
        return false;
    const bool sent = sendBands(known);
    for (auto it = known.cbegin(); it != known.cend(); ++it)
        emit bandShown(it.key(), it.value());
    const bool stored = storeBands(known);
    return sent && stored;
}

// One band goes through its own slot, as its slider's release sends it; several go in one write, so
// that they reach the card together or not at all.
bool CardControl::sendBands(const QMap<int, int> &bands)
{
    if (bands.size() == 1)
        return callCard(bandSlots[bands.firstKey()], {bands.first()});
    return callCard("setBandGains", {QVariant::fromValue(bands)});
}

bool CardControl::storeBands(const QMap<int, int> &bands)
{
    bool stored = true;
    if (m_checkedStyle < 0)
        return stored;
    for (auto it = bands.cbegin(); it != bands.cend(); ++it) {
        qDebug() << m_checkedStyle << it.key() << it.value();
        stored = callConfig("saveEqualizerConfig", {m_checkedStyle, it.key(), it.value()}) && stored;
    }
    return stored;
}

// Shows values[first] .. values[first + 4] on the bands; a list too short to hold them all leaves
// the bands as they are.
void CardControl::showBands(const QVariantList &values, int first)
{
    if (values.size() < first + Equalizer::bandCount)
        return;
    for (int band = 0; band < Equalizer::bandCount; ++band)
        emit bandShown(band, values.at(first + band).toInt());
}

bool CardControl::applyStyle(int style)
{
    if (!Equalizer::isStyle(style))
        return false;
    setCheckedStyle(style);
    QVariant bands;
    const bool read = callConfig("getEqualizerConfig", {style}, &bands);
    if (read)
        showBands(bands.value<QVariantList>(), 0);
    return callCard("setEqualizerEffect", {style}) && read;
}

bool CardControl::applyBands(const QVariantList &values)
{
    if (values.size() != Equalizer::bandCount)
        return false;
    clearStyle();
    QMap<int, int> bands;
    for (int band = 0; band < Equalizer::bandCount; ++band)
        bands.insert(band, values.at(band).toInt());
    return setBands(bands);
}

bool CardControl::restoreOriginal()
{
    clearStyle();
    // Without a card the page shows zeros everywhere.
    QVariant result = QVariantList{0, 0, 0, 0, 0, 0, 0};
    const bool sent = callCard("setOriginal", {}, &result);
    if (m_card && !sent)
        return false;
    // A card that is not ready answers with nothing: the page keeps what it shows.
    const QVariantList values = result.value<QVariantList>();
    if (values.size() < originalShownSize)
        return false;
    emit playMuteShown(values.at(0).toInt());
    emit micMuteShown(values.at(1).toInt());
    showBands(values, 2);
    return sent;
}

bool CardControl::recoverStyle()
{
    const int style = m_checkedStyle;
    if (style < 0)
        return false;
    const bool removed = callConfig("removeEqualizerConfig", {style});
    return applyStyle(style) && removed;
}

void CardControl::clearStyle()
{
    setCheckedStyle(-1);
}

void CardControl::setCheckedStyle(int style)
{
    if (style == m_checkedStyle)
        return;
    m_checkedStyle = style;
    emit checkedStyleChanged();
}
