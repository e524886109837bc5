// The transfer layer against real virtual card processes: call sequences, handshake polls, every
// failure box, the poll bound, transfers held back while a box is open, and a card pulled out.

#include "app/errorbox.h"
#include "debuglogrecorder.h"
#include "device/communication.h"
#include "device/parameterblock.h"
#include "errorpromptrecorder.h"
#include "virtualcardprocess.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const int vid = 0x0C76;
const int pid = 0x1000;
const QString defaultBlock = QStringLiteral("00 00 00 21 1D 23 1C 11");

enum Operation { ReadParameters, ReadSerial, ReadFirmware, Write };

const QString configure = QStringLiteral("Config_FastI2C_ById 0C76 1000 1 -> 0");
const QString gpio2Ready = QStringLiteral("GetGpioEx_ById 0C76 1000 2 1 -> 0 : 01");
const QString gpio2Busy = QStringLiteral("GetGpioEx_ById 0C76 1000 2 1 -> 0 : 00");
const QString gpio0Low = QStringLiteral("SetGpioEx_ById 0C76 1000 0 0 1 -> 0");
const QString gpio0High = QStringLiteral("SetGpioEx_ById 0C76 1000 0 1 1 -> 0");
const QString gpio1High = QStringLiteral("SetGpioEx_ById 0C76 1000 1 1 1 -> 0");
const QString gpio1Low = QStringLiteral("SetGpioEx_ById 0C76 1000 1 0 1 -> 0");
const QString gpio3Answer = QStringLiteral("GetGpioEx_ById 0C76 1000 3 1 -> 0 : 01");
const QString gpio3Silent = QStringLiteral("GetGpioEx_ById 0C76 1000 3 1 -> 0 : 00");
const QString release = QStringLiteral("ReleaseHidDevice_ById 0C76 1000 1 -> 0");

QString readCall(int slave, int reg, const QString &bytes)
{
    return QStringLiteral("Fast_ReadI2C_ById 0C76 1000 %1 %2 0 8 3000 100 6 -> 0 : %3").arg(slave).arg(reg).arg(bytes);
}

QString writeCall(const QString &bytes)
{
    return QStringLiteral("Fast_WriteI2C_ById 0C76 1000 82 240 0 8 3000 0 6 : %1 -> 0").arg(bytes);
}

QString hex(const unsigned char *bytes, int count)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(bytes), count).toHex(' ').toUpper());
}

} // namespace

class TestCommunication : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readsAndWritesAReadyCard();
    void nullBufferCallsNothing();
    void initFailsQuietlyWhenTheChipIsSilent();
    void busyCardDelaysInPollSteps_data();
    void busyCardDelaysInPollSteps();
    void lateAnswerRaisesGpio1BeforeEveryPoll();
    void failureStopsTheTransferWithItsBox_data();
    void failureStopsTheTransferWithItsBox();
    void failedReadLeavesGpio0LowAndTheNextTransferWorks();
    void pollsAreBounded_data();
    void pollsAreBounded();
    void transfersAreHeldBackWhileABoxIsOpen();
    void theBoxIsACriticalMessageBoxWithOneButton();
    void withoutPresenterTheFailureIsLogged();
    void cardPulledOutMidTransfer();
    void cardKilledBetweenTransfers();

private:
    // Plugs in a card with these options, makes the layer and initialises it.
    void plugIn(const QStringList &options = {});
    bool run(Operation operation, unsigned char *buffer);
    QStringList newCalls() { return VirtualCardProcess::calls(m_card->takeLogLines()); }

    std::unique_ptr<VirtualCardProcess> m_card;
    std::unique_ptr<Communication> m_comm;
    std::unique_ptr<ErrorPromptRecorder> m_boxes;
    std::unique_ptr<DebugLogRecorder> m_log;
};

void TestCommunication::init()
{
    ParameterBlock::instance().fromBytes(reinterpret_cast<const unsigned char *>("\x00\x00\x00\x21\x1D\x23\x1C\x11"));
    m_boxes.reset(new ErrorPromptRecorder);
    m_log.reset(new DebugLogRecorder);
}

