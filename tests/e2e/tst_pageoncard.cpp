// The control page of the real window driven with the mouse against a real virtual card: every step
// must land in the card's parameter block as exactly one write, and the page must show what the card
// then holds.

#include "app/mainwidget.h"
#include "debuglogrecorder.h"
#include "errorpromptrecorder.h"
#include "quicktree.h"
#include "settings/configfile.h"
#include "virtualcardprocess.h"

#include <QElapsedTimer>
#include <QQuickItem>
#include <QQuickWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const int readDelayMs = 3000;

// The eight bytes of every parameter block the card was written since the last call, in order.
QList<QList<int>> writtenBlocks(VirtualCardProcess &card)
{
    static const QRegularExpression write("^write 52:F0 ((?:[0-9A-F]{2} ?){8})$");
    QList<QList<int>> blocks;
    for (const QString &line : card.takeLogLines()) {
        const QRegularExpressionMatch match = write.match(line);
        if (!match.hasMatch())
            continue;
        QList<int> bytes;
        for (const QString &byte : match.captured(1).split(' ', Qt::SkipEmptyParts))
            bytes << byte.toInt(nullptr, 16);
        blocks << bytes;
    }
    return blocks;
}

// Bytes 1..7 of a block, as one written block: play mute, mic mute and the five bands.
QList<QList<int>> block(int playMute, int micMute, const QList<int> &bands)
{
    return {QList<int>{playMute, micMute} + bands};
}

} // namespace

class TestPageOnCard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void bandPresetOriginalAndMuteReachTheCard();

private:
    QQuickItem *item(const QString &name, QQuickItem *under = nullptr);
    QList<int> pageBands();
    QPoint scenePoint(QQuickItem *target, qreal x, qreal y);
    void mouse(QEvent::Type type, const QPoint &at, Qt::MouseButtons buttons);
    void click(QQuickItem *target);
    int dragBand(int band, qreal toFraction);
    QList<QList<int>> stepWrites();
    int m_writesWhileDragging = 0;

    QTemporaryDir m_stateDir;
    VirtualCardProcess m_card;
    MainWidget *m_window = nullptr;
    QQuickWidget *m_scene = nullptr;
    std::unique_ptr<ErrorPromptRecorder> m_boxes;
    std::unique_ptr<DebugLogRecorder> m_log;
};

void TestPageOnCard::init()
{
    m_boxes.reset(new ErrorPromptRecorder);
    m_log.reset(new DebugLogRecorder);
    QVERIFY2(m_card.start({"--model", "zq05", "--state", m_stateDir.filePath("zq05.state")}),
             qPrintable(m_card.errorText()));
    m_window = new MainWidget;
    m_scene = m_window->findChild<QQuickWidget *>();
    QVERIFY(m_scene && m_scene->rootObject());
    QSignalSpy connections(m_window, &MainWidget::isConnect);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTRY_COMPARE_WITH_TIMEOUT(connections.count(), 1, readDelayMs + 5000);
    QCOMPARE(connections.at(0).at(0).toBool(), true);
    for (const char *name : {"band0", "band1", "preset3", "original", "btnMicMute"})
        QVERIFY2(findNamedItem(m_scene->rootObject(), name), name);
}

void TestPageOnCard::cleanup()
{
    delete m_window;
    m_window = nullptr;
    QVERIFY2(m_boxes->texts().isEmpty(), qPrintable(m_boxes->texts().join('\n')));
    m_log.reset();
    m_boxes.reset();
    m_card.stop();
}

QQuickItem *TestPageOnCard::item(const QString &name, QQuickItem *under)
{
    // init() has made sure the page's items are there.
    return findNamedItem(under ? under : m_scene->rootObject(), name);
}

QList<int> TestPageOnCard::pageBands()
{
    QList<int> values;
    for (int band = 0; band < 5; ++band)
        values << item(QString("band%1").arg(band))->property("sliderValue").toInt();
    return values;
}

QPoint TestPageOnCard::scenePoint(QQuickItem *target, qreal x, qreal y)
{
    return target->mapToScene(QPointF(x, y)).toPoint();
}

void TestPageOnCard::mouse(QEvent::Type type, const QPoint &at, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, m_scene->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(m_scene, &event);
}

void TestPageOnCard::click(QQuickItem *target)
{
    const QPoint centre = scenePoint(target, target->width() / 2, target->height() / 2);
    mouse(QEvent::MouseButtonPress, centre, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, centre, Qt::NoButton);
}

