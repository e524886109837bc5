// The sound-card model against real virtual card processes: what it reads, what it writes, and
// when it leaves the card alone.

#include "debuglogrecorder.h"
#include "device/soundcardbase.h"
#include "errorpromptrecorder.h"
#include "settings/configfile.h"
#include "virtualcardprocess.h"

#include <QtTest>

#include <memory>

namespace {

const int vid = 0x0C76;

// The blocks the card says it served, as their hex bytes ("write 52:F0 00 01 ...").
QStringList served(const QStringList &lines, const QString &step)
{
    QStringList blocks;
    const QString prefix = step + QStringLiteral(" 52:F0 ");
    for (const QString &line : lines) {
        if (line.startsWith(prefix))
            blocks.append(line.mid(prefix.size()));
    }
    return blocks;
}

QVariantMap paraMap(const QList<int> &bytes)
{
    static const char *keys[] = {"flag", "playMute", "micMute", "eQ60", "eQ300", "eQ1200", "eQ3600", "eQ12000"};
    QVariantMap map;
    for (int i = 0; i < 8; ++i)
        map.insert(QString::fromLatin1(keys[i]), bytes.at(i));
    return map;
}

} // namespace

class TestSoundCardBase : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void leavesTheCardAloneUntilTheFirstRead();
    void readKeepsMutesAndAnnouncesBeforeSerialAndFirmware();
    void settersWriteLowBitsOfTheirByteOnly();
    void setOriginalRestoresTheModelsBands_data();
    void setOriginalRestoresTheModelsBands();
    void equalizerStylesComeFromTheStore();
    void removalStopsWritesUntilTheNextRead();
    void initDevKeepsTheNameForUnknownProducts();
    void serialAndFirmwareTexts_data();
    void serialAndFirmwareTexts();

private:
    // Plugs in a card, makes a model for it and reads it; its log is taken up to here.
    void plugInAndRead(const QStringList &options = {}, int pid = 0x1000);
    QStringList writes() { return served(m_card->takeLogLines(), QStringLiteral("write")); }
    // A card with factory values, whatever earlier tests wrote.
    QStringList freshState() { return {"--state", m_stateDir->filePath("card.state")}; }

    std::unique_ptr<QTemporaryDir> m_stateDir;
    std::unique_ptr<VirtualCardProcess> m_card;
    std::unique_ptr<SoundCardBase> m_model;
    std::unique_ptr<ErrorPromptRecorder> m_boxes;
    std::unique_ptr<DebugLogRecorder> m_log;
};

void TestSoundCardBase::init()
{
    m_stateDir.reset(new QTemporaryDir);
    m_boxes.reset(new ErrorPromptRecorder);
    m_log.reset(new DebugLogRecorder);
}

void TestSoundCardBase::cleanup()
{
    QVERIFY2(m_boxes->texts().isEmpty(), qPrintable(m_boxes->texts().join('\n')));
    m_model.reset();
    m_card.reset();
    m_log.reset();
    m_boxes.reset();
}

void TestSoundCardBase::plugInAndRead(const QStringList &options, int pid)
{
    m_card.reset(new VirtualCardProcess);
    QVERIFY2(m_card->start(options + freshState()), qPrintable(m_card->errorText()));
    m_model.reset(new SoundCardBase);
    QVERIFY(m_model->initDev(vid, pid));
    QVERIFY(m_model->getAllParaIsChange());
    m_card->takeLogLines();
}

void TestSoundCardBase::leavesTheCardAloneUntilTheFirstRead()
{
    m_card.reset(new VirtualCardProcess);
    QVERIFY2(m_card->start(freshState()), qPrintable(m_card->errorText()));
    m_model.reset(new SoundCardBase);
    QVERIFY(m_model->initDev(vid, 0x1000));
    QCOMPARE(m_model->getDevType(), QString("zq05"));
    m_card->takeLogLines();

    m_model->setMicMute(true);
    m_model->setPlayMute(true);
    m_model->setSlider60(1);
    m_model->setSlider300(2);
    m_model->setSlider1_2k(3);
    m_model->setSlider3_6k(4);
    m_model->setSlider12k(5);
    m_model->setEqualizerEffect(0);
    QCOMPARE(m_model->setOriginal(), QList<int>());
    QCOMPARE(VirtualCardProcess::calls(m_card->takeLogLines()), QStringList());
    QVERIFY(m_model->getAllPara().isEmpty());
    QVERIFY(m_model->getSNCode().isEmpty());
    QVERIFY(m_model->getFirmwareVer().isEmpty());
    QVERIFY(m_model->getInputDevName().isEmpty());
}

