#include "device/detectiondevice.h"
#include "device/virtualbus.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QString kZq05 = "velora-vcard#VID_0C76&PID_1000#";
const QString kZq06 = "velora-vcard#VID_0C76&PID_1001#";

// A card on the bus played by this process: a local server under the card's device text.
class BusCard
{
public:
    explicit BusCard(const QString &deviceText) : m_path(VirtualBus::folder() + "/" + deviceText) {}
    ~BusCard() { pullOut(); }

    bool plugIn()
    {
        QDir().mkpath(VirtualBus::folder());
        QLocalServer::removeServer(m_path);
        m_server = new QLocalServer;
        QObject::connect(m_server, &QLocalServer::newConnection, m_server, [this] {
            while (QLocalSocket *socket = m_server->nextPendingConnection())
                m_clients.append(socket);
        });
        return m_server->listen(m_path);
    }
    // True once the detector holds a connection to this card.
    bool watched() const
    {
        for (const QPointer<QLocalSocket> &client : m_clients) {
            if (client && client->state() == QLocalSocket::ConnectedState)
                return true;
        }
        return false;
    }
    void pullOut()
    {
        for (const QPointer<QLocalSocket> &client : qAsConst(m_clients))
            delete client.data();
        m_clients.clear();
        delete m_server;
        m_server = nullptr;
    }

private:
    QString m_path;
    QLocalServer *m_server = nullptr;
    QList<QPointer<QLocalSocket>> m_clients;
};

// The socket file a card leaves behind when its process is killed: bound, then closed unlinked.
bool leaveStaleSocketFile(const QString &deviceText)
{
    QDir().mkpath(VirtualBus::folder());
    const QByteArray path = QFile::encodeName(VirtualBus::folder() + "/" + deviceText);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof(address.sun_path))
        return false;
    memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
    if (fd >= 0)
        close(fd);
    return bound && QFileInfo::exists(QString::fromLocal8Bit(path));
}

QVariantList report(const QString &model, bool arrival, int pid)
{
    return {model, arrival, 0x0C76, pid};
}

} // namespace

class TestDetectionDevice : public QObject
{
    Q_OBJECT
private slots:
    void init() { QDir(VirtualBus::folder()).removeRecursively(); }

