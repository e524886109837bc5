// The virtual card as the program and a person meet it: on the virtual bus, strict about the GPIO
// handshake, keeping its parameter block, and its command line.

#include "cardprotocol.h"
#include "device/vendorlibrary.h"
#include "virtualcardprocess.h"

#include <QDir>
#include <QLibrary>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <tuple>

namespace {

const std::uint16_t vid = 0x0C76;
const std::uint16_t pid = 0x1000;

QByteArray bytes(const unsigned char *data, int size)
{
    return QByteArray(reinterpret_cast<const char *>(data), size);
}

// Runs the card program to its end and returns its exit code; `output` gets stdout and stderr.
int runCard(const QStringList &arguments, QString *output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(VirtualCardProcess::program(), arguments);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (output)
        *output = QString::fromUtf8(process.readAll());
    return process.exitCode();
}

} // namespace

class TestVirtualCard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void refusesStepsThatBreakTheHandshake();
    void writeCountsOnlyOnceAcknowledged();
    void keepsItsBlockInTheStateFile();
    void answersEachModelByItsIds();
    void otherEntryPointsAnswerAFixedCode();
    void watchersStayUntilTheCardIsPulledOut_data();
    void watchersStayUntilTheCardIsPulledOut();
    void injectedFaultsCountTheirCalls();
    void commandLine();
    void requestLinesReadBackAsWritten_data();
    void requestLinesReadBackAsWritten();

private:
    const VendorCalls *m_lib = nullptr;
};

void TestVirtualCard::requestLinesReadBackAsWritten_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("write") << QByteArray("Fast_WriteI2C_ById 0C76 1000 82 240 0 8 3000 0 6 : 00 00 00 21 1D 23 1C 11") << true;
    QTest::newRow("short ids") << QByteArray("GetGpioEx_ById C76 1000 2 1") << true;
    QTest::newRow("negative vendor id") << QByteArray("GetGpioEx_ById -0C76 1000 2 1") << false;
    QTest::newRow("wide product id") << QByteArray("GetGpioEx_ById 0C76 11000 2 1") << false;
    QTest::newRow("byte of three digits") << QByteArray("Fast_WriteI2C_ById 0C76 1000 : 100") << false;
}

// A request the card accepts is one the library could have sent: written out again, it reads the same.
void TestVirtualCard::requestLinesReadBackAsWritten()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, accepted);
    CardProtocol::Request request;
    QCOMPARE(request.parse(line), accepted);
    if (!accepted)
        return;
    CardProtocol::Request again;
    QVERIFY(again.parse(request.toLine()));
    QCOMPARE(again.toLine(), request.toLine());
    QCOMPARE(std::make_tuple(again.entry, again.vid, again.pid, again.arguments, again.bytes),
             std::make_tuple(request.entry, request.vid, request.pid, request.arguments, request.bytes));
}

void TestVirtualCard::initTestCase()
{
    QCOMPARE(VendorLibrary::loadVendorLibrary(VendorLibrary::fileName()), 0);
    m_lib = VendorLibrary::calls();
}

