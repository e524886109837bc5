// The vendor library binding: result codes, the missing-name line, and a transfer layer whose library
// did not load, which must fail without calling anything.

#include "debuglogrecorder.h"
#include "device/communication.h"
#include "device/vendorlibrary.h"
#include "errorpromptrecorder.h"
#include "virtualcardprocess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

namespace {

QString standInPath()
{
    return QDir(QStringLiteral(VELORA_BINARY_DIR)).filePath(QStringLiteral("libvelora-vendorlib.so"));
}

// A copy of the stand-in library in which the exported name `entry` no longer exists: its text in
// the symbol tables gets another first letter, so that lookups for the real name miss.
QString copyWithout(const QTemporaryDir &dir, const QString &entry)
{
    QFile original(standInPath());
    if (!original.open(QIODevice::ReadOnly))
        return QString();
    QByteArray bytes = original.readAll();
    const QByteArray name = '\0' + entry.toLatin1() + '\0';
    QByteArray renamed = name;
    renamed[7] = renamed[7] == 'x' ? 'y' : 'x'; // the first letter after "\0DLL3S_"
    if (!bytes.contains(name))
        return QString();
    bytes.replace(name, renamed);
    const QString path = dir.filePath(entry + QStringLiteral(".so"));
    QFile copy(path);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(bytes) != bytes.size())
        return QString();
    return path;
}

// Runs `load` with the process's stderr going to a file, and returns what it wrote there.
QString capturedStderr(const std::function<void()> &load)
{
    QTemporaryFile file;
    if (!file.open())
        return QStringLiteral("(no capture file)");
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(file.handle(), STDERR_FILENO);
    load();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    file.seek(0);
    return QString::fromLatin1(file.readAll());
}

} // namespace

class TestVendorLibrary : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void loadsTheStandInBesideTheBuild();
    void missingLibraryGivesCodeOne();
    void foundThroughTheVariableWhenNotBesideTheProgram();
    void missingNameGivesItsPosition_data();
    void missingNameGivesItsPosition();
    void transferLayerWithoutLibraryCallsNothing();
};

void TestVendorLibrary::cleanup()
{
    VendorLibrary::setFileName(std::u16string());
    VendorLibrary::loadVendorLibrary(VendorLibrary::fileName());
}

void TestVendorLibrary::loadsTheStandInBesideTheBuild()
{
    QCOMPARE(VendorLibrary::loadVendorLibrary(VendorLibrary::fileName()), 0);
    const VendorCalls *calls = VendorLibrary::calls();
    QVERIFY(calls);
    // The table really points into the stand-in: without a card it answers "no card".
    unsigned char value = 0;
    QCOMPARE(calls->getGpioEx(0x0C76, 0x1000, 2, &value, 1), 1001);
    QCOMPARE(calls->getGpioEx(0x0C76, 0x1000, 2, nullptr, 1), 1004);
}

void TestVendorLibrary::missingLibraryGivesCodeOne()
{
    QString output = capturedStderr([] {
        QCOMPARE(VendorLibrary::loadVendorLibrary(u"libvelora-no-such-library.so"), 1);
    });
    QVERIFY(!VendorLibrary::calls());
    QCOMPARE(output, QString());
}

void TestVendorLibrary::foundThroughTheVariableWhenNotBesideTheProgram()
{
    // This test program lies below the build folder, with no library beside it or in ../lib/velora:
    // only the variable's folder can provide one, and no build path compiled in.
    const QByteArray saved = qgetenv("VELORA_VENDORLIB_DIR");
    qunsetenv("VELORA_VENDORLIB_DIR");
    QCOMPARE(VendorLibrary::loadVendorLibrary(VendorLibrary::fileName()), 1);
    QTemporaryDir dir;
    QVERIFY(QFile::copy(standInPath(), dir.filePath(QStringLiteral("libvelora-vendorlib.so"))));
    qputenv("VELORA_VENDORLIB_DIR", QFile::encodeName(dir.path()));
    const int code = VendorLibrary::loadVendorLibrary(VendorLibrary::fileName());
    qputenv("VELORA_VENDORLIB_DIR", saved);
    QCOMPARE(code, 0);
}