    void matchDevType_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("model");
        QTest::newRow("windows path, lower case") << R"(\\?\hid#vid_0c76&pid_1001&mi_03#7&2b3c&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})"
                                                  << "zq06";
        QTest::newRow("virtual card") << kZq05 + "SN1" << "zq05";
        QTest::newRow("mixed case") << "Vid_0c76&Pid_1000" << "zq05";
        QTest::newRow("same vendor, other product") << "VID_0C76&PID_1002" << "";
        QTest::newRow("other vendor, same product") << "VID_0C77&PID_1000" << "";
        QTest::newRow("both texts: table order wins") << "VID_0C76&PID_1001 VID_0C76&PID_1000" << "zq05";
        QTest::newRow("empty") << "" << "";
    }
    void matchDevType()
    {
        QFETCH(QString, text);
        QFETCH(QString, model);
        DetectionDevice detector;
        QCOMPARE(detector.matchDevType(text), model);
    }

    void vendorProductKeyIsPaddedUpperCaseHex()
    {
        QCOMPARE(DetectionDevice::vendorProductKey(0x0C76, 0x1001), QString("VID_0C76&PID_1001"));
        QCOMPARE(DetectionDevice::vendorProductKey(0xabc, 0xf), QString("VID_0ABC&PID_000F"));
    }

    void scanReportsCardAlreadyPresentBeforeReturning()
    {
        BusCard card(kZq06 + "A");
        QVERIFY(card.plugIn());
        DetectionDevice detector;
        QSignalSpy spy(&detector, &DetectionDevice::s_devTypeAndState);
        detector.scanHidDevices();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), report("zq06", true, 0x1001));
        QTRY_VERIFY(card.watched());
    }

    void stateTableReportsEachChangeOnce()
    {
        DetectionDevice detector;
        // The bus folder is made by whoever needs it first, for this user only.
        QCOMPARE(QFileInfo(VirtualBus::folder()).permissions() & 0x0077, QFile::Permissions());
        QSignalSpy spy(&detector, &DetectionDevice::s_devTypeAndState);
        detector.scanHidDevices();
        QCOMPARE(spy.count(), 0);

        BusCard card(kZq05 + "A");
        QVERIFY(card.plugIn());
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), report("zq05", true, 0x1000));

        // A second interface of the card already reported, and a product of the vendor not in the table.
        BusCard secondInterface(kZq05 + "A-if2");
        BusCard otherProduct("velora-vcard#VID_0C76&PID_1002#B");
        QVERIFY(secondInterface.plugIn());
        QVERIFY(otherProduct.plugIn());
        QTRY_VERIFY(secondInterface.watched() && otherProduct.watched());
        otherProduct.pullOut();
        QTest::qWait(200);
        QCOMPARE(spy.count(), 1);

        // Removing any interface of a table device leaves the present state, once.
        QElapsedTimer sincePulled;
        sincePulled.start();
        secondInterface.pullOut();
        QTRY_COMPARE(spy.count(), 2);
        QVERIFY2(sincePulled.elapsed() < 1000, qPrintable(QString::number(sincePulled.elapsed())));
        QCOMPARE(spy.at(1), report("zq05", false, 0x1000));
        card.pullOut();
        QTest::qWait(200);
        QCOMPARE(spy.count(), 2);

        // Plugged in again under the same name: reported again.
        QVERIFY(card.plugIn());
        QTRY_COMPARE(spy.count(), 3);
        QCOMPARE(spy.at(2), report("zq05", true, 0x1000));
    }

    void withTwoCardsOnlyTheFirstIsReportedAndEitherRemovalEndsPresence()
    {
        BusCard zq05(kZq05 + "A");
        BusCard zq06(kZq06 + "B");
        QVERIFY(zq05.plugIn());
        QVERIFY(zq06.plugIn());
        DetectionDevice detector;
        QSignalSpy spy(&detector, &DetectionDevice::s_devTypeAndState);
        detector.scanHidDevices();
        QCOMPARE(spy.count(), 1);
        QTRY_VERIFY(zq05.watched() && zq06.watched());
        const bool zq05First = spy.at(0).at(0).toString() == "zq05";
        BusCard &reported = zq05First ? zq05 : zq06;
        BusCard &unreported = zq05First ? zq06 : zq05;
        const QString otherModel = zq05First ? "zq06" : "zq05";
        const int otherPid = zq05First ? 0x1001 : 0x1000;

        unreported.pullOut();
        QTRY_COMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1), report(otherModel, false, otherPid));

        // The card still plugged in is not reported again until it arrives anew.
        QTest::qWait(300);
        QCOMPARE(spy.count(), 2);
        reported.pullOut();
        QTest::qWait(200);
        QCOMPARE(spy.count(), 2);
        QVERIFY(reported.plugIn());
        QTRY_COMPARE(spy.count(), 3);
        QCOMPARE(spy.at(2).at(1).toBool(), true);
    }

    void staleSocketFilesAreIgnored()
    {
        QVERIFY(leaveStaleSocketFile(kZq05 + "dead"));
        DetectionDevice detector;
        QSignalSpy spy(&detector, &DetectionDevice::s_devTypeAndState);
        detector.scanHidDevices();
        QCOMPARE(spy.count(), 0);

        // One left behind while the detector runs changes nothing either...
        QVERIFY(leaveStaleSocketFile(kZq06 + "dead"));
        QTest::qWait(300);
        QCOMPARE(spy.count(), 0);

        // ...and a card starting under a dead card's name (removing the file first) is found.
        BusCard card(kZq06 + "dead");
        QVERIFY(card.plugIn());
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), report("zq06", true, 0x1001));
    }
};

QTEST_MAIN(TestDetectionDevice)
#include "tst_detectiondevice.moc"
