// Both sides of the virtual bus together: the program's detector following a real velora-virtualcard
// process as it is plugged in, pulled out cleanly, killed, and plugged in again over its dead socket.

#include "device/detectiondevice.h"
#include "virtualcardprocess.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QtTest>

class TestCardOnBus : public QObject
{
    Q_OBJECT

private slots:
    void detectorFollowsTheCardProcess();
};

void TestCardOnBus::detectorFollowsTheCardProcess()
{
    DetectionDevice detector;
    QSignalSpy reports(&detector, &DetectionDevice::s_devTypeAndState);
    detector.scanHidDevices();
    QCOMPARE(reports.count(), 0);
    const QVariantList arrival{QStringLiteral("zq06"), true, 0x0C76, 0x1001};
    const QVariantList removal{QStringLiteral("zq06"), false, 0x0C76, 0x1001};
    const QStringList zq06{QStringLiteral("--model"), QStringLiteral("zq06")};

    VirtualCardProcess card;
    QVERIFY(card.start(zq06));
    QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 1, 10000);
    QCOMPARE(reports.at(0), arrival);

    QVERIFY(card.kill()); // its socket file stays behind
    QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 2, 10000);
    QCOMPARE(reports.at(1), removal);

    QVERIFY(card.start(zq06)); // replaces the dead socket
    QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 3, 10000);
    QCOMPARE(reports.at(2), arrival);

    QVERIFY(card.stop());
    QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 4, 10000);
    QCOMPARE(reports.at(3), removal);
}

QTEST_MAIN(TestCardOnBus)
#include "tst_cardonbus.moc"
