// The main window's side of a card's life, with real virtual card processes: the model made on the
// first arrival, the delayed read and announcement, removal at once (kill -9 included), re-arrival,
// and timers that find their card gone.

#include "app/mainwidget.h"
#include "debuglogrecorder.h"
#include "device/detectiondevice.h"
#include "device/soundcardbase.h"
#include "errorpromptrecorder.h"
#include "virtualcardprocess.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QQmlContext>
#include <QQuickWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const int readDelayMs = 3000;

QObject *publishedSoundCard(MainWidget *window)
{
    return window->findChild<QQuickWidget *>()->rootContext()->contextProperty("SoundCard").value<QObject *>();
}

QVariantList connection(bool connected, const QString &model)
{
    return {connected, model};
}

int reads(const QStringList &cardLog)
{
    return cardLog.filter(QRegularExpression("^read 52:F0 ")).size();
}

} // namespace

class TestCardArrival : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void cardPresentAtStartIsReadThenFollowedOutAndIn();
    void arrivalRemovalArrivalWithinTheDelayReadsTwiceAfterTheRemoval();
    void cardGoneBeforeItsReadIsLeftAlone();
    void cardReplugedUnderAnOpenBoxIsReadWhenItCloses();
    void cardThatFailsItsFirstReadIsReadAgainOrStated();
    void cardPulledDuringItsReadIsNotAnnounced();
    void closingTheWindowDeletesDetectorAndModelAndDropsPendingReads();

private:
    bool plugIn(VirtualCardProcess &card, const QString &model = "zq05");

    std::unique_ptr<QTemporaryDir> m_stateDir;
    std::unique_ptr<ErrorPromptRecorder> m_boxes;
    std::unique_ptr<DebugLogRecorder> m_log;
};

void TestCardArrival::init()
{
    m_stateDir.reset(new QTemporaryDir);
    m_boxes.reset(new ErrorPromptRecorder);
    m_log.reset(new DebugLogRecorder);
}

void TestCardArrival::cleanup()
{
    // A card that is gone must never be talked to.
    QVERIFY2(m_boxes->texts().isEmpty(), qPrintable(m_boxes->texts().join('\n')));
    m_log.reset();
    m_boxes.reset();
}

bool TestCardArrival::plugIn(VirtualCardProcess &card, const QString &model)
{
    const bool started = card.start({"--model", model, "--state", m_stateDir->filePath(model + ".state")});
    if (!started)
        qWarning() << card.errorText();
    return started;
}

void TestCardArrival::cardPresentAtStartIsReadThenFollowedOutAndIn()
{
    VirtualCardProcess zq05;
    QVERIFY(plugIn(zq05));
    QElapsedTimer sinceArrival;
    sinceArrival.start();
    MainWidget window;
    // Found by the scan in the constructor: the model is there before the window is shown.
    auto *model = qobject_cast<SoundCardBase *>(publishedSoundCard(&window));
    QVERIFY(model);
    QVERIFY(m_log->lines().contains("***Device insertion detected"));
    QSignalSpy connections(&window, &MainWidget::isConnect);
    window.show();

    QTRY_COMPARE_WITH_TIMEOUT(connections.count(), 1, readDelayMs + 5000);
    QVERIFY2(sinceArrival.elapsed() >= readDelayMs - 50, qPrintable(QString::number(sinceArrival.elapsed())));
    QCOMPARE(connections.at(0), connection(true, "zq05"));
    QCOMPARE(reads(zq05.logLines()), 1);
    QCOMPARE(model->getSNCode(), QString("VC05000000001"));

    // Pulled out the hard way: announced at once, and the model stops writing.
    QElapsedTimer sinceKill;
    sinceKill.start();
    QVERIFY(zq05.kill());
    QTRY_COMPARE_WITH_TIMEOUT(connections.count(), 2, 1000);
    QCOMPARE(connections.at(1), connection(false, "zq05"));
    model->setSlider60(5);
    QCOMPARE(model->setOriginal(), QList<int>());

    // Another model plugged in: the same model object reads it and the window announces it.
    VirtualCardProcess zq06;
    QVERIFY(plugIn(zq06, "zq06"));
    QTRY_COMPARE_WITH_TIMEOUT(connections.count(), 3, readDelayMs + 5000);
    QCOMPARE(connections.at(2), connection(true, "zq06"));
    QCOMPARE(publishedSoundCard(&window), model);
    QCOMPARE(model->getDevType(), QString("zq06"));
    QCOMPARE(model->getSNCode(), QString("VC06000000001"));
    QCOMPARE(reads(zq06.logLines()), 1);
}