// Drags a band's knob from where it stands to a fraction of the slider's height (0 = top) in small
// steps and lets go; returns the value the band then holds.
int TestPageOnCard::dragBand(int band, qreal toFraction)
{
    QQuickItem *slider = item("slider", item(QString("band%1").arg(band)));
    const qreal x = slider->width() / 2;
    const qreal fromFraction = 1 - slider->property("position").toReal();
    mouse(QEvent::MouseButtonPress, scenePoint(slider, x, slider->height() * fromFraction), Qt::LeftButton);
    for (int step = 1; step <= 8; ++step) {
        const qreal fraction = fromFraction + (toFraction - fromFraction) * step / 8;
        mouse(QEvent::MouseMove, scenePoint(slider, x, slider->height() * fraction), Qt::LeftButton);
    }
    m_writesWhileDragging += writtenBlocks(m_card).size();
    mouse(QEvent::MouseButtonRelease, scenePoint(slider, x, slider->height() * toFraction), Qt::NoButton);
    return item(QString("band%1").arg(band))->property("sliderValue").toInt();
}

// Bytes 1..7 of every block written for one step: waits for the first, then gives a second one, which
// would be a fault, the time to show.
QList<QList<int>> TestPageOnCard::stepWrites()
{
    QList<QList<int>> blocks;
    QElapsedTimer waited;
    waited.start();
    while (blocks.isEmpty() && waited.elapsed() < 3000) {
        QTest::qWait(20);
        blocks = writtenBlocks(m_card);
    }
    QTest::qWait(300);
    blocks += writtenBlocks(m_card);
    for (QList<int> &bytes : blocks)
        bytes.removeFirst();
    return blocks;
}

void TestPageOnCard::bandPresetOriginalAndMuteReachTheCard()
{
    const QList<int> factoryBands{33, 29, 35, 28, 17};
    // A fresh card holds the factory bands, and the page shows them once the card is read.
    QCOMPARE(pageBands(), factoryBands);
    m_card.takeLogLines();

    // The 300 Hz band dragged up to near the top: one write, with only that band changed.
    const int value = dragBand(1, 0.1);
    QVERIFY2(value > 33 && value < 43, qPrintable(QString::number(value)));
    QCOMPARE(stepWrites(), block(0, 0, {33, value, 35, 28, 17}));
    QCOMPARE(pageBands(), QList<int>({33, value, 35, 28, 17}));
    QCOMPARE(m_writesWhileDragging, 0);
    // No style was checked: none of them took the band.
    for (int style = 0; style < 4; ++style)
        QCOMPARE(ConfigFile().getEqualizerConfig(style).at(1).toInt(), QList<int>({37, 36, 31, 32}).at(style));

    // "Rock" applied after the double-click window: its built-in bands go to the card.
    const QList<int> rock{37, 32, 27, 32, 37};
    click(item("preset3"));
    QCOMPARE(stepWrites(), block(0, 0, rock));
    QCOMPARE(pageBands(), rock);
    QVERIFY(item("preset3")->property("checked").toBool());

    // With "Rock" checked, a band edit reaches the card and is kept in the style.
    const int low = dragBand(0, 0.9);
    QVERIFY2(low < 10, qPrintable(QString::number(low)));
    QCOMPARE(stepWrites(), block(0, 0, {low, 32, 27, 32, 37}));
    QCOMPARE(m_writesWhileDragging, 0);
    QCOMPARE(ConfigFile().getEqualizerConfig(3).at(0).toInt(), low);
    QVERIFY(m_log->lines().contains(QString("3 0 %1").arg(low)));

    // "Original" brings the factory bands back to the card and the page, and no style stays checked.
    click(item("original"));
    QCOMPARE(stepWrites(), block(0, 0, factoryBands));
    QCOMPARE(pageBands(), factoryBands);
    QVERIFY(!item("preset3")->property("checked").toBool());

    // The microphone switch mutes and unmutes the card.
    QQuickItem *micSwitch = item("switch", item("btnMicMute"));
    click(micSwitch);
    QCOMPARE(stepWrites(), block(0, 1, factoryBands));
    click(micSwitch);
    QCOMPARE(stepWrites(), block(0, 0, factoryBands));
}

QTEST_MAIN(TestPageOnCard)
#include "tst_pageoncard.moc"