void TestCommunication::cleanup()
{
    m_comm.reset();
    m_card.reset();
    m_log.reset();
    m_boxes.reset();
}

void TestCommunication::plugIn(const QStringList &options)
{
    m_card.reset(new VirtualCardProcess);
    QVERIFY2(m_card->start(options), qPrintable(m_card->errorText()));
    m_comm.reset(new Communication);
    QVERIFY(m_comm->init(vid, pid));
    QCOMPARE(newCalls(), QStringList({QStringLiteral("GetChipInformation 0C76 1000 -> 0 : 56 43 10 00 01 00"),
                                      QStringLiteral("SetGpioMode_ById 0C76 1000 4 1 : 01 01 00 00 -> 0")}));
    QCOMPARE(m_log->lines(), QStringList{QStringLiteral("***init")});
    m_log->clear();
}

bool TestCommunication::run(Operation operation, unsigned char *buffer)
{
    switch (operation) {
    case ReadParameters:
        return m_comm->readData(buffer);
    case ReadSerial:
        return m_comm->readSerialNumber(buffer);
    case ReadFirmware:
        return m_comm->readFirmwareVersion(buffer);
    case Write:
        return m_comm->writeData();
    }
    return false;
}

void TestCommunication::readsAndWritesAReadyCard()
{
    const QStringList options{QStringLiteral("--serial"), QStringLiteral("SN12345678901"), QStringLiteral("--firmware"),
                              QStringLiteral("V1.2")};
    plugIn(options);

    unsigned char parameters[8] = {};
    QVERIFY(m_comm->readData(parameters));
    QCOMPARE(hex(parameters, 8), defaultBlock);
    QCOMPARE(newCalls(), QStringList({configure, gpio2Ready, gpio0Low, readCall(82, 240, defaultBlock), gpio0High,
                                      release}));
    QCOMPARE(m_log->lines(), QStringList{QStringLiteral("***read: ") + defaultBlock});

    unsigned char serial[16] = {};
    QVERIFY(m_comm->readSerialNumber(serial));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(serial), 16), QByteArray("SN12345678901\0\0\0", 16));
    QCOMPARE(newCalls(), QStringList({configure, gpio2Ready, gpio0Low, readCall(83, 0, "53 4E 31 32 33 34 35 36"),
                                      readCall(83, 8, "37 38 39 30 31 00 00 00"), gpio0High, release}));

    unsigned char firmware[8] = {};
    QVERIFY(m_comm->readFirmwareVersion(firmware));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(firmware), 8), QByteArray("V1.2\0\0\0\0", 8));
    QCOMPARE(newCalls().size(), 6);
    QCOMPARE(m_log->lines().size(), 1); // neither information read logs

    ParameterBlock &block = ParameterBlock::instance();
    block.playMute = 1;
    block.eQ300 = 0x2B;
    const QString written = QStringLiteral("00 01 00 21 2B 23 1C 11");
    QVERIFY(m_comm->writeData());
    const QStringList lines = m_card->takeLogLines();
    QCOMPARE(VirtualCardProcess::calls(lines),
             QStringList({configure, gpio2Ready, gpio0Low, writeCall(written), gpio0High, gpio1High, gpio3Answer,
                          gpio1Low, release}));
    QVERIFY(lines.contains(QStringLiteral("write 52:F0 ") + written));
    QCOMPARE(m_log->lines().constLast(), QStringLiteral("***write: ") + written);
    QCOMPARE(block.eQ300, 0x2B); // sent unchanged, kept unchanged

    // The card kept the block: a card started again from its state file reports it.
    QVERIFY(m_card->stop());
    QVERIFY(m_card->start(options));
    QVERIFY(m_comm->init(vid, pid));
    QVERIFY(m_comm->readData(parameters));
    QCOMPARE(hex(parameters, 8), written);
    QVERIFY(m_boxes->texts().isEmpty());
}