void TestCardArrival::arrivalRemovalArrivalWithinTheDelayReadsTwiceAfterTheRemoval()
{
    MainWidget window;
    QVERIFY(!publishedSoundCard(&window));
    QSignalSpy connections(&window, &MainWidget::isConnect);

    VirtualCardProcess first;
    QVERIFY(plugIn(first));
    QTRY_VERIFY(publishedSoundCard(&window));
    QObject *model = publishedSoundCard(&window);
    QVERIFY(first.kill());
    QTRY_COMPARE(connections.count(), 1);
    QCOMPARE(connections.at(0), connection(false, "zq05"));

    // Back under the same name within the delay of the first arrival.
    VirtualCardProcess again;
    QVERIFY(plugIn(again));
    QTRY_COMPARE(m_log->lines("***Device insertion detected").size(), 2);
    QTRY_COMPARE_WITH_TIMEOUT(connections.count(), 3, 2 * readDelayMs + 5000);
    QCOMPARE(connections.at(1), connection(true, "zq05"));
    QCOMPARE(connections.at(2), connection(true, "zq05"));
    QCOMPARE(reads(again.logLines()), 2);
    QCOMPARE(reads(first.logLines()), 0);
    QCOMPARE(publishedSoundCard(&window), model);
}

void TestCardArrival::cardGoneBeforeItsReadIsLeftAlone()
{
    MainWidget window;
    QSignalSpy connections(&window, &MainWidget::isConnect);
    VirtualCardProcess card;
    QVERIFY(plugIn(card));
    QTRY_VERIFY(publishedSoundCard(&window));
    QVERIFY(card.kill());
    QTRY_COMPARE(connections.count(), 1);

    // Past the delay: no read, no box, no announcement of a card that is not there.
    QTest::qWait(readDelayMs + 300);
    QCOMPARE(connections.count(), 1);
    QCOMPARE(connections.at(0), connection(false, "zq05"));
    QVERIFY(m_log->lines("***Update data to interface").isEmpty());
    QVERIFY(m_log->lines("***init").isEmpty());
}

// A write fails and its box stays open while the card is pulled out and plugged in again, and past
// the read delay: the card is read once the box is closed, never shown or written with zeros.
void TestCardArrival::cardReplugedUnderAnOpenBoxIsReadWhenItCloses()
{
    VirtualCardProcess first;
    QVERIFY(first.start({"--fail", "Fast_WriteI2C_ById:7", "--state", m_stateDir->filePath("first.state")}));
    MainWidget window;
    auto *model = qobject_cast<SoundCardBase *>(publishedSoundCard(&window));
    QVERIFY(model);
    QSignalSpy connections(&window, &MainWidget::isConnect);
    QSignalSpy shown(model, &SoundCardBase::allParaChanged);
    QTRY_COMPARE_WITH_TIMEOUT(connections.count(), 1, readDelayMs + 5000);

    VirtualCardProcess again;
    int connectionsInBox = -1;
    int shownInBox = -1;
    m_boxes->whileOpen = [&] {
        QVERIFY(first.kill());
        QVERIFY(plugIn(again));
        QTest::qWait(readDelayMs + 1000);
        connectionsInBox = connections.count();
        shownInBox = shown.count();
    };
    model->setSlider60(5);
    m_boxes->whileOpen = nullptr;
    QCOMPARE(m_boxes->texts(), QStringList("writeData fnDLL3S_Fast_WriteI2C_ById fail:   return7"));
    m_boxes->clear();
    QCOMPARE(connectionsInBox, 2);
    QCOMPARE(connections.at(1), connection(false, "zq05"));
    QCOMPARE(shownInBox, 1);
    QCOMPARE(reads(again.logLines()), 0);

    QTRY_COMPARE_WITH_TIMEOUT(connections.count(), 3, 2000);
    QCOMPARE(connections.at(2), connection(true, "zq05"));
    QCOMPARE(reads(again.logLines()), 1);
    QCOMPARE(shown.count(), 2);
    const QVariantMap values = model->getAllPara();
    const QList<int> bands{values["eQ60"].toInt(), values["eQ300"].toInt(), values["eQ1200"].toInt(),
                           values["eQ3600"].toInt(), values["eQ12000"].toInt()};
    QCOMPARE(bands, (QList<int>{33, 29, 35, 28, 17}));
    QCOMPARE(model->getSNCode(), QString("VC05000000001"));

    // The card was set up for transfers: the next change reaches it with the card's own bands.
    again.takeLogLines();
    model->setSlider300(9);
    QCOMPARE(again.logLines().filter(QRegularExpression("^write 52:F0 ")),
             QStringList("write 52:F0 00 00 00 21 09 23 1C 11"));
}

