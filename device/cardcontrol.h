#ifndef CARDCONTROL_H
#define CARDCONTROL_H

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariant>

// What each control of the control page does, written once for the page, for a command carried out
// by the running window and for one carried out without a window: the mutes, the bands (stored into
// the checked style too), applying a style, the factory values, recovering a style's own values, and
// which style is checked. It drives the card model and the settings store it is given through their
// slots, as the page would, and says what the page is to show; each operation returns whether all of
// it happened, so that a command never reports a change that did not reach the card or the store.
class CardControl : public QObject
{
    Q_OBJECT
    // The style whose bands the card holds now, -1 for none: a band change is stored into it.
    Q_PROPERTY(int checkedStyle READ checkedStyle NOTIFY checkedStyleChanged)
    // The equalizer's bands for the page: their keys in the model's values and their captions.
    Q_PROPERTY(QStringList bandKeys READ bandKeys CONSTANT)
    Q_PROPERTY(QStringList bandCaptions READ bandCaptions CONSTANT)
    // Model name -> the picture the page shows for it; a model not in it keeps the current picture.
    Q_PROPERTY(QVariantMap pictures READ pictures CONSTANT)
public:
    enum Mute { MicMute, PlayMute };
    enum Change { Off, On, Toggle };

    explicit CardControl(QObject *parent = nullptr);

    // The card model ("SoundCard"), null while no card has arrived; and the settings store ("Config").
    void setCard(QObject *card);
    void setConfig(QObject *config);

    int checkedStyle() const { return m_checkedStyle; }
    static QStringList bandKeys();
    static QStringList bandCaptions();
    static QVariantMap pictures();

    // A toggle starts from the host's copy of the card's block.
    bool changeMute(Mute mute, Change change);
    // Band index 0..4 -> value; several bands reach the card in one write.
    bool setBands(const QMap<int, int> &bands);

    Q_INVOKABLE bool setMicMute(bool on);
    Q_INVOKABLE bool setPlayMute(bool on);
    Q_INVOKABLE bool setBand(int band, int value);
    Q_INVOKABLE bool applyStyle(int style);
    // A preset's five bands in one write; no style is checked after it, so that the next slider move
    // does not store into a style that no longer matches the card.
    Q_INVOKABLE bool applyBands(const QVariantList &values);
    // Without a card the page shows zeros, as a card reset to nothing would look.
    Q_INVOKABLE bool restoreOriginal();
    // Drops the checked style's stored values and applies its built-in ones.
    Q_INVOKABLE bool recoverStyle();
    Q_INVOKABLE void clearStyle();

signals:
    void checkedStyleChanged();
    // What the page's switches and sliders are to show: a switch's state is 1 for on, 2 for off after
    // a click, and the card's byte after the factory values.
    void micMuteShown(int state);
    void playMuteShown(int state);
    void bandShown(int band, int value);

private:
    bool setMute(Mute mute, bool on);
    bool callCard(const char *slot, const QVariantList &arguments, QVariant *result = nullptr);
    bool callConfig(const char *slot, const QVariantList &arguments, QVariant *result = nullptr);
    bool sendBands(const QMap<int, int> &bands);
    bool storeBands(const QMap<int, int> &bands);
    void showBands(const QVariantList &values, int first);
    void setCheckedStyle(int style);

    QPointer<QObject> m_card;
    QPointer<QObject> m_config;
    int m_checkedStyle = -1;
};

#endif // CARDCONTROL_H