void TestCommunication::nullBufferCallsNothing()
{
    plugIn();
    QVERIFY(!m_comm->readData(nullptr));
    QVERIFY(!m_comm->readSerialNumber(nullptr));
    QVERIFY(!m_comm->readFirmwareVersion(nullptr));
    unsigned char firmware[8] = {};
    QVERIFY(m_comm->readFirmwareVersion(firmware)); // marks where the null reads would have shown
    QCOMPARE(newCalls().size(), 6);
    QVERIFY(m_boxes->texts().isEmpty());
    QVERIFY(m_log->lines().isEmpty());
}

void TestCommunication::initFailsQuietlyWhenTheChipIsSilent()
{
    m_card.reset(new VirtualCardProcess);
    QVERIFY(m_card->start({QStringLiteral("--chip-silent")}));
    Communication comm;
    QVERIFY(!comm.init(vid, pid));
    // Only the query: the GPIO modes stay unset, so the strict card refuses to let the host drive
    // GPIO 0 and the next read fails there, with its box.
    QCOMPARE(newCalls(), QStringList{QStringLiteral("GetChipInformation 0C76 1000 -> 2006")});
    QVERIFY(m_boxes->texts().isEmpty());
    QVERIFY(!m_log->lines().contains(QStringLiteral("***init")));
    unsigned char buffer[8] = {};
    QVERIFY(!comm.readData(buffer));
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("readData fnDLL3S_SetGpioEx_ById fail:   return2004")});
}

void TestCommunication::busyCardDelaysInPollSteps_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("logLine");
    QTest::addColumn<int>("readyCalls");
    QTest::newRow("read") << int(ReadParameters) << "GPIO2 value : 0" << 6;
    QTest::newRow("write") << int(Write) << "GPIO_2 value : 0" << 9;
}

void TestCommunication::busyCardDelaysInPollSteps()
{
    QFETCH(int, operation);
    QFETCH(QString, logLine);
    QFETCH(int, readyCalls);
    plugIn({QStringLiteral("--gpio2-busy"), QStringLiteral("2")});
    unsigned char buffer[8] = {};
    QElapsedTimer timer;
    timer.start();
    QVERIFY(run(Operation(operation), buffer));
    QVERIFY2(timer.elapsed() >= 2 * Communication::pollIntervalMs, qPrintable(QString::number(timer.elapsed())));
    const QStringList calls = newCalls();
    QCOMPARE(calls.size(), readyCalls + 2);
    QCOMPARE(calls.mid(0, 5), QStringList({configure, gpio2Busy, gpio2Busy, gpio2Ready, gpio0Low}));
    QCOMPARE(m_log->lines(QStringLiteral("GPIO")), QStringList({logLine, logLine}));
    QVERIFY(m_boxes->texts().isEmpty());
}

void TestCommunication::lateAnswerRaisesGpio1BeforeEveryPoll()
{
    plugIn({QStringLiteral("--gpio3-late"), QStringLiteral("2")});
    QVERIFY(m_comm->writeData());
    QCOMPARE(newCalls(), QStringList({configure, gpio2Ready, gpio0Low, writeCall(defaultBlock), gpio0High, gpio1High,
                                      gpio3Silent, gpio1High, gpio3Silent, gpio1High, gpio3Answer, gpio1Low,
                                      release}));
    const QString logLine = QStringLiteral("GPIO_3 value : 0");
    QCOMPARE(m_log->lines(QStringLiteral("GPIO")), QStringList({logLine, logLine}));
    QCOMPARE(m_log->lines().constLast(), QStringLiteral("***write: ") + defaultBlock);
}