void TestVirtualCard::refusesStepsThatBreakTheHandshake()
{
    VirtualCardProcess card;
    QVERIFY(card.start());
    unsigned char buffer[8] = {};
    unsigned char modes[4] = {1, 1, 0, 0};

    // Nothing may be driven before the modes are set, and the card's own lines never.
    QCOMPARE(m_lib->setGpioEx(vid, pid, 0, 0, 1), int(CardProtocol::LineNotDriven));
    QCOMPARE(m_lib->setGpioMode(vid, pid, modes, 4, 1), 0);
    QCOMPARE(m_lib->setGpioEx(vid, pid, 2, 1, 1), int(CardProtocol::LineNotDriven));
    QCOMPARE(m_lib->setGpioEx(vid, pid, 4, 1, 1), int(CardProtocol::BadArgument));

    QCOMPARE(m_lib->fastReadI2C(vid, pid, 0x52, 0xF0, 0, buffer, 8, 3000, 100, 6), int(CardProtocol::BusNotConfigured));
    QCOMPARE(m_lib->configFastI2C(vid, pid, 1), 0);
    QCOMPARE(m_lib->fastReadI2C(vid, pid, 0x52, 0xF0, 0, buffer, 8, 3000, 100, 6), int(CardProtocol::GpioHigh));
    QCOMPARE(m_lib->setGpioEx(vid, pid, 0, 0, 1), 0);
    QCOMPARE(m_lib->fastReadI2C(vid, pid, 0x52, 0x10, 0, buffer, 8, 3000, 100, 6), int(CardProtocol::NoSuchRegister));
    QCOMPARE(m_lib->fastReadI2C(vid, pid, 0x54, 0xF0, 0, buffer, 8, 3000, 100, 6), int(CardProtocol::NoSuchRegister));
    QCOMPARE(m_lib->fastWriteI2C(vid, pid, 0x53, 0xF0, 0, buffer, 8, 3000, 0, 6), int(CardProtocol::NoSuchRegister));
    QCOMPARE(m_lib->fastReadI2C(vid, pid, 0x52, 0xF0, 0, buffer, 4, 3000, 100, 6), int(CardProtocol::BadArgument));
    QCOMPARE(m_lib->fastReadI2C(vid, pid, 0x52, 0xF0, 0, buffer, 8, 3000, 100, 6), 0);
    QCOMPARE(m_lib->releaseHidDevice(vid, pid, 1), 0);
    // Releasing ends the transfer: the bus must be configured again.
    QCOMPARE(m_lib->fastReadI2C(vid, pid, 0x52, 0xF0, 0, buffer, 8, 3000, 100, 6), int(CardProtocol::BusNotConfigured));

    const QStringList log = card.logLines();
    for (const char *line : {"refused set GPIO 0: its mode does not let the host drive it (2004)",
                             "refused read 52:F0: the fast I2C bus is not configured (2005)",
                             "refused read 52:F0: GPIO 0 is high (2001)",
                             "refused read 52:10: no such register (2002)",
                             "refused write 53:F0: a read-only block (2002)",
                             "read 52:F0 00 00 00 21 1D 23 1C 11"})
        QVERIFY2(log.contains(QLatin1String(line)), line);
}

void TestVirtualCard::writeCountsOnlyOnceAcknowledged()
{
    VirtualCardProcess card;
    QVERIFY(card.start());
    unsigned char modes[4] = {1, 1, 0, 0};
    unsigned char block[8] = {1, 0, 0, 9, 9, 9, 9, 9};
    unsigned char value = 0;
    QCOMPARE(m_lib->setGpioMode(vid, pid, modes, 4, 1), 0);
    const auto writeBlock = [&] {
        return m_lib->configFastI2C(vid, pid, 1) == 0 && m_lib->setGpioEx(vid, pid, 0, 0, 1) == 0
            && m_lib->fastWriteI2C(vid, pid, 0x52, 0xF0, 0, block, 8, 3000, 0, 6) == 0
            && m_lib->setGpioEx(vid, pid, 0, 1, 1) == 0;
    };

    // Released without the acknowledgement: refused, the block stays.
    QVERIFY(writeBlock());
    QCOMPARE(m_lib->releaseHidDevice(vid, pid, 1), int(CardProtocol::NotAcknowledged));
    // GPIO 1 lowered before GPIO 3 answered: refused too.
    QVERIFY(writeBlock());
    QCOMPARE(m_lib->setGpioEx(vid, pid, 1, 1, 1), 0);
    QCOMPARE(m_lib->setGpioEx(vid, pid, 1, 0, 1), int(CardProtocol::NotAcknowledged));
    QCOMPARE(m_lib->releaseHidDevice(vid, pid, 1), 0);
    QVERIFY(!card.logLines().contains(QStringLiteral("write 52:F0 01 00 00 09 09 09 09 09")));
    QCOMPARE(card.logLines().filter(QStringLiteral("refused write 52:F0 01 00 00 09 09 09 09 09: ")).size(), 2);

    // GPIO 3 stays low until GPIO 1 is raised; then the handshake completes and the write counts.
    QVERIFY(writeBlock());
    QCOMPARE(m_lib->getGpioEx(vid, pid, 3, &value, 1), 0);
    QCOMPARE(value, 0);
    QCOMPARE(m_lib->setGpioEx(vid, pid, 1, 1, 1), 0);
    QCOMPARE(m_lib->getGpioEx(vid, pid, 3, &value, 1), 0);
    QCOMPARE(value, 1);
    QCOMPARE(m_lib->setGpioEx(vid, pid, 1, 0, 1), 0);
    QCOMPARE(m_lib->getGpioEx(vid, pid, 3, &value, 1), 0);
    QCOMPARE(value, 0); // back low once the host has lowered GPIO 1
    QCOMPARE(m_lib->releaseHidDevice(vid, pid, 1), 0);
    QCOMPARE(card.logLines().filter(QStringLiteral("write 52:F0 01 00 00 09 09 09 09 09")).size(), 3);
    QVERIFY(card.logLines().contains(QStringLiteral("write 52:F0 01 00 00 09 09 09 09 09")));
}