void TestSoundCardBase::readKeepsMutesAndAnnouncesBeforeSerialAndFirmware()
{
    plugInAndRead({"--serial", "VC0500000A001", "--firmware", "FW-1.2"});
    // Leave the card muted both ways with its factory bands, then read it as a new arrival would.
    m_model->setPlayMute(true);
    m_model->setMicMute(true);
    QCOMPARE(writes().last(), QString("00 01 01 21 1D 23 1C 11"));
    m_model->clearReady();
    m_log->clear();

    // A handler of the announcement sees the new values but the previous serial and firmware, and
    // cannot write yet.
    QStringList seenInHandler;
    m_model.reset(new SoundCardBase);
    connect(m_model.get(), &SoundCardBase::allParaChanged, this, [&] {
        seenInHandler << m_model->getSNCode() << m_model->getFirmwareVer()
                      << QString::number(m_model->getAllPara().value("eQ60").toInt());
        m_model->setSlider60(7);
    });
    QVERIFY(m_model->initDev(vid, 0x1000));
    QVERIFY(m_model->getAllParaIsChange());

    const QStringList lines = m_card->takeLogLines();
    QCOMPARE(served(lines, "read"), QStringList{"00 01 01 21 1D 23 1C 11"});
    QVERIFY(served(lines, "write").isEmpty());
    // A muted card is shown muted.
    QCOMPARE(m_model->getAllPara(), paraMap({0, 1, 1, 0x21, 0x1D, 0x23, 0x1C, 0x11}));
    QCOMPARE(seenInHandler, QStringList({"", "", "33"}));
    QCOMPARE(m_model->getSNCode(), QString("VC0500000A001"));
    QCOMPARE(m_model->getFirmwareVer(), QString("FW-1.2"));
    const QStringList log = m_log->lines();
    const int announced = log.indexOf("***Update data to interface");
    QVERIFY2(announced >= 0, qPrintable(log.join('\n')));
    QCOMPARE(log.last(), QString("==========m_firmwareVer======== FW-1.2"));

    // and stays muted when anything else is written.
    m_model->setSlider12k(18);
    QCOMPARE(writes(), QStringList{"00 01 01 21 1D 23 1C 12"});
}

void TestSoundCardBase::settersWriteLowBitsOfTheirByteOnly()
{
    plugInAndRead();
    const QVariantMap lastRead = m_model->getAllPara();
    m_model->setSlider60(300);
    m_model->setSlider300(1);
    m_model->setSlider1_2k(2);
    m_model->setSlider3_6k(3);
    m_model->setSlider12k(256 + 4);
    m_model->setPlayMute(true);
    m_model->setMicMute(true);
    m_model->setMicMute(false);
    QCOMPARE(writes(), QStringList({"00 00 00 2C 1D 23 1C 11", "00 00 00 2C 01 23 1C 11", "00 00 00 2C 01 02 1C 11",
                                    "00 00 00 2C 01 02 03 11", "00 00 00 2C 01 02 03 04", "00 01 00 2C 01 02 03 04",
                                    "00 01 01 2C 01 02 03 04", "00 01 00 2C 01 02 03 04"}));
    // Setters change the block, never the values of the last read.
    QCOMPARE(m_model->getAllPara(), lastRead);
}

void TestSoundCardBase::setOriginalRestoresTheModelsBands_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("pid");
    QTest::addColumn<QList<int>>("restored");
    QTest::newRow("zq05") << "zq05" << 0x1000 << QList<int>({0, 0, 33, 29, 35, 28, 17});
    QTest::newRow("zq06") << "zq06" << 0x1001 << QList<int>({0, 0, 43, 42, 36, 39, 38});
}