void TestCommunication::failureStopsTheTransferWithItsBox_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("calls");
    const auto fail = [](const char *spec, const char *more = nullptr) {
        QStringList options{QStringLiteral("--fail"), QLatin1String(spec)};
        if (more)
            options += QString::fromLatin1(more).split(QLatin1Char(' '));
        return options;
    };
    QTest::newRow("read: configure") << int(ReadParameters) << fail("Config_FastI2C_ById:7")
                                     << "readData fnDLL3S_Config_FastI2C_ById fail:   return7" << 1;
    QTest::newRow("read: GPIO 2") << int(ReadParameters) << fail("GetGpioEx_ById:8")
                                  << "readData fnDLL3S_GetGpioEx_ById fail:   return8" << 2;
    QTest::newRow("read: GPIO 2 polled again") << int(ReadParameters) << fail("GetGpioEx_ById:9:1:1", "--gpio2-busy 1")
                                               << "readData fnDLL3S_GetGpioEx_ById fail:   return9" << 3;
    QTest::newRow("read: GPIO 0 low") << int(ReadParameters) << fail("SetGpioEx_ById:10")
                                      << "readData fnDLL3S_SetGpioEx_ById fail:   return10" << 3;
    QTest::newRow("read: I2C") << int(ReadParameters) << fail("Fast_ReadI2C_ById:11")
                               << "readData fnDLL3S_Fast_ReadI2C_ById fail:   return11" << 4;
    QTest::newRow("serial: second I2C read") << int(ReadSerial) << fail("Fast_ReadI2C_ById:12:1:1")
                                             << "readData fnDLL3S_Fast_ReadI2C_ById fail:   return12" << 5;
    QTest::newRow("read: GPIO 0 high") << int(ReadParameters) << fail("SetGpioEx_ById:13:1:1")
                                       << "readData fnDLL3S_SetGpioEx_ById fail:   return13" << 5;
    QTest::newRow("firmware: release, negative code") << int(ReadFirmware) << fail("DLL3S_ReleaseHidDevice_ById:-3")
                                                      << "readData fnDLL3S_ReleaseHidDevice_ById fail:   return-3" << 6;
    QTest::newRow("write: configure") << int(Write) << fail("Config_FastI2C_ById:21")
                                      << "writeData fnDLL3S_Config_FastI2C_ById fail:   return21" << 1;
    QTest::newRow("write: GPIO 2") << int(Write) << fail("GetGpioEx_ById:22")
                                   << "writeData fnDLL3S_GetGpioEx_ById_gpio2 fail:   return22" << 2;
    QTest::newRow("write: GPIO 0 low") << int(Write) << fail("SetGpioEx_ById:23")
                                       << "writeData fnDLL3S_SetGpioEx_ById fail:   return23" << 3;
    QTest::newRow("write: I2C") << int(Write) << fail("Fast_WriteI2C_ById:24")
                                << "writeData fnDLL3S_Fast_WriteI2C_ById fail:   return24" << 4;
    QTest::newRow("write: GPIO 0 high") << int(Write) << fail("SetGpioEx_ById:25:1:1")
                                        << "writeData fnDLL3S_SetGpioEx_ById_gpio0 fail:   return25" << 5;
    QTest::newRow("write: GPIO 1 raised") << int(Write) << fail("SetGpioEx_ById:26:1:2")
                                          << "writeData fnDLL3S_SetGpioEx_ById_gpio1 fail:   return26" << 6;
    QTest::newRow("write: GPIO 3") << int(Write) << fail("GetGpioEx_ById:27:1:1")
                                   << "writeData fnDLL3S_GetGpioEx_ById_gpio3 fail:   return27" << 7;
    QTest::newRow("write: GPIO 1 raised again") << int(Write) << fail("SetGpioEx_ById:28:1:3", "--gpio3-late 1")
                                                << "writeData GPIO_3=0 fnDLL3S_SetGpioEx_ById_gpio1 fail:   return28" << 8;
    QTest::newRow("write: GPIO 3 polled again") << int(Write) << fail("GetGpioEx_ById:29:1:2", "--gpio3-late 1")
                                                << "writeData fnDLL3S_GetGpioEx_ById_gpio3 fail:   return29" << 9;
    QTest::newRow("write: GPIO 1 lowered") << int(Write) << fail("SetGpioEx_ById:30:1:3")
                                           << "writeData fnDLL3S_SetGpioEx_ById_gpio1 fail:   return30" << 8;
    QTest::newRow("write: release") << int(Write) << fail("ReleaseHidDevice_ById:31")
                                    << "writeData fnDLL3S_ReleaseHidDevice_ById fail:   return31" << 9;
}

