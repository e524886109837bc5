#include "cardaudioinput.h"

#include "recorder/sourceinputname.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace {

// Listing the sources takes a few milliseconds; a sound server that does not answer in this time is
// treated as absent rather than holding up the card's arrival.
constexpr int kListingTimeoutMs = 2000;

} // namespace

QString CardAudioInput::inputName() const
{
    const QString listing = m_listSources ? m_listSources() : runSourceListing();
    const QString source = sourceOfCard(listing, m_vendorId, m_productId);
    if (!source.isEmpty()) {
        const QString name = inputNameForSource(source);
        if (!name.isEmpty())
            return name;
    }
    // No sound server offers the card: its own ALSA device is free to open.
    const QString capture = alsaCaptureOfCard(m_procRoot, m_vendorId, m_productId);
    if (!capture.isEmpty())
        return QStringLiteral("alsa:plughw:") + capture;
    return defaultInput();
}

QString CardAudioInput::runSourceListing()
{
    QProcess pactl;
    // The listing's field names are translated; the parser reads the untranslated ones.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    pactl.setProcessEnvironment(environment);
    pactl.setStandardInputFile(QProcess::nullDevice());
    pactl.setStandardErrorFile(QProcess::nullDevice());
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("sources")});
    if (!pactl.waitForFinished(kListingTimeoutMs)) {
        pactl.kill();
        pactl.waitForFinished(kListingTimeoutMs);
        return QString();
    }
    if (pactl.exitStatus() != QProcess::NormalExit || pactl.exitCode() != 0)
        return QString();
    return QString::fromUtf8(pactl.readAllStandardOutput());
}
