// The recorder records from the card's own input while the card is in, and from the default input once
// it is pulled: real virtual cards, the main window, and the suite's sound server, whose default input
// plays 440 Hz and whose card input, carrying the card's USB ids as a real card's does, 1000 Hz.

#include "app/mainwidget.h"
#include "debuglogrecorder.h"
#include "recorder/recordwidget.h"
#include "virtualcardprocess.h"

#include <QDeadlineTimer>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

const QString CardSource = QStringLiteral("velora_zq05_in");

QString pactl(const QStringList &arguments)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start("pactl", arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// The card's input as the sound server offers a USB card's microphone: a source with the card's ids,
// here fed from the server's card tone. Returns the module's index, empty on failure.
QString addCardSource(const QString &productId)
{
    return pactl({"load-module", "module-remap-source", "source_name=" + CardSource, "master=cardmic.monitor",
                  QStringLiteral("source_properties=\"device.bus=usb device.vendor.id=0c76 device.product.id=%1\"")
                      .arg(productId)});
}

// The tone's frequency in a take, from the rising zero crossings of its first channel, leaving out the
// take's first 0.2 s; 0 for a take shorter than half a second.
double toneFrequency(const QString &path)
{
    QProcess ffmpeg;
    ffmpeg.setStandardInputFile(QProcess::nullDevice());
    ffmpeg.start("ffmpeg", {"-nostdin", "-loglevel", "error", "-ss", "0.2", "-i", path, "-af", "pan=mono|c0=c0",
                            "-f", "s16le", "-ar", "44100", "-"});
    if (!ffmpeg.waitForFinished(30000) || ffmpeg.exitCode() != 0)
        return 0;
    const QByteArray raw = ffmpeg.readAllStandardOutput();
    const auto *samples = reinterpret_cast<const qint16 *>(raw.constData());
    const int count = raw.size() / 2;
    if (count < 44100 / 2)
        return 0;
    int rising = 0;
    int loudest = 0;
    for (int i = 1; i < count; ++i) {
        loudest = qMax(loudest, qAbs(int(samples[i])));
        if (samples[i - 1] < 0 && samples[i] >= 0)
            ++rising;
    }
    // Silence, or the hiss of nothing, is no tone.
    return loudest > 1000 ? rising * 44100.0 / count : 0;
}

} // namespace

class TestCardInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void recordsTheCardWhileItIsInAndTheDefaultInputOnceItIsPulled();

private:
    QString recordTake(RecordWidget *panel);

    QTemporaryDir m_stateDir;
    QString m_module;
    // Made once the test runs: QtTest sets its own message handler when it starts.
    std::unique_ptr<DebugLogRecorder> m_log;
};

void TestCardInput::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("PULSE_SERVER"), "the suite's sound server is needed");
    QVERIFY2(!pactl({"info"}).isEmpty(), "the suite's sound server does not answer");
    m_log.reset(new DebugLogRecorder);
}

void TestCardInput::cleanup()
{
    if (!m_module.isEmpty())
        pactl({"unload-module", m_module});
    m_module.clear();
}

QString TestCardInput::recordTake(RecordWidget *panel)
{
    auto *record = panel->findChild<QToolButton *>("btnRecord");
    const QString before = panel->playPath();
    record->click();
    // The first buffers come up to 1.8 s after the start.
    QTest::qWait(3500);
    record->click();
    // The take's file is known once the recorder has stopped; empty when it never does.
    QDeadlineTimer deadline(10000);
    while (panel->playPath() == before && !deadline.hasExpired())
        QTest::qWait(50);
    return panel->playPath() == before ? QString() : panel->playPath();
}

void TestCardInput::recordsTheCardWhileItIsInAndTheDefaultInputOnceItIsPulled()
{
    m_module = addCardSource("1000");
    QVERIFY(!m_module.isEmpty());
    MainWidget window;
    window.show();
    window.openRecordWidget(true);
    auto *panel = window.findChild<RecordWidget *>();
    QVERIFY(panel);
    QSignalSpy connections(&window, &MainWidget::isConnect);

    // The other model finds no input of its own, though the zq05's is there.
    VirtualCardProcess zq06;
    QVERIFY2(zq06.start({"--model", "zq06", "--state", m_stateDir.filePath("zq06.state")}), qPrintable(zq06.errorText()));
    QTRY_COMPARE_WITH_TIMEOUT(connections.count(), 1, 10000);
    QCOMPARE(panel->inputDevName(), QStringLiteral("Default"));
    QVERIFY(zq06.stop());
    QTRY_COMPARE(connections.count(), 2);

    VirtualCardProcess zq05;
    QVERIFY2(zq05.start({"--model", "zq05", "--state", m_stateDir.filePath("zq05.state")}), qPrintable(zq05.errorText()));
    // Handed over at the card's arrival, before the card is read.
    QTRY_COMPARE(panel->inputDevName(), "alsa:pulse:DEVICE=" + CardSource);
    QCOMPARE(connections.count(), 2);
    // The input menu offers the card's input first, marked and chosen, and not again among the system's.
    QMenu *menu = panel->findChild<QToolButton *>("inputMenu")->menu();
    emit menu->aboutToShow();
    QStringList inputs;
    for (const QAction *action : menu->actions()) {
        if (action->isCheckable() && !action->text().contains(" kHz "))
            inputs << action->text() + (action->isChecked() ? " [x]" : "");
    }
    QCOMPARE(inputs.first(), CardSource + " (sound card) [x]");
    QVERIFY2(!inputs.contains(CardSource) && inputs.contains("mic.monitor"), qPrintable(inputs.join("; ")));
    const QString cardTake = recordTake(panel);
    QVERIFY(!cardTake.isEmpty());
    const double cardTone = toneFrequency(cardTake);
    QVERIFY2(std::abs(cardTone - 1000) < 10, qPrintable(QString("%1: %2 Hz").arg(cardTake).arg(cardTone)));

    // Pulled out: the card's input goes with it, and the next take is the default input's.
    QVERIFY(zq05.stop());
    cleanup();
    QTRY_COMPARE(panel->inputDevName(), QStringLiteral("Default"));
    const QString defaultTake = recordTake(panel);
    QVERIFY(!defaultTake.isEmpty());
    const double defaultTone = toneFrequency(defaultTake);
    QVERIFY2(std::abs(defaultTone - 440) < 5, qPrintable(QString("%1: %2 Hz").arg(defaultTake).arg(defaultTone)));

    // A real card's input comes up a moment after the card: it is looked for again when the card is read.
    const int arrivals = m_log->lines("***Device insertion detected").size();
    QVERIFY2(zq05.start({"--model", "zq05", "--state", m_stateDir.filePath("zq05.state")}), qPrintable(zq05.errorText()));
    QTRY_COMPARE(m_log->lines("***Device insertion detected").size(), arrivals + 1);
    QCOMPARE(connections.count(), 4);
    QCOMPARE(panel->inputDevName(), QStringLiteral("Default"));
    m_module = addCardSource("1000");
    QVERIFY(!m_module.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(connections.count(), 5, 10000);
    QCOMPARE(connections.last(), QVariantList({true, "zq05"}));
    QCOMPARE(panel->inputDevName(), "alsa:pulse:DEVICE=" + CardSource);
}

QTEST_MAIN(TestCardInput)
#include "tst_cardinput.moc"