void TestCommunication::failureStopsTheTransferWithItsBox()
{
    QFETCH(int, operation);
    QFETCH(QStringList, options);
    QFETCH(QString, text);
    QFETCH(int, calls);
    plugIn(options);
    unsigned char buffer[16] = {};
    QVERIFY(!run(Operation(operation), buffer));
    QCOMPARE(m_boxes->titles(), QStringList{QStringLiteral("Error prompt")});
    QCOMPARE(m_boxes->texts(), QStringList{text});
    const QStringList made = newCalls();
    QCOMPARE(made.size(), calls);
    const QString code = text.mid(text.lastIndexOf(QLatin1String("return")) + 6);
    QVERIFY2(made.constLast().endsWith(QStringLiteral(" -> ") + code), qPrintable(made.constLast()));
    QVERIFY(m_log->lines(QStringLiteral("***")).isEmpty()); // no success line
    QCOMPARE(hex(&ParameterBlock::instance().flag, 8), defaultBlock);
}

void TestCommunication::failedReadLeavesGpio0LowAndTheNextTransferWorks()
{
    plugIn({QStringLiteral("--fail"), QStringLiteral("Fast_ReadI2C_ById:5")});
    unsigned char buffer[8] = {};
    QVERIFY(!m_comm->readData(buffer));
    QCOMPARE(newCalls().constLast(), QStringLiteral("Fast_ReadI2C_ById 0C76 1000 82 240 0 8 3000 100 6 -> 5"));
    // GPIO 0 is still low and the device not released; the next transfer drives GPIO 0 low and
    // back as usual.
    m_card->takeLogLines();
    QVERIFY(m_comm->writeData());
    QCOMPARE(newCalls(), QStringList({configure, gpio2Ready, gpio0Low, writeCall(defaultBlock), gpio0High, gpio1High,
                                      gpio3Answer, gpio1Low, release}));
    QVERIFY(m_comm->readData(buffer));
    QCOMPARE(m_boxes->texts().size(), 1);
}

void TestCommunication::pollsAreBounded_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("logLine");
    QTest::addColumn<QString>("text");
    QTest::newRow("read: GPIO 2 never ready")
        << int(ReadParameters) << QStringList{QStringLiteral("--gpio2-busy"), QStringLiteral("1000")}
        << "GPIO2 value : 0" << "readData fnDLL3S_GetGpioEx_ById timeout:   return15";
    QTest::newRow("write: GPIO 3 never answers")
        << int(Write) << QStringList{QStringLiteral("--gpio3-late"), QStringLiteral("1000")} << "GPIO_3 value : 0"
        << "writeData fnDLL3S_GetGpioEx_ById_gpio3 timeout:   return15";
}

void TestCommunication::pollsAreBounded()
{
    QFETCH(int, operation);
    QFETCH(QStringList, options);
    QFETCH(QString, logLine);
    QFETCH(QString, text);
    plugIn(options);
    unsigned char buffer[8] = {};
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!run(Operation(operation), buffer));
    const qint64 elapsed = timer.elapsed();
    QVERIFY2(elapsed >= Communication::maxPolls * Communication::pollIntervalMs && elapsed < 10000,
             qPrintable(QString::number(elapsed)));
    QCOMPARE(m_boxes->texts(), QStringList{text});
    QCOMPARE(m_log->lines(QStringLiteral("GPIO")), QStringList(QVector<QString>(Communication::maxPolls, logLine).toList()));
    QCOMPARE(newCalls().constLast().left(20), QStringLiteral("GetGpioEx_ById 0C76 "));
}

