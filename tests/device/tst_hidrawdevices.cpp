#include "device/hidrawdevices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// uevent text as the kernel writes it for HID devices.
const QByteArray kCardUevent = "DRIVER=hid-generic\n"
                               "HID_ID=0003:00000C76:00001000\n"
                               "HID_NAME=USB Audio Device\n"
                               "HID_PHYS=usb-0000:00:14.0-3/input3\n"
                               "HID_UNIQ=\n"
                               "MODALIAS=hid:b0003g0001v00000C76p00001000\n";
const QByteArray kKeyboardUevent = "DRIVER=hid-generic\n"
                                   "HID_ID=0003:0000046D:0000C31C\n"
                                   "HID_NAME=USB Keyboard\n"
                                   "MODALIAS=hid:b0003g0001v0000046Dp0000C31C\n";

void addDevice(const QString &classDir, const QString &name, const QByteArray &uevent)
{
    QVERIFY(QDir().mkpath(classDir + "/" + name + "/device"));
    QFile file(classDir + "/" + name + "/device/uevent");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(uevent);
}

} // namespace

class TestHidrawDevices : public QObject
{
    Q_OBJECT
private slots:
    void keyFromHidId_data()
    {
        QTest::addColumn<QByteArray>("hidId");
        QTest::addColumn<QString>("key");
        QTest::newRow("usb card") << QByteArray("0003:00000C76:00001000") << "VID_0C76&PID_1000";
        QTest::newRow("lower-case hex is upper-cased") << QByteArray("0003:00000c76:0000100a") << "VID_0C76&PID_100A";
        QTest::newRow("short ids are padded") << QByteArray("0005:00000001:00000020\n") << "VID_0001&PID_0020";
        QTest::newRow("vendor beyond 16 bits") << QByteArray("0003:00010C76:00001000") << "";
        QTest::newRow("missing product") << QByteArray("0003:00000C76") << "";
        QTest::newRow("not hex") << QByteArray("0003:0000ZZ76:00001000") << "";
        QTest::newRow("empty") << QByteArray() << "";
    }
    void keyFromHidId()
    {
        QFETCH(QByteArray, hidId);
        QFETCH(QString, key);
        QCOMPARE(HidrawDevices::keyFromHidId(hidId), key);
    }

    void keyFromUevent()
    {
        QCOMPARE(HidrawDevices::keyFromUevent(kCardUevent), QString("VID_0C76&PID_1000"));
        QCOMPARE(HidrawDevices::keyFromUevent(kKeyboardUevent), QString("VID_046D&PID_C31C"));
        // The modalias also carries the ids but is not what identifies the device.
        QCOMPARE(HidrawDevices::keyFromUevent("DRIVER=hid-generic\nMODALIAS=hid:b0003g0001v00000C76p00001000\n"),
                 QString());
        QCOMPARE(HidrawDevices::keyFromUevent("XHID_ID=0003:00000C76:00001000\n"), QString());
    }

    void scanAddAndRemoveFollowTheSysfsTree()
    {
        QTemporaryDir sys;
        QVERIFY(sys.isValid());
        const QString classDir = sys.path() + "/sys/class/hidraw";
        addDevice(classDir, "hidraw0", kKeyboardUevent);
        addDevice(classDir, "hidraw1", kCardUevent);
        addDevice(classDir, "hidraw2", "DRIVER=hid-generic\n");
        QVERIFY(QDir().mkpath(classDir + "/hidraw3")); // no uevent file at all

        HidrawDevices devices(sys.path());
        QCOMPARE(devices.scan(), QStringList({"hidraw0#VID_046D&PID_C31C", "hidraw1#VID_0C76&PID_1000"}));
        QVERIFY(devices.scan().isEmpty());
        QVERIFY(devices.added("hidraw1").isEmpty());

        addDevice(classDir, "hidraw4", kCardUevent);
        QCOMPARE(devices.added("hidraw4"), QString("hidraw4#VID_0C76&PID_1000"));

        // Once gone, sysfs no longer describes the device: it is known by what was read before.
        QVERIFY(QDir(classDir + "/hidraw1").removeRecursively());
        QCOMPARE(devices.removed("hidraw1"), QString("hidraw1#VID_0C76&PID_1000"));
        QVERIFY(devices.removed("hidraw1").isEmpty());
        QVERIFY(devices.removed("hidraw2").isEmpty());
        QVERIFY(devices.added("hidraw9").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestHidrawDevices)
#include "tst_hidrawdevices.moc"
