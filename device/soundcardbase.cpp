#include "soundcardbase.h"

#include "cardaudioinput.h"
#include "cardmodels.h"
#include "parameterblock.h"
#include "settings/configfile.h"
#include "settings/equalizer.h"

#include <QDebug>

namespace {

constexpr int kSerialTextBytes = 13;
constexpr int kFirmwareTextBytes = 8;

// Text stored in a zero-filled block: up to the first zero byte, at most `size` bytes.
QString blockText(const unsigned char *bytes, int size)
{
    const char *text = reinterpret_cast<const char *>(bytes);
    return QString::fromUtf8(text, int(qstrnlen(text, uint(size))));
}

// The block's byte of band 0..4.
unsigned char &bandByte(int band)
{
    return ParameterBlock::instance().band(band);
}

static_assert(std::tuple_size<decltype(CardModel::factoryBands)>::value == Equalizer::bandCount,
              "a model has a factory value for every band");

QList<int> factoryBands(const QString &devType)
{
    const CardModel *model = CardModels::byName(devType);
    if (!model)
        return {};
    return QList<int>(model->factoryBands.cbegin(), model->factoryBands.cend());
}

} // namespace

SoundCardBase::SoundCardBase(QObject *parent) : QObject(parent) {}

void SoundCardBase::clearReady()
{
    m_isReady = false;
}

bool SoundCardBase::initDev(int vid, int pid)
{
    m_comm.init(vid, pid);
    if (const CardModel *model = CardModels::byProductId(pid))
        m_devType = QLatin1String(model->name);
    return true;
}

void SoundCardBase::setByte(unsigned char &byte, int value)
{
    if (!m_isReady)
        return;
    byte = static_cast<unsigned char>(value & 0xFF);
    m_comm.writeData();
}

void SoundCardBase::setMicMute(bool clicked)
{
    setByte(ParameterBlock::instance().micMute, clicked ? 1 : 0);
}

void SoundCardBase::setPlayMute(bool clicked)
{
    setByte(ParameterBlock::instance().playMute, clicked ? 1 : 0);
}

void SoundCardBase::setSlider60(int value)
{
    setByte(ParameterBlock::instance().eQ60, value);
}

void SoundCardBase::setSlider300(int value)
{
    setByte(ParameterBlock::instance().eQ300, value);
}

void SoundCardBase::setSlider1_2k(int value)
{
    setByte(ParameterBlock::instance().eQ1200, value);
}

void SoundCardBase::setSlider3_6k(int value)
{
    setByte(ParameterBlock::instance().eQ3600, value);
}

void SoundCardBase::setSlider12k(int value)
{
    setByte(ParameterBlock::instance().eQ12000, value);
}

// Stores five band values (low 8 bits) into the block; fewer than five leaves the bands alone.
void SoundCardBase::setBands(const QList<int> &values)
{
    if (values.size() < Equalizer::bandCount)
        return;
    for (int band = 0; band < Equalizer::bandCount; ++band)
        bandByte(band) = static_cast<unsigned char>(values.at(band) & 0xFF);
}

void SoundCardBase::setBandGains(const QMap<int, int> &gains)
{
    if (!m_isReady)
        return;
    for (auto it = gains.cbegin(); it != gains.cend(); ++it) {
        if (Equalizer::isBand(it.key()))
            bandByte(it.key()) = static_cast<unsigned char>(it.value() & 0xFF);
    }
    m_comm.writeData();
}

void SoundCardBase::setEqualizerEffect(int index)
{
    if (!m_isReady || !Equalizer::isStyle(index))
        return;
    const QVariantList style = ConfigFile::instance()->getEqualizerConfig(index);
    QList<int> values;
    // A value out of range in a hand-edited settings file reaches the card as the end the slider shows.
    for (const QVariant &value : style)
        values.append(qBound(0, value.toInt(), int(ParameterBlock::maxGain)));
    setBands(values);
    m_comm.writeData();
}

QList<int> SoundCardBase::setOriginal()
{
    if (!m_isReady)
        return {};
    setBands(factoryBands(m_devType));
    ParameterBlock &block = ParameterBlock::instance();
    block.playMute = 0;
    block.micMute = 0;
    m_comm.writeData();
    QList<int> bytes = {block.playMute, block.micMute};
    for (int i = 0; i < Equalizer::bandCount; ++i)
        bytes.append(block.band(i));
    return bytes;
}

QString SoundCardBase::getFirmwareVer()
{
    return m_firmwareVer;
}

QString SoundCardBase::getSNCode()
{
    return m_snCode;
}

// The mutes are taken as the card holds them: a muted card shown unmuted would be unmuted for real by
// the next write of anything.
bool SoundCardBase::readParameters()
{
    unsigned char bytes[8] = {};
    // A card that could not be read is not taken for one holding zeros: the next change would write
    // them to every band.
    if (!m_comm.readData(bytes)) {
        qDebug() << "***card not read: its values are not shown";
        return false;
    }
    ParameterBlock &block = ParameterBlock::instance();
    block.fromBytes(bytes);
    m_allPara = {{QStringLiteral("flag"), int(block.flag)},
                 {QStringLiteral("playMute"), int(block.playMute)},
                 {QStringLiteral("micMute"), int(block.micMute)}};
    for (int i = 0; i < Equalizer::bandCount; ++i)
        m_allPara.insert(Equalizer::bandKey(i), int(block.band(i)));
    emit allParaChanged();
    qDebug() << "***Update data to interface";
    m_isReady = true;
    return true;
}

bool SoundCardBase::getAllParaIsChange()
{
    if (!readParameters())
        return false;
    unsigned char serial[16] = {};
    m_comm.readSerialNumber(serial);
    m_snCode = blockText(serial, kSerialTextBytes);
    // A failed read's box runs events: a card pulled out meanwhile is not read any further.
    if (!m_isReady)
        return false;
    unsigned char firmware[8] = {};
    m_comm.readFirmwareVersion(firmware);
    m_firmwareVer = blockText(firmware, kFirmwareTextBytes);
    qDebug().noquote() << "==========m_firmwareVer========" << m_firmwareVer;
    return true;
}

QVariantMap SoundCardBase::getAllPara()
{
    return m_allPara;
}

QString SoundCardBase::getDevType()
{
    return m_devType;
}

void SoundCardBase::findInputDev(int vid, int pid)
{
    m_cardInputName = CardAudioInput(vid, pid).inputName();
    qDebug() << "***Card input:" << m_cardInputName;
}

QString SoundCardBase::getInputDevName()
{
    return m_cardInputName;
}
