#include "cardaudioinput.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace {

// Older Windows audio interfaces cut a device's name to this many characters.
constexpr int kShortNameLength = 31;

// A USB id as sound servers write it: "0c76" (PulseAudio, udev) or "0x0c76" (PipeWire).
int hexId(QString text)
{
    text = text.trimmed();
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        text = text.mid(2);
    bool ok = false;
    const int id = text.toInt(&ok, 16);
    return ok ? id : -1;
}

QString readLine(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readLine()).trimmed();
}

struct Source
{
    QString name;
    QString monitorOf;
    QHash<QString, QString> properties;
};

bool belongsToCard(const Source &source, int vendorId, int productId)
{
    // The monitor of the card's output carries the card's ids too, but holds what the card plays.
    const bool monitor = source.properties.value(QStringLiteral("device.class")) == QLatin1String("monitor")
        || (!source.monitorOf.isEmpty() && source.monitorOf != QLatin1String("n/a"));
    return !source.name.isEmpty() && !monitor
        && hexId(source.properties.value(QStringLiteral("device.vendor.id"))) == vendorId
        && hexId(source.properties.value(QStringLiteral("device.product.id"))) == productId;
}

} // namespace

CardAudioInput::CardAudioInput(int vendorId, int productId) : m_vendorId(vendorId), m_productId(productId)
{
}

QString CardAudioInput::sourceOfCard(const QString &listing, int vendorId, int productId)
{
    static const QRegularExpression property(QStringLiteral("^\\s+([^\\s=]+) = \"(.*)\"$"));
    Source source;
    const QStringList lines = listing.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        // A line at the margin ("Source #3") starts the next source.
        if (!line.isEmpty() && !line.at(0).isSpace()) {
            if (belongsToCard(source, vendorId, productId))
                return source.name;
            source = Source();
            continue;
        }
        const QString field = line.trimmed();
        if (field.startsWith(QLatin1String("Name: ")))
            source.name = field.mid(6).trimmed();
        else if (field.startsWith(QLatin1String("Monitor of Sink: ")))
            source.monitorOf = field.mid(17).trimmed();
        else if (const QRegularExpressionMatch m = property.match(line); m.hasMatch())
            source.properties.insert(m.captured(1), m.captured(2));
    }
    return belongsToCard(source, vendorId, productId) ? source.name : QString();
}

QString CardAudioInput::alsaCaptureOfCard(const QString &procRoot, int vendorId, int productId)
{
    const QDir asound(procRoot + QStringLiteral("/asound"));
    static const QRegularExpression cardFolder(QStringLiteral("^card(\\d+)$"));
    static const QRegularExpression captureFolder(QStringLiteral("^pcm(\\d+)c$"));
    QList<int> cards;
    for (const QString &entry : asound.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (const QRegularExpressionMatch m = cardFolder.match(entry); m.hasMatch())
            cards.append(m.captured(1).toInt());
    }
    std::sort(cards.begin(), cards.end());
    for (int card : cards) {
        const QDir folder(asound.filePath(QStringLiteral("card%1").arg(card)));
        const QStringList ids = readLine(folder.filePath(QStringLiteral("usbid"))).split(QLatin1Char(':'));
        if (ids.size() != 2 || hexId(ids.at(0)) != vendorId || hexId(ids.at(1)) != productId)
            continue;
        QList<int> devices;
        for (const QString &entry : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (const QRegularExpressionMatch m = captureFolder.match(entry); m.hasMatch())
                devices.append(m.captured(1).toInt());
        }
        if (devices.isEmpty())
            continue;
        // The card's id is stable across plugging where its number is not; the number serves when
        // the id cannot be read.
        QString id = readLine(folder.filePath(QStringLiteral("id")));
        if (!QRegularExpression(QStringLiteral("^[A-Za-z0-9_]+$")).match(id).hasMatch())
            id = QString::number(card);
        return QStringLiteral("CARD=%1,DEV=%2").arg(id).arg(*std::min_element(devices.begin(), devices.end()));
    }
    return QString();
}

QString CardAudioInput::backendNameForEndpoint(const QString &endpointName, const QStringList &backendInputs)
{
    if (endpointName.isEmpty())
        return QString();
    if (backendInputs.contains(endpointName))
        return endpointName;
    for (const QString &input : backendInputs) {
        if (input.size() == kShortNameLength && endpointName.startsWith(input))
            return input;
    }
    return QString();
}
