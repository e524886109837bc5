#ifndef SOUNDCARDBASE_H
#define SOUNDCARDBASE_H

#include "communication.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QVariantMap>

// The host's model of the connected card, offered to the scene as "SoundCard". It keeps the host's
// copy of the card's parameter block, its serial number, firmware version and model name; every
// change from the scene is stored into the block and written to the card at once, as a whole block.
class SoundCardBase : public QObject
{
    Q_OBJECT
public:
    explicit SoundCardBase(QObject *parent = nullptr);

    // The card has gone: stop touching it until the next complete read.
    void clearReady();
    // Read completely since the card last arrived: the setters reach the card.
    bool isReady() const { return m_isReady; }
    // Sets any of the five bands (band index 0..4 -> gain) in one write: a change of several bands
    // reaches the card whole or not at all.
    Q_INVOKABLE void setBandGains(const QMap<int, int> &gains);
    // Reads the parameter block alone, as getAllParaIsChange() does first: what a change needs.
    bool readParameters();
    // Looks up the audio input of the card with these USB ids; getInputDevName() then names it, or
    // "Default" when the card has none of its own.
    void findInputDev(int vid, int pid);

signals:
    void snNumChanged(QString snNum);
    void allParaChanged();

public slots:
    bool initDev(int vid, int pid);
    void setMicMute(bool clicked);
    void setPlayMute(bool clicked);
    void setSlider60(int value);
    void setSlider300(int value);
    void setSlider1_2k(int value);
    void setSlider3_6k(int value);
    void setSlider12k(int value);
    // Applies equalizer style 0..3 from the configuration store; any other index names no style and
    // writes nothing.
    void setEqualizerEffect(int index);
    // Restores the model's factory band values and unmutes; returns the block's bytes 1..7, or an
    // empty list when no card is ready.
    QList<int> setOriginal();
    QString getFirmwareVer();
    QString getSNCode();
    bool getAllParaIsChange();
    QVariantMap getAllPara();
    QString getDevType();
    QString getInputDevName();

private:
    void setByte(unsigned char &byte, int value);
    void setBands(const QList<int> &values);

    Communication m_comm;
    QString m_devType;
    QString m_cardInputName;
    QVariantMap m_allPara;
    QString m_snCode;
    QString m_firmwareVer;
    bool m_isReady = false;
};

#endif
