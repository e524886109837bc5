// The control page of the real window driven with the mouse, and then with the keyboard alone, against
// a real virtual card: every step must land in the card's parameter block as exactly one write, and the
// page must show what the card then holds.

#include "app/mainwidget.h"
#include "app/presetfiledialog.h"
#include "debuglogrecorder.h"
#include "errorpromptrecorder.h"
#include "quicktree.h"
#include "settings/configfile.h"
#include "settings/presetfile.h"
#include "settings/presetstore.h"
#include "virtualcardprocess.h"

#include <QElapsedTimer>
#include <QQuickItem>
#include <QQuickWindow>
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
    void keyboardAloneReachesEveryControlAndTheCard();
    void presetPanelKeepsImportsAndAppliesPresets();

private:
    QQuickItem *item(const QString &name, QQuickItem *under = nullptr);
    QList<int> pageBands();
    QPoint scenePoint(QQuickItem *target, qreal x, qreal y);
    void mouse(QEvent::Type type, const QPoint &at, Qt::MouseButtons buttons);
    void click(QQuickItem *target);
    int dragBand(int band, qreal toFraction);
    QList<QList<int>> stepWrites();
    void key(QEvent::Type type, int key, bool autoRepeat = false, Qt::KeyboardModifiers modifiers = {});
    void press(int key, Qt::KeyboardModifiers modifiers = {});
    QString focused();
    void tabTo(const QString &name);
    QQuickItem *panelItem(const QString &name);
    void answerPanel(const QString &button, const QString &name);
    QStringList presetNames();
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

void TestPageOnCard::key(QEvent::Type type, int key, bool autoRepeat, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
    QCoreApplication::sendEvent(m_scene, &event);
}

void TestPageOnCard::press(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(m_scene, Qt::Key(key), modifiers);
}

// The control that has the keyboard, by the name the page gives it (a switch or slider by its owner's).
QString TestPageOnCard::focused()
{
    QQuickItem *item = m_scene->quickWindow()->activeFocusItem();
    if (!item)
        return QString();
    if (item->objectName() == "switch" || item->objectName() == "slider")
        item = item->parentItem();
    return item->objectName();
}

void TestPageOnCard::tabTo(const QString &name)
{
    for (int i = 0; i < 40 && focused() != name; ++i)
        press(Qt::Key_Tab);
    QCOMPARE(focused(), name);
}

void TestPageOnCard::keyboardAloneReachesEveryControlAndTheCard()
{
    const QList<int> factoryBands{33, 29, 35, 28, 17};
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_scene->setFocus();
    m_card.takeLogLines();

    // Tab walks the window in reading order and comes round again; it writes nothing.
    const QStringList readingOrder{"btnSetting", "btnMinimize", "btnClose", "btnMicMute", "btnPlayMute", "original",
                                   "preset0", "preset1", "preset2", "preset3", "recover", "presetMenu", "band0", "band1",
                                   "band2", "band3", "band4", "recordToggle"};
    QStringList walked;
    for (int i = 0; i <= readingOrder.size(); ++i) {
        press(Qt::Key_Tab);
        walked << focused();
    }
    QCOMPARE(walked, readingOrder + QStringList{"btnSetting"});
    press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focused(), QString("recordToggle"));
    QCOMPARE(writtenBlocks(m_card).size(), 0);
    // Space opens the preset panel with the keyboard in its list; Esc closes it again.
    tabTo("presetMenu");
    press(Qt::Key_Space);
    QTRY_COMPARE(focused(), QString("presetList"));
    press(Qt::Key_Escape);
    QTRY_COMPARE(focused(), QString("presetMenu"));

    // Up held on the 300 Hz band: the window system repeats it, as X11 does with the first repeat left
    // unmarked; the card is written once, when the key is let go.
    tabTo("band1");
    key(QEvent::KeyPress, Qt::Key_Up);
    for (int repeat = 0; repeat < 2; ++repeat) {
        QTest::qWait(40);
        key(QEvent::KeyRelease, Qt::Key_Up, repeat > 0);
        key(QEvent::KeyPress, Qt::Key_Up, repeat > 0);
    }
    QTest::qWait(300);
    QCOMPARE(writtenBlocks(m_card).size(), 0);
    key(QEvent::KeyRelease, Qt::Key_Up);
    QCOMPARE(stepWrites(), block(0, 0, {33, 32, 35, 28, 17}));
    QCOMPARE(pageBands(), QList<int>({33, 32, 35, 28, 17}));
    // End takes the band to the top in one write.
    press(Qt::Key_End);
    QCOMPARE(stepWrites(), block(0, 0, {33, 43, 35, 28, 17}));

    // Space on each mute switch: one write with its byte set.
    tabTo("btnMicMute");
    press(Qt::Key_Space);
    QCOMPARE(stepWrites(), block(0, 1, {33, 43, 35, 28, 17}));
    tabTo("btnPlayMute");
    press(Qt::Key_Space);
    QCOMPARE(stepWrites(), block(1, 1, {33, 43, 35, 28, 17}));

    // F2 renames the focused style; Enter keeps the name and gives the keyboard back to the style.
    tabTo("preset2");
    press(Qt::Key_F2);
    QTest::keyClicks(m_scene, "Mellow");
    press(Qt::Key_Return);
    QCOMPARE(ConfigFile().getCustomText(2), QString("Mellow"));
    QCOMPARE(item("preset2")->property("text").toString(), QString("Mellow"));
    QCOMPARE(focused(), QString("preset2"));
    // Esc leaves the name as it was and stores nothing.
    press(Qt::Key_F2);
    QTest::keyClicks(m_scene, "X");
    press(Qt::Key_Escape);
    QCOMPARE(ConfigFile().getCustomText(2), QString("Mellow"));
    QCOMPARE(item("preset2")->property("text").toString(), QString("Mellow"));
    // Enter applies the style as a click does: its bands reach the card once the double-click window is over.
    press(Qt::Key_Return);
    QCOMPARE(stepWrites(), block(1, 1, {26, 31, 36, 31, 26}));

    // The gear opens the settings with Space; Tab walks its tabs and page; Esc closes it and the
    // keyboard is back on the gear.
    tabTo("btnSetting");
    press(Qt::Key_Space);
    QObject *popup = m_scene->rootObject()->findChild<QObject *>("dialogSeting");
    QTRY_VERIFY(popup->property("opened").toBool());
    QStringList inPopup;
    for (int i = 0; i < 4; ++i) {
        press(Qt::Key_Tab);
        inPopup << focused();
    }
    QCOMPARE(inPopup, QStringList({"tab0", "tab1", "tab2", "comboBox"}));
    press(Qt::Key_Escape);
    QTRY_VERIFY(!popup->property("visible").toBool());
    QCOMPARE(focused(), QString("btnSetting"));
    QCOMPARE(writtenBlocks(m_card).size(), 0);
}