void TestVirtualCard::keepsItsBlockInTheStateFile()
{
    QTemporaryDir dir;
    const QString state = dir.filePath(QStringLiteral("card.state"));
    const QStringList options{QStringLiteral("--state"), state, QStringLiteral("--model"), QStringLiteral("zq06")};
    VirtualCardProcess card;
    QVERIFY(card.start(options));
    unsigned char modes[4] = {1, 1, 0, 0};
    unsigned char buffer[8] = {};
    QCOMPARE(m_lib->setGpioMode(vid, 0x1001, modes, 4, 1), 0);
    QCOMPARE(m_lib->configFastI2C(vid, 0x1001, 1), 0);
    QCOMPARE(m_lib->setGpioEx(vid, 0x1001, 0, 0, 1), 0);
    QCOMPARE(m_lib->fastReadI2C(vid, 0x1001, 0x52, 0xF0, 0, buffer, 8, 3000, 100, 6), 0);
    QCOMPARE(bytes(buffer, 8), QByteArray::fromHex("0000002B2A242726")); // a fresh zq06
    QVERIFY(!QFile::exists(state)); // nothing written yet

    unsigned char block[8] = {0, 1, 1, 2, 3, 4, 5, 6};
    unsigned char value = 0;
    QCOMPARE(m_lib->fastWriteI2C(vid, 0x1001, 0x52, 0xF0, 0, block, 8, 3000, 0, 6), 0);
    QCOMPARE(m_lib->setGpioEx(vid, 0x1001, 0, 1, 1), 0);
    QCOMPARE(m_lib->setGpioEx(vid, 0x1001, 1, 1, 1), 0);
    QCOMPARE(m_lib->getGpioEx(vid, 0x1001, 3, &value, 1), 0);
    QCOMPARE(m_lib->setGpioEx(vid, 0x1001, 1, 0, 1), 0);
    QFile file(state);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("00 01 01 02 03 04 05 06\n"));
    file.close();

    // Pulled out hard and plugged in again: the card still holds the block.
    QVERIFY(card.kill());
    QVERIFY(card.start(options));
    QCOMPARE(m_lib->setGpioMode(vid, 0x1001, modes, 4, 1), 0);
    QCOMPARE(m_lib->configFastI2C(vid, 0x1001, 1), 0);
    QCOMPARE(m_lib->setGpioEx(vid, 0x1001, 0, 0, 1), 0);
    QCOMPARE(m_lib->fastReadI2C(vid, 0x1001, 0x52, 0xF0, 0, buffer, 8, 3000, 100, 6), 0);
    QCOMPARE(bytes(buffer, 8), bytes(block, 8));
    QVERIFY(card.stop());

    // A damaged state file is never overwritten: the card refuses to start.
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("00 01 zz\n");
    file.close();
    QString output;
    QCOMPARE(runCard(options, &output), 3);
    QVERIFY2(output.contains(QLatin1String("does not hold a parameter block")), qPrintable(output));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("00 01 zz\n"));
}