// A first read that fails is tried again; a card that never answers is stated in the status line
// rather than left as "no device" while it is plugged in.
void TestCardArrival::cardThatFailsItsFirstReadIsReadAgainOrStated()
{
    MainWidget window;
    QSignalSpy connections(&window, &MainWidget::isConnect);
    QSignalSpy unusable(&window, &MainWidget::cardUnusable);
    VirtualCardProcess once;
    QVERIFY(once.start({"--fail", "Fast_ReadI2C_ById:5", "--state", m_stateDir->filePath("once.state")}));
    QTRY_COMPARE_WITH_TIMEOUT(connections.count(), 1, readDelayMs + 5000);
    QCOMPARE(connections.at(0), connection(true, "zq05"));
    QCOMPARE(m_boxes->texts(), QStringList("readData fnDLL3S_Fast_ReadI2C_ById fail:   return5"));
    m_boxes->clear();
    QCOMPARE(reads(once.logLines()), 1);
    QVERIFY(once.kill());
    QTRY_COMPARE(connections.count(), 2);

    VirtualCardProcess silent;
    QVERIFY(silent.start({"--fail", "Fast_ReadI2C_ById:5:always", "--state", m_stateDir->filePath("silent.state")}));
    QTRY_COMPARE_WITH_TIMEOUT(unusable.count(), 1, readDelayMs + 8000);
    QCOMPARE(unusable.at(0), QVariantList{"noAnswer"});
    QCOMPARE(m_boxes->texts().size(), 3);
    m_boxes->clear();
    QCOMPARE(connections.count(), 2);
    QCOMPARE(m_log->lines("***card found but it does not answer").size(), 1);
}

// The serial number's read fails and the card is pulled out while its box is open: the removal is
// announced and the read that comes back afterwards announces nothing.
void TestCardArrival::cardPulledDuringItsReadIsNotAnnounced()
{
    MainWidget window;
    QSignalSpy connections(&window, &MainWidget::isConnect);
    VirtualCardProcess card;
    QVERIFY(card.start({"--fail", "Fast_ReadI2C_ById:5:1:1", "--state", m_stateDir->filePath("card.state")}));
    m_boxes->whileOpen = [&] {
        QVERIFY(card.kill());
        QTRY_COMPARE(connections.count(), 1);
    };
    QTRY_COMPARE_WITH_TIMEOUT(m_boxes->texts().size(), 1, readDelayMs + 5000);
    m_boxes->whileOpen = nullptr;
    m_boxes->clear();
    QTest::qWait(300);
    QCOMPARE(connections.count(), 1);
    QCOMPARE(connections.at(0), connection(false, "zq05"));
}

void TestCardArrival::closingTheWindowDeletesDetectorAndModelAndDropsPendingReads()
{
    VirtualCardProcess card;
    QVERIFY(plugIn(card));
    auto *window = new MainWidget;
    QPointer<QObject> model = publishedSoundCard(window);
    QPointer<DetectionDevice> detector = window->findChild<DetectionDevice *>();
    QVERIFY(model && detector);
    delete window;
    QTRY_VERIFY(!model && !detector);

    // The read that was pending for the card must not reach the window that is gone.
    QTest::qWait(readDelayMs + 300);
    QCOMPARE(reads(card.logLines()), 0);
}

QTEST_MAIN(TestCardArrival)
#include "tst_cardarrival.moc"