void TestSoundCardBase::setOriginalRestoresTheModelsBands()
{
    QFETCH(QString, model);
    QFETCH(int, pid);
    QFETCH(QList<int>, restored);
    plugInAndRead({"--model", model}, pid);
    QCOMPARE(m_model->getDevType(), model);
    m_model->setPlayMute(true);
    m_model->setSlider60(1);
    m_model->setSlider12k(2);
    writes();

    QCOMPARE(m_model->setOriginal(), restored);
    QStringList bytes;
    for (int value : restored)
        bytes << QString("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
    QCOMPARE(writes(), QStringList{"00 " + bytes.join(' ')});
}

void TestSoundCardBase::equalizerStylesComeFromTheStore()
{
    plugInAndRead();
    m_model->setPlayMute(true);
    writes();

    m_model->setEqualizerEffect(1); // built-in "danceMusicConfig": 40 36 27 30 18
    ConfigFile::instance()->saveEqualizerConfig(3, 4, 45);
    ConfigFile::instance()->saveEqualizerConfig(3, 0, 300);
    ConfigFile::instance()->saveEqualizerConfig(3, 1, -5);
    // "rockConfig" with three saved bands out of range (300 -5 27 32 45): the card gets the ends the
    // sliders show, never the low bits of a hand-edited number.
    m_model->setEqualizerEffect(3);
    QCOMPARE(writes(), QStringList({"00 01 00 28 24 1B 1E 12", "00 01 00 2B 00 1B 20 2B"}));

    // No style has these numbers: nothing is written.
    m_model->setEqualizerEffect(4);
    m_model->setEqualizerEffect(-1);
    QCOMPARE(VirtualCardProcess::calls(m_card->takeLogLines()), QStringList());
}

void TestSoundCardBase::removalStopsWritesUntilTheNextRead()
{
    plugInAndRead();
    m_model->clearReady();
    m_model->setSlider300(9);
    m_model->setEqualizerEffect(2);
    QCOMPARE(m_model->setOriginal(), QList<int>());
    QCOMPARE(VirtualCardProcess::calls(m_card->takeLogLines()), QStringList());
    // What was read stays for the scene to show.
    QCOMPARE(m_model->getDevType(), QString("zq05"));
    QVERIFY(!m_model->getAllPara().isEmpty());

    QVERIFY(m_model->getAllParaIsChange());
    m_card->takeLogLines();
    m_model->setSlider300(9);
    QCOMPARE(writes(), QStringList{"00 00 00 21 09 23 1C 11"});
}

void TestSoundCardBase::initDevKeepsTheNameForUnknownProducts()
{
    plugInAndRead({"--model", "zq06"}, 0x1001);
    QCOMPARE(m_model->getDevType(), QString("zq06"));
    QVERIFY(m_model->initDev(vid, 0x1234)); // no such card: init fails, quietly
    QCOMPARE(m_model->getDevType(), QString("zq06"));
    QVERIFY(m_model->initDev(vid, 0x1000));
    QCOMPARE(m_model->getDevType(), QString("zq05"));
}

void TestSoundCardBase::serialAndFirmwareTexts_data()
{
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<QString>("serialText");
    QTest::newRow("13 characters") << "ABCDEFGHIJKLM" << "V1" << "ABCDEFGHIJKLM";
    QTest::newRow("zero at position 5") << "ABCDE" << "V1" << "ABCDE";
    QTest::newRow("bytes 13 to 15 unused") << "ABCDEFGHIJKLMNOP" << "V1" << "ABCDEFGHIJKLM";
    QTest::newRow("firmware fills all 8 bytes") << "S1" << "12345678" << "S1";
}

void TestSoundCardBase::serialAndFirmwareTexts()
{
    QFETCH(QString, serial);
    QFETCH(QString, firmware);
    QFETCH(QString, serialText);
    plugInAndRead({"--serial", serial, "--firmware", firmware});
    QCOMPARE(m_model->getSNCode(), serialText);
    QCOMPARE(m_model->getFirmwareVer(), firmware);
}

QTEST_GUILESS_MAIN(TestSoundCardBase)
#include "tst_soundcardbase.moc"