void TestVirtualCard::answersEachModelByItsIds()
{
    VirtualCardProcess zq05;
    VirtualCardProcess zq06;
    QVERIFY(zq05.start({QStringLiteral("--serial"), QStringLiteral("FIVE")}));
    QVERIFY(zq06.start({QStringLiteral("--model"), QStringLiteral("zq06"), QStringLiteral("--serial"),
                        QStringLiteral("SIX"), QStringLiteral("--firmware"), QStringLiteral("F6")}));
    QCOMPARE(QFileInfo(zq05.socketPath()).fileName(), QStringLiteral("velora-vcard#VID_0C76&PID_1000#FIVE"));
    QCOMPARE(QFileInfo(zq06.socketPath()).fileName(), QStringLiteral("velora-vcard#VID_0C76&PID_1001#SIX"));
    QCOMPARE(QFileInfo(zq06.socketPath()).path(), VirtualCardProcess::busFolder());

    unsigned char info[4] = {};
    unsigned char a = 0;
    unsigned char b = 0;
    QCOMPARE(m_lib->getChipInformation(vid, 0x1001, info, &a, &b), 0);
    QCOMPARE(bytes(info, 2), QByteArray("VC"));
    QCOMPARE(m_lib->getChipInformation(vid, 0x1002, info, &a, &b), int(CardProtocol::NoCard));
    QCOMPARE(m_lib->getChipInformation(0x1234, 0x1000, info, &a, &b), int(CardProtocol::NoCard));
    QVERIFY(VirtualCardProcess::calls(zq05.takeLogLines()).isEmpty());
    QCOMPARE(VirtualCardProcess::calls(zq06.takeLogLines()).size(), 1);

    // A card of the same name cannot be plugged in twice.
    QString output;
    QCOMPARE(runCard({QStringLiteral("--serial"), QStringLiteral("FIVE")}, &output), 3);
    QVERIFY2(output.contains(QLatin1String("already plugged in")), qPrintable(output));
    QVERIFY(zq05.isRunning());
}

void TestVirtualCard::otherEntryPointsAnswerAFixedCode()
{
    VirtualCardProcess card;
    QVERIFY(card.start());
    QLibrary library(QDir(QStringLiteral(VELORA_BINARY_DIR)).filePath(QStringLiteral("libvelora-vendorlib.so")));
    QVERIFY(library.load());
    for (const char *name : {"DLL3S_DumpDevices_Debug", "DLL3S_SetEQ_ById", "DLL3S_Get_SerialNumber_ById",
                             "DLL3S_TwoByte_I2C_Read_ById"}) {
        auto entry = reinterpret_cast<int (*)(int, int, int)>(library.resolve(name));
        QVERIFY2(entry, name);
        QCOMPARE(entry(vid, pid, 1), int(CardProtocol::NotServed));
    }
    QVERIFY(VirtualCardProcess::calls(card.takeLogLines()).isEmpty());
}

void TestVirtualCard::watchersStayUntilTheCardIsPulledOut_data()
{
    QTest::addColumn<bool>("hard");
    QTest::newRow("ended") << false;
    QTest::newRow("killed") << true;
}

