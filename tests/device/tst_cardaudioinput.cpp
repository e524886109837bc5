// Finding a card's own audio input by its USB ids: in sound-server source listings as PulseAudio and
// PipeWire print them, in made-up /proc/asound trees, and the order in which the two are asked.

#include "device/cardaudioinput.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const int Vendor = 0x0C76;
const int Zq05 = 0x1000;
const int Zq06 = 0x1001;

// One source block as `pactl list sources` prints it in the C locale.
QString source(int index, const QString &name, const QString &monitorOf, const QStringList &properties)
{
    QString text = QStringLiteral("Source #%1\n\tState: SUSPENDED\n\tName: %2\n\tDescription: %2\n"
                                  "\tDriver: module-alsa-card.c\n\tChannel Map: front-left,front-right\n"
                                  "\tMonitor of Sink: %3\n\tLatency: 0 usec, configured 0 usec\n\tProperties:\n")
                       .arg(index)
                       .arg(name, monitorOf);
    for (const QString &property : properties)
        text += QStringLiteral("\t\t%1\n").arg(property);
    return text + QStringLiteral("\tPorts:\n\t\tanalog-input-mic: Microphone (type: Mic, priority: 8700)\n"
                                 "\tActive Port: analog-input-mic\n\tFormats:\n\t\tpcm\n\n");
}

QStringList usbProperties(const QString &vendor, const QString &product, const QString &deviceClass)
{
    return {QStringLiteral("alsa.card = \"1\""), QStringLiteral("device.bus = \"usb\""),
            QStringLiteral("device.vendor.id = \"%1\"").arg(vendor),
            QStringLiteral("device.product.id = \"%1\"").arg(product),
            QStringLiteral("device.class = \"%1\"").arg(deviceClass)};
}

// A desktop with a built-in microphone, a zq06 and a zq05 whose output's monitor is listed before
// its input (both carry the card's ids), as PulseAudio lists them.
QString pulseListing()
{
    return source(0, "alsa_input.pci-0000_00_1f.3.analog-stereo", "n/a",
                  {"device.bus = \"pci\"", "device.vendor.id = \"8086\"", "device.class = \"sound\""})
        + source(1, "alsa_input.usb-0c76_zq06-00.analog-stereo", "n/a", usbProperties("0c76", "1001", "sound"))
        + source(2, "alsa_output.usb-0c76_zq05-00.analog-stereo.monitor", "alsa_output.usb-0c76_zq05-00.analog-stereo",
                 usbProperties("0c76", "1000", "monitor"))
        + source(3, "alsa_input.usb-0c76_zq05-00.mono-fallback", "n/a", usbProperties("0c76", "1000", "sound"));
}

// The same zq05 as PipeWire's sound server lists it: ids with "0x", the card's input last.
QString pipewireListing()
{
    return source(40, "alsa_output.usb-0c76_zq05-00.analog-stereo.monitor", "alsa_output.usb-0c76_zq05-00.analog-stereo",
                  usbProperties("0x0c76", "0x1000", "monitor"))
        + source(41, "alsa_input.usb-0c76_zq05-00.analog-stereo", "n/a", usbProperties("0x0c76", "0x1000", "sound"));
}

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// card0: on-board, no USB ids; card1: a zq06 that plays only; card2: a zq05 with playback on device 0
// and capture on devices 2 and 1; card10: another zq06 with capture (numbers sort as numbers).
void makeProcTree(const QString &root)
{
    const QString asound = root + "/asound/";
    writeFile(asound + "card0/id", "PCH\n");
    writeFile(asound + "card0/pcm0c/info", "");
    writeFile(asound + "card1/id", "Audio\n");
    writeFile(asound + "card1/usbid", "0c76:1001\n");
    writeFile(asound + "card1/pcm0p/info", "");
    writeFile(asound + "card2/id", "Device\n");
    writeFile(asound + "card2/usbid", "0c76:1000\n");
    writeFile(asound + "card2/pcm0p/info", "");
    writeFile(asound + "card2/pcm2c/info", "");
    writeFile(asound + "card2/pcm1c/info", "");
    writeFile(asound + "card10/id", "Audio_1\n");
    writeFile(asound + "card10/usbid", "0c76:1001\n");
    writeFile(asound + "card10/pcm0c/info", "");
    // The id links ALSA keeps beside the numbered folders are not cards of their own.
    QFile::link(asound + "card2", asound + "Device");
}

} // namespace

class TestCardAudioInput : public QObject
{
    Q_OBJECT

private slots:
    void findsTheCardsSourceInAListing_data();
    void findsTheCardsSourceInAListing();
    void findsTheCardsAlsaCaptureDevice();
    void asksTheSoundServerFirstThenAlsaThenFallsBackToDefault();
    void namesTheWindowsEndpointAsTheBackendListsIt();
};

