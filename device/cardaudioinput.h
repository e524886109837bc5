#ifndef CARDAUDIOINPUT_H
#define CARDAUDIOINPUT_H

#include <QString>
#include <QStringList>

#include <functional>

// Finds the audio input that belongs to a card, by the card's USB vendor and product id, and names
// it the way the recorder's multimedia backend accepts it.
//
// On Linux a desktop's sound server owns the card, so its source is reached through the ALSA PCM of
// the sound server's plugin with the source's name ("alsa:pulse:DEVICE=<source>"); where no sound
// server offers the card, its own ALSA capture device is used ("alsa:plughw:CARD=<id>,DEV=<n>").
// On Windows it is the capture endpoint of the card's USB device, by the name the backend lists.
// "Default" (the system's default input) when the card has no input of its own.
class CardAudioInput
{
public:
    CardAudioInput(int vendorId, int productId);

    static QString defaultInput() { return QStringLiteral("Default"); }

    // The folder that holds "asound" (normally /proc), and what lists the sound server's sources
    // (normally `pactl list sources`); tests give made-up ones.
    void setProcRoot(const QString &root) { m_procRoot = root; }
    void setSourceListing(std::function<QString()> listSources) { m_listSources = std::move(listSources); }
    // The names the multimedia backend offers as inputs (Windows matches the endpoint's name to them).
    void setBackendInputs(std::function<QStringList()> inputs) { m_backendInputs = std::move(inputs); }

    // The input name for the recorder; defaultInput() when the card has no input of its own.
    QString inputName() const;

    // The first source in a `pactl list sources` text (C locale) whose properties carry the ids,
    // monitors of the card's outputs left out; empty when none.
    static QString sourceOfCard(const QString &listing, int vendorId, int productId);
    // "CARD=<id>,DEV=<n>": the first capture device of the ALSA card whose usbid carries the ids,
    // below procRoot; empty when none.
    static QString alsaCaptureOfCard(const QString &procRoot, int vendorId, int productId);
    // Among the backend's inputs, the one that names this endpoint: the same name, or the name cut
    // short (older Windows audio interfaces keep 31 characters of it); empty when none.
    static QString backendNameForEndpoint(const QString &endpointName, const QStringList &backendInputs);

private:
    // What the platform offers when no listing was given: on Linux the sound server's sources, on
    // Windows the backend's inputs.
    static QString runSourceListing();
    static QStringList listBackendInputs();

    int m_vendorId;
    int m_productId;
    QString m_procRoot = QStringLiteral("/proc");
    std::function<QString()> m_listSources;
    std::function<QStringList()> m_backendInputs;
};

#endif