void TestCommunication::transfersAreHeldBackWhileABoxIsOpen()
{
    plugIn({QStringLiteral("--fail"), QStringLiteral("Fast_ReadI2C_ById:5")});
    bool nestedWrite = true;
    bool nestedRead = true;
    bool nestedInit = true;
    unsigned char nestedBuffer[8] = {};
    // The box's nested event loop delivers a timer that would start transfers (a slider released,
    // a card arriving) before the failed read has returned.
    m_boxes->whileOpen = [&] {
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&] {
            nestedWrite = m_comm->writeData();
            nestedRead = m_comm->readData(nestedBuffer);
            nestedInit = m_comm->init(vid, pid);
            loop.quit();
        });
        loop.exec();
    };
    unsigned char buffer[8] = {};
    QVERIFY(!m_comm->readData(buffer));
    QVERIFY(!nestedWrite);
    QVERIFY(!nestedRead);
    // Setting the GPIO modes is never held back: a card initialised under a box must still work.
    QVERIFY(nestedInit);
    QCOMPARE(newCalls().size(), 6); // the failed read's own calls and init's two
    QCOMPARE(m_boxes->texts().size(), 1);
    // Once the box is closed, transfers run again.
    m_boxes->whileOpen = nullptr;
    QVERIFY(m_comm->writeData());
    QCOMPARE(newCalls().size(), 9);
}

void TestCommunication::theBoxIsACriticalMessageBoxWithOneButton()
{
    plugIn({QStringLiteral("--fail"), QStringLiteral("Config_FastI2C_ById:4660")});
    m_boxes.reset();
    ErrorBox::install(); // the application's real box
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    bool heldBack = false;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        closer.stop();
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons().size();
        QVERIFY(box->parentWidget() == nullptr);
        heldBack = !m_comm->writeData(); // a timer inside the box's own event loop
        box->button(QMessageBox::Ok)->click();
    });
    closer.start(20);
    QVERIFY(!m_comm->writeData());
    QCOMPARE(title, QStringLiteral("Error prompt"));
    QCOMPARE(text, QStringLiteral("writeData fnDLL3S_Config_FastI2C_ById fail:   return4660"));
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(buttons, 1);
    QVERIFY(heldBack);
    QCOMPARE(newCalls().size(), 1);
    ErrorPrompt::setPresenter({});
}

void TestCommunication::withoutPresenterTheFailureIsLogged()
{
    plugIn({QStringLiteral("--fail"), QStringLiteral("Config_FastI2C_ById:4660")});
    m_boxes.reset();
    QVERIFY(!m_comm->writeData());
    QCOMPARE(m_log->lines(QStringLiteral("Error prompt")),
             QStringList{QStringLiteral("Error prompt: writeData fnDLL3S_Config_FastI2C_ById fail:   return4660")});
}

void TestCommunication::cardPulledOutMidTransfer()
{
    plugIn({QStringLiteral("--pull-after"), QStringLiteral("5")}); // the init calls count
    unsigned char buffer[8] = {};
    QVERIFY(!m_comm->readData(buffer));
    QVERIFY(m_card->waitForFinished());
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("readData fnDLL3S_Fast_ReadI2C_ById fail:   return1001")});
    QVERIFY(!m_comm->writeData());
    QCOMPARE(m_boxes->texts().constLast(), QStringLiteral("writeData fnDLL3S_Config_FastI2C_ById fail:   return1001"));
}

void TestCommunication::cardKilledBetweenTransfers()
{
    plugIn();
    QVERIFY(m_card->kill());
    QVERIFY(QFile::exists(m_card->socketPath())); // left behind, refusing connections
    unsigned char buffer[8] = {};
    QVERIFY(!m_comm->readData(buffer));
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("readData fnDLL3S_Config_FastI2C_ById fail:   return1001")});
    // Plugged in again under the same name, the card replaces the dead socket and answers.
    QVERIFY(m_card->start());
    QVERIFY(m_comm->init(vid, pid));
    QVERIFY(m_comm->readData(buffer));
    QCOMPARE(hex(buffer, 8), defaultBlock);
}

QTEST_MAIN(TestCommunication)
#include "tst_communication.moc"