void TestVirtualCard::watchersStayUntilTheCardIsPulledOut()
{
    QFETCH(bool, hard);
    VirtualCardProcess card;
    QVERIFY(card.start());
    QLocalSocket watcher;
    watcher.connectToServer(card.socketPath());
    QVERIFY(watcher.waitForConnected(5000));
    QSignalSpy dropped(&watcher, &QLocalSocket::disconnected);
    unsigned char info[4] = {};
    unsigned char a = 0;
    QCOMPARE(m_lib->getChipInformation(vid, pid, info, &a, &a), 0); // served beside the watcher
    QVERIFY(!dropped.wait(300));
    QCOMPARE(watcher.state(), QLocalSocket::ConnectedState);

    QVERIFY(hard ? card.kill() : card.stop());
    QVERIFY(dropped.count() == 1 || dropped.wait(5000));
    // A killed card leaves its socket file, which refuses connections; a card that ended removed it.
    QCOMPARE(QFile::exists(card.socketPath()), hard);
    QLocalSocket late;
    late.connectToServer(card.socketPath());
    QVERIFY(!late.waitForConnected(1000));
    QCOMPARE(m_lib->getChipInformation(vid, pid, info, &a, &a), int(CardProtocol::NoCard));
}

void TestVirtualCard::injectedFaultsCountTheirCalls()
{
    VirtualCardProcess card;
    QVERIFY(card.start({QStringLiteral("--fail"), QStringLiteral("Config_FastI2C_ById:77:2:1"),
                        QStringLiteral("--fail"), QStringLiteral("DLL3S_ReleaseHidDevice_ById:-5:always")}));
    QCOMPARE(m_lib->configFastI2C(vid, pid, 1), 0);
    QCOMPARE(m_lib->configFastI2C(vid, pid, 1), 77);
    QCOMPARE(m_lib->configFastI2C(vid, pid, 1), 77);
    QCOMPARE(m_lib->configFastI2C(vid, pid, 1), 0);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(m_lib->releaseHidDevice(vid, pid, 1), -5);
    QCOMPARE(card.logLines().filter(QStringLiteral("refused Config_FastI2C_ById: injected fault (77)")).size(), 2);
}

void TestVirtualCard::commandLine()
{
    QString help;
    QCOMPARE(runCard({QStringLiteral("--help")}, &help), 0);
    for (const char *option : {"--model", "--serial", "--firmware", "--state", "--log", "--trace", "--gpio2-busy",
                               "--gpio3-late", "--fail", "--chip-silent", "--pull-after", "request:", "reply:"})
        QVERIFY2(help.contains(QLatin1String(option)), option);

    const QList<QStringList> malformed = {
        {QStringLiteral("--model"), QStringLiteral("zq07")},
        {QStringLiteral("--serial"), QStringLiteral("SEVENTEEN-CHARS-X")},
        {QStringLiteral("--serial"), QStringLiteral("A/B")},
        {QStringLiteral("--firmware"), QStringLiteral("NINE-CHAR")},
        {QStringLiteral("--gpio2-busy"), QStringLiteral("-1")},
        {QStringLiteral("--pull-after"), QStringLiteral("x")},
        {QStringLiteral("--fail"), QStringLiteral("Config_FastI2C_ById:0")},
        {QStringLiteral("--fail"), QStringLiteral("SetEQ_ById:5")},
        {QStringLiteral("--fail"), QStringLiteral("Config_FastI2C_ById:5:never")},
        {QStringLiteral("--state"), QString()},  // found by fuzzing: no file to keep the block in
        {QStringLiteral("--no-such-option")},
        {QStringLiteral("stray")},
    };
    const QDir bus(VirtualCardProcess::busFolder());
    const QStringList cardsBefore = bus.entryList(QDir::System);
    for (const QStringList &arguments : malformed) {
        QString output;
        QCOMPARE(runCard(arguments, &output), 2);
        QVERIFY2(output.startsWith(QLatin1String("velora-virtualcard: ")), qPrintable(output));
    }
    QCOMPARE(bus.entryList(QDir::System), cardsBefore); // none of them was plugged in
}

QTEST_MAIN(TestVirtualCard)
#include "tst_virtualcard.moc"