void TestCardAudioInput::findsTheCardsSourceInAListing_data()
{
    QTest::addColumn<QString>("listing");
    QTest::addColumn<int>("product");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zq05 under PulseAudio, not its output's monitor")
        << pulseListing() << Zq05 << "alsa_input.usb-0c76_zq05-00.mono-fallback";
    QTest::newRow("zq06 beside it") << pulseListing() << Zq06 << "alsa_input.usb-0c76_zq06-00.analog-stereo";
    QTest::newRow("zq05 under PipeWire") << pipewireListing() << Zq05 << "alsa_input.usb-0c76_zq05-00.analog-stereo";
    QTest::newRow("a model that is not there") << pipewireListing() << Zq06 << "";
    // Told apart by what it monitors, whatever class it claims.
    QTest::newRow("the card's input missing, only its monitor")
        << source(2, "alsa_output.usb-0c76_zq05-00.analog-stereo.monitor", "alsa_output.usb-0c76_zq05-00.analog-stereo",
                  usbProperties("0c76", "1000", "sound"))
        << Zq05 << "";
    QTest::newRow("no sound server") << QString() << Zq05 << "";
}

void TestCardAudioInput::findsTheCardsSourceInAListing()
{
    QFETCH(QString, listing);
    QFETCH(int, product);
    QFETCH(QString, expected);
    QCOMPARE(CardAudioInput::sourceOfCard(listing, Vendor, product), expected);
}

void TestCardAudioInput::findsTheCardsAlsaCaptureDevice()
{
    QTemporaryDir dir;
    makeProcTree(dir.path());
    // The lowest capture device of the matching card, by the card's id.
    QCOMPARE(CardAudioInput::alsaCaptureOfCard(dir.path(), Vendor, Zq05), QString("CARD=Device,DEV=1"));
    // card1 is a zq06 without capture: the next zq06, card10, serves.
    QCOMPARE(CardAudioInput::alsaCaptureOfCard(dir.path(), Vendor, Zq06), QString("CARD=Audio_1,DEV=0"));
    QCOMPARE(CardAudioInput::alsaCaptureOfCard(dir.path(), Vendor, 0x1002), QString());
    QCOMPARE(CardAudioInput::alsaCaptureOfCard(dir.path(), 0x0C77, Zq05), QString());

    // A card whose id cannot be read is named by its number.
    QVERIFY(QFile::remove(dir.filePath("asound/card2/id")));
    QCOMPARE(CardAudioInput::alsaCaptureOfCard(dir.path(), Vendor, Zq05), QString("CARD=2,DEV=1"));
    // No ALSA at all.
    QCOMPARE(CardAudioInput::alsaCaptureOfCard(dir.filePath("nothing"), Vendor, Zq05), QString());
}

void TestCardAudioInput::asksTheSoundServerFirstThenAlsaThenFallsBackToDefault()
{
    QTemporaryDir withCard;
    makeProcTree(withCard.path());
    QTemporaryDir withoutAlsa;
    auto inputOf = [](const QString &procRoot, const QString &listing) {
        CardAudioInput input(Vendor, Zq05);
        input.setProcRoot(procRoot);
        input.setSourceListing([listing] { return listing; });
        return input.inputName();
    };

    // The sound server owns the card: its source, through the sound server's ALSA PCM.
    QCOMPARE(inputOf(withCard.path(), pulseListing()), QString("alsa:pulse:DEVICE=alsa_input.usb-0c76_zq05-00.mono-fallback"));
    // No sound server, or one that does not offer the card: the card's own ALSA device.
    QCOMPARE(inputOf(withCard.path(), QString()), QString("alsa:plughw:CARD=Device,DEV=1"));
    QCOMPARE(inputOf(withCard.path(), source(1, "other", "n/a", usbProperties("0c76", "1001", "sound"))),
             QString("alsa:plughw:CARD=Device,DEV=1"));
    QCOMPARE(inputOf(withoutAlsa.path(), QString()), QString("Default"));

    // A source name that would end the PCM's argument is quoted; one that cannot be quoted is not used.
    const QString odd = source(5, "zq05 in, left", "n/a", usbProperties("0c76", "1000", "sound"));
    QCOMPARE(inputOf(withoutAlsa.path(), odd), QString("alsa:pulse:DEVICE=\"zq05 in, left\""));
    const QString broken = source(5, "zq05\"in", "n/a", usbProperties("0c76", "1000", "sound"));
    QCOMPARE(inputOf(withoutAlsa.path(), broken), QString("Default"));
    QCOMPARE(inputOf(withCard.path(), broken), QString("alsa:plughw:CARD=Device,DEV=1"));
}

void TestCardAudioInput::namesTheWindowsEndpointAsTheBackendListsIt()
{
    const QString endpoint = "Microphone (zq05 USB Audio Device)";
    const QString cut = endpoint.left(31);
    QCOMPARE(CardAudioInput::backendNameForEndpoint(endpoint, {"Microphone (Realtek Audio)", endpoint}), endpoint);
    QCOMPARE(CardAudioInput::backendNameForEndpoint(endpoint, {"Microphone (Realtek Audio)", cut}), cut);
    // A shorter name that merely starts the same way is another device.
    QCOMPARE(CardAudioInput::backendNameForEndpoint(endpoint, {"Microphone", "Microphone (zq05"}), QString());
    QCOMPARE(CardAudioInput::backendNameForEndpoint(QString(), {"Microphone"}), QString());
}

QTEST_GUILESS_MAIN(TestCardAudioInput)
#include "tst_cardaudioinput.moc"