void TestVendorLibrary::missingNameGivesItsPosition_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("code");
    // Positions counted from the library's documented order: the first name gives 2, the last 150.
    QTest::newRow("first") << "DLL3S_DumpDevices_Debug" << 2;
    QTest::newRow("chip information") << "DLL3S_GetChipInformation" << 5;
    QTest::newRow("release") << "DLL3S_ReleaseHidDevice_ById" << 57;
    QTest::newRow("first PWM") << "DLL3S_PWM_SetConfig_ById" << 70;
    QTest::newRow("last PWM") << "DLL3S_PWM_GetRGB_Color_ById" << 127;
    QTest::newRow("fast read") << "DLL3S_Fast_ReadI2C_ById" << 144;
    QTest::newRow("last") << "DLL3S_TwoByte_I2C_Read_ById" << 150;
}

void TestVendorLibrary::missingNameGivesItsPosition()
{
    QFETCH(QString, entry);
    QFETCH(int, code);
    QTemporaryDir dir;
    const QString path = copyWithout(dir, entry);
    QVERIFY(!path.isEmpty());
    int result = -1;
    const QString output = capturedStderr([&] { result = VendorLibrary::loadVendorLibrary(path.toStdU16String()); });
    QCOMPARE(result, code);
    QCOMPARE(output, QStringLiteral("***** %1 *****\n").arg(entry));
    QVERIFY(!VendorLibrary::calls());
}

void TestVendorLibrary::transferLayerWithoutLibraryCallsNothing()
{
    VirtualCardProcess card;
    QVERIFY(card.start());
    ErrorPromptRecorder boxes;
    DebugLogRecorder log;

    VendorLibrary::setFileName(u"libvelora-no-such-library.so");
    Communication comm;
    QCOMPARE(boxes.titles(), QStringList{QStringLiteral("Error prompt")});
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("initDev Open_DLL3S_UsbAudio16xx fail:   return1")});

    // One box at construction says it all; every later operation fails quietly, into the log only,
    // instead of calling through a table that was never filled.
    unsigned char buffer[16] = {};
    QVERIFY(!comm.init(0x0C76, 0x1000));
    QVERIFY(!comm.readData(buffer));
    QVERIFY(!comm.readSerialNumber(buffer));
    QVERIFY(!comm.readFirmwareVersion(buffer));
    QVERIFY(!comm.writeData());
    QCOMPARE(boxes.texts().size(), 1);
    QCOMPARE(log.lines(QStringLiteral("***writeData not done")).size(), 1);
    QVERIFY(VirtualCardProcess::calls(card.takeLogLines()).isEmpty());

    // A library without one of the names: the box carries its position.
    QTemporaryDir dir;
    const QString path = copyWithout(dir, QStringLiteral("DLL3S_SetGpioEx_ById"));
    VendorLibrary::setFileName(path.toStdU16String());
    capturedStderr([] { Communication another; });
    QCOMPARE(boxes.texts().constLast(), QStringLiteral("initDev Open_DLL3S_UsbAudio16xx fail:   return13"));
    QVERIFY(!comm.writeData());

    // The library that loads: the same object now reaches the card.
    VendorLibrary::setFileName(std::u16string());
    Communication working;
    QCOMPARE(boxes.texts().size(), 2);
    QVERIFY(comm.init(0x0C76, 0x1000));
    QVERIFY(comm.writeData());
    QCOMPARE(VirtualCardProcess::calls(card.takeLogLines()).size(), 2 + 9);
}

QTEST_MAIN(TestVendorLibrary)
#include "tst_vendorlibrary.moc"