// The preset panel's items live in the window's overlay, outside the page.
QQuickItem *TestPageOnCard::panelItem(const QString &name)
{
    return findNamedItem(m_scene->quickWindow()->contentItem(), name);
}

// Presses a panel button that asks for a name, gives it and confirms.
void TestPageOnCard::answerPanel(const QString &button, const QString &name)
{
    click(panelItem(button));
    QVERIFY(panelItem("presetName")->hasActiveFocus());
    panelItem("presetName")->setProperty("text", name);
    click(panelItem("presetConfirm"));
}

QStringList TestPageOnCard::presetNames()
{
    QStringList names;
    for (const PresetStore::Entry &entry : PresetStore::instance()->entries())
        names << entry.preset.name;
    return names;
}

// Everything the preset panel offers, on the real window: a drag shows its dB value and moves the
// curve before anything is written; the current bands are kept, renamed, exported, deleted and
// imported again; a GraphicEQ file shows its clamping before it is kept; applying writes the card
// once; storing into style 2 changes that style only. The card hears nothing but the one apply.
void TestPageOnCard::presetPanelKeepsImportsAndAppliesPresets()
{
    QTemporaryDir files;
    QString chosenFile;
    PresetFileDialog::setChooser([&chosenFile](bool, const QString &) { return chosenFile; });
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_card.takeLogLines();
    QList<int> current = pageBands();
    current[2] = 43;

    QQuickItem *slider = item("slider", item("band2"));
    const qreal x = slider->width() / 2;
    mouse(QEvent::MouseButtonPress, scenePoint(slider, x, slider->height() * (1 - slider->property("position").toReal())),
          Qt::LeftButton);
    mouse(QEvent::MouseMove, scenePoint(slider, x, slider->height() * 0.3), Qt::LeftButton);
    mouse(QEvent::MouseMove, scenePoint(slider, x, -10), Qt::LeftButton);
    QCOMPARE(item("decibels", item("band2"))->property("text").toString(), QString("+10.0 dB"));
    QCOMPARE(item("responseCurve")->property("values").toList().at(2).toInt(), 43);
    QCOMPARE(writtenBlocks(m_card), QList<QList<int>>());
    mouse(QEvent::MouseButtonRelease, scenePoint(slider, x, -10), Qt::NoButton);
    // The mutes stay as the card holds them (the card keeps its state between the tests).
    const QList<QList<int>> released = stepWrites();
    QCOMPARE(released.size(), 1);
    const int playMute = released.first().at(0);
    const int micMute = released.first().at(1);
    QCOMPARE(released, block(playMute, micMute, current));

    click(item("presetMenu"));
    QTRY_VERIFY(panelItem("presetList") && panelItem("presetList")->isVisible());
    answerPanel("presetSave", "夜间");
    Preset kept;
    QVERIFY2(PresetStore::instance()->find("夜间", &kept).isEmpty(), qPrintable(panelItem("presetNote")->property("text").toString()));
    QCOMPARE(QList<int>(kept.bands.begin(), kept.bands.end()), current);
    answerPanel("presetSave", "夜间");
    QVERIFY2(panelItem("presetNote")->property("text").toString().contains("夜间"),
             qPrintable(panelItem("presetNote")->property("text").toString()));
    click(panelItem("presetCancel"));
    QCOMPARE(presetNames(), QStringList{"夜间"});

    answerPanel("presetRename", "夜间 2");
    QCOMPARE(presetNames(), QStringList{"夜间 2"});
    chosenFile = files.filePath("exported.json");
    click(panelItem("presetExport"));
    QFile exported(chosenFile);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QString why;
    QVERIFY(PresetFile::read(exported.readAll(), &kept, &why));
    QCOMPARE(kept.name, QString("夜间 2"));
    click(panelItem("presetDelete"));
    QCOMPARE(presetNames(), QStringList{"夜间 2"});
    click(panelItem("presetConfirm"));
    QCOMPARE(presetNames(), QStringList());
    QCOMPARE(panelItem("presetList")->property("count").toInt(), 0);

    click(panelItem("presetImport"));
    QCOMPARE(panelItem("presetName")->property("text").toString(), QString("夜间 2"));
    click(panelItem("presetConfirm"));
    QCOMPARE(PresetStore::instance()->find("夜间 2", &kept), QString());
    QCOMPARE(QList<int>(kept.bands.begin(), kept.bands.end()), current);

    QFile line(files.filePath("phones.txt"));
    QVERIFY(line.open(QIODevice::WriteOnly));
    line.write("GraphicEQ: 20 12; 100 0; 1000 10; 3600 -5; 15000 -14; 20000 -14\n");
    line.close();
    chosenFile = line.fileName();
    click(panelItem("presetImport"));
    const QString note = panelItem("presetNote")->property("text").toString();
    QVERIFY2(note.contains("12000 Hz") && note.contains("2.6 dB") && !note.contains("60 Hz"), qPrintable(note));
    QCOMPARE(presetNames().size(), 1);
    click(panelItem("presetConfirm"));
    QCOMPARE(presetNames(), (QStringList{"phones", "夜间 2"}));
    QCOMPARE(panelItem("presetList")->property("count").toInt(), 2);
    QCOMPARE(writtenBlocks(m_card), QList<QList<int>>());

    panelItem("presetList")->setProperty("currentIndex", 0);
    click(panelItem("presetApply"));
    const QList<int> phones{30, 32, 38, 11, 0};
    QCOMPARE(stepWrites(), block(playMute, micMute, phones));
    QCOMPARE(pageBands(), phones);
    QVariantList curve;
    for (int value : phones)
        curve << value;
    QCOMPARE(item("responseCurve")->property("values").toList(), curve);

    click(item("presetMenu"));
    QTRY_VERIFY(panelItem("presetList")->isVisible());
    panelItem("presetList")->setProperty("currentIndex", 0);
    // The style buttons are placed when the panel is first drawn.
    QTRY_VERIFY(panelItem("presetToStyle2")->x() > panelItem("presetToStyle1")->x());
    const auto styles = [] {
        QVariantList all;
        for (int style = 0; style < 4; ++style)
            all << QVariant(ConfigFile().getEqualizerConfig(style)) << ConfigFile().getCustomText(style);
        return all;
    };
    QVariantList expected = styles();
    expected[4] = QVariantList{30, 32, 38, 11, 0};
    click(panelItem("presetToStyle2"));
    QCOMPARE(styles(), expected);
    press(Qt::Key_Escape);

    // A gain typed on the focused slider (Enter opens the entry) goes to the card in one write,
    // snapped to the nearest step; text that is not a gain writes nothing.
    item("slider", item("band4"))->forceActiveFocus();
    press(Qt::Key_Return);
    QQuickItem *entry = item("decibelEntry", item("band4"));
    QTRY_VERIFY(entry->hasActiveFocus());
    QTest::keyClicks(m_scene, "-3,2 dB");
    press(Qt::Key_Return);
    QCOMPARE(stepWrites(), block(playMute, micMute, {30, 32, 38, 11, 15}));
    QCOMPARE(item("decibels", item("band4"))->property("text").toString(), QString("-3.0 dB"));
    QCOMPARE(focused(), QString("band4"));
    press(Qt::Key_Return);
    QTest::keyClicks(m_scene, "loud");
    press(Qt::Key_Return);
    QTest::qWait(300);
    QCOMPARE(writtenBlocks(m_card), QList<QList<int>>());
    QCOMPARE(pageBands(), QList<int>({30, 32, 38, 11, 15}));
    QCOMPARE(writtenBlocks(m_card), QList<QList<int>>());
    PresetFileDialog::setChooser({});
}

QTEST_MAIN(TestPageOnCard)
#include "tst_pageoncard.moc"
