// What a screen reader finds in the real window, through Qt's accessibility interfaces: every control of
// the scene and of the recorder panel named, with its role, state and value, before a card arrives,
// once the card has been read, and after a switch of language. The scene's controls are found where a
// screen reader walking the window looks for them: under the scene widget, shown, and on the window.

#include "app/mainwidget.h"
#include "errorpromptrecorder.h"
#include "settings/trans.h"
#include "virtualcardprocess.h"

#include <QAccessible>
#include <QQuickWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const int readDelayMs = 3000;

// One line per shown accessible object: "role|name", then "|on" or "|off" where it is checkable and
// "|=value" where it has a value.
void collect(QAccessibleInterface *node, QStringList &lines, QStringList &unnamed)
{
    if (!node || node->state().invisible)
        return;
    const QString name = node->text(QAccessible::Name);
    QString line = QString("%1|%2").arg(int(node->role())).arg(name);
    if (node->state().checkable)
        line += node->state().checked ? "|on" : "|off";
    if (QAccessibleValueInterface *value = node->valueInterface())
        line += "|=" + value->currentValue().toString();
    lines << line;
    if (node->state().focusable && name.isEmpty())
        unnamed << QString::number(int(node->role()));
    for (int i = 0; i < node->childCount(); ++i)
        collect(node->child(i), lines, unnamed);
}

// The first shown descendant of node with this role and name, depth first.
QAccessibleInterface *findShown(QAccessibleInterface *node, QAccessible::Role role, const QString &name)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface *child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        if (child->role() == role && child->text(QAccessible::Name) == name)
            return child;
        if (QAccessibleInterface *found = findShown(child, role, name))
            return found;
    }
    return nullptr;
}

// Every shown descendant of node, each checked to name node as its parent at its own index.
void descendants(QAccessibleInterface *node, QList<QAccessibleInterface *> &shown)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface *child = node->child(i);
        QVERIFY(child);
        QCOMPARE(child->parent(), node);
        QCOMPARE(node->indexOfChild(child), i);
        if (child->state().invisible)
            continue;
        shown << child;
        descendants(child, shown);
    }
}

// What a screen reader finds at a point on screen: it asks each object for its child there until none is.
QAccessibleInterface *deepestAt(QAccessibleInterface *node, const QPoint &point)
{
    while (QAccessibleInterface *child = node->childAt(point.x(), point.y()))
        node = child;
    return node;
}

QString entry(QAccessible::Role role, const QString &name, const QString &rest = QString())
{
    return QString("%1|%2").arg(int(role)).arg(name) + rest;
}

} // namespace

class TestAccessibleOnCard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyControlIsNamedInEitherLanguage();
    void sceneControlsAreShownInTheWindowWhereTheyArePainted();

private:
    QStringList listing();
    void expectAll(const QStringList &expected);

    QTemporaryDir m_stateDir;
    VirtualCardProcess m_card;
};

void TestAccessibleOnCard::initTestCase()
{
    // As with a screen reader running before the program starts.
    QAccessible::setActive(true);
}

QStringList TestAccessibleOnCard::listing()
{
    QStringList lines;
    QStringList unnamed;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!qobject_cast<MainWidget *>(window))
            continue;
        collect(QAccessible::queryAccessibleInterface(window), lines, unnamed);
    }
    if (!unnamed.isEmpty())
        QTest::qFail(qPrintable("controls without a name, roles " + unnamed.join(',')), __FILE__, __LINE__);
    return lines;
}

// Waits for each line: a language switch reaches the widgets through posted events.
void TestAccessibleOnCard::expectAll(const QStringList &expected)
{
    for (const QString &line : expected)
        QTRY_VERIFY2(listing().contains(line), qPrintable(line + " not in:\n" + listing().join('\n')));
}

void TestAccessibleOnCard::everyControlIsNamedInEitherLanguage()
{
    ErrorPromptRecorder boxes;
    MainWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.openRecordWidget(true);
    window.findChild<Trans *>()->reTrans(QStringLiteral("简体中文"));

    using A = QAccessible;
    // Before any card: the bands stand at the bottom of the ruler, the status says no device.
    expectAll({entry(A::Button, "设置"), entry(A::Button, "最小化"), entry(A::Button, "关闭"),
               entry(A::CheckBox, "话筒静音", "|off"), entry(A::CheckBox, "播放静音", "|off"),
               entry(A::Button, "原始"), entry(A::CheckBox, "流行", "|off"), entry(A::CheckBox, "摇滚", "|off"),
               entry(A::Button, "恢复"), entry(A::Slider, "60 Hz，-10.0 dB", "|=0"),
               entry(A::Slider, "12 kHz，-10.0 dB", "|=0"), entry(A::CheckBox, "录音面板", "|off"),
               entry(A::StaticText, "设备未连接 | SN: "), entry(A::Heading, "播放均衡器"),
               entry(A::Button, "录音"), entry(A::Button, "播放/暂停"), entry(A::Button, "保存"),
               entry(A::Client, "波形"), entry(A::StaticText, "录音时长")});

    QSignalSpy connections(&window, &MainWidget::isConnect);
    QVERIFY2(m_card.start({"--model", "zq05", "--serial", "AB12CD34", "--state", m_stateDir.filePath("zq05.state")}),
             qPrintable(m_card.errorText()));
    QTRY_COMPARE_WITH_TIMEOUT(connections.count(), 1, readDelayMs + 5000);
    // The card's factory bands 33, 29, 35, 28, 17 on the ruler; the status names the card.
    const QString title = "Velora Stagemate Arlo " + window.getSoftVersion();
    expectAll({entry(A::Slider, "60 Hz，+5.3 dB", "|=33"), entry(A::Slider, "300 Hz，+3.5 dB", "|=29"),
               entry(A::Slider, "1.2 kHz，+6.3 dB", "|=35"), entry(A::Slider, "3.6 kHz，+3.0 dB", "|=28"),
               entry(A::Slider, "12 kHz，-2.1 dB", "|=17"), entry(A::StaticText, title),
               entry(A::StaticText, "设备已连接 | SN: AB12CD34")});

    window.findChild<Trans *>()->reTrans(QStringLiteral("English"));
    expectAll({entry(A::Button, "Settings"), entry(A::Button, "Minimize"), entry(A::Button, "Close"),
               entry(A::CheckBox, "Mic Mute", "|off"), entry(A::CheckBox, "Play Mute", "|off"),
               entry(A::Button, "Original"), entry(A::CheckBox, "Pop", "|off"), entry(A::Button, "Recover"),
               entry(A::Slider, "300 Hz, +3.5 dB", "|=29"), entry(A::CheckBox, "Recorder panel", "|off"),
               entry(A::StaticText, "Device connected | SN: AB12CD34"), entry(A::Heading, "Play EQ"),
               entry(A::Button, "Record"), entry(A::Button, "Play/Pause"), entry(A::Button, "Save"),
               entry(A::Client, "Waveform")});
    QVERIFY2(boxes.texts().isEmpty(), qPrintable(boxes.texts().join('\n')));
    m_card.stop();
}

void TestAccessibleOnCard::sceneControlsAreShownInTheWindowWhereTheyArePainted()
{
    ErrorPromptRecorder boxes;
    MainWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *trans = window.findChild<Trans *>();
    trans->reTrans(QStringLiteral("English"));
    QAccessibleInterface *windowNode = QAccessible::queryAccessibleInterface(&window);
    QAccessibleInterface *sceneNode = QAccessible::queryAccessibleInterface(window.findChild<QQuickWidget *>());
    QTRY_COMPARE(sceneNode->text(QAccessible::Name), QStringLiteral("Sound card controls"));

    QAccessibleInterface *above = sceneNode;
    while (above && above != windowNode)
        above = above->parent();
    QVERIFY2(above, "the scene widget is not in the window's tree");

    // Every control of the scene is a shown child of the scene widget, inside the window on screen.
    QList<QAccessibleInterface *> shown;
    descendants(sceneNode, shown);
    if (QTest::currentTestFailed())
        return;
    int controls = 0;
    for (QAccessibleInterface *node : qAsConst(shown)) {
        const QString what = node->text(QAccessible::Name) + " " + QString::number(int(node->role()));
        QVERIFY2(!node->rect().isEmpty(), qPrintable(what));
        QVERIFY2(windowNode->rect().contains(node->rect()), qPrintable(what));
        controls += node->state().focusable ? 1 : 0;
    }
    // Title bar 3, mutes 2, the style row 6, sliders 5, the recorder toggle 1.
    QVERIFY2(controls >= 17, qPrintable(QString::number(controls)));

    // A point on a control leads a screen reader to that control, and keeps doing so when the window moves.
    QAccessibleInterface *micMute = findShown(sceneNode, QAccessible::CheckBox, "Mic Mute");
    QVERIFY(micMute);
    QCOMPARE(deepestAt(windowNode, micMute->rect().center()), micMute);
    const QRect before = micMute->rect();
    window.move(window.pos() + QPoint(37, 23));
    QTRY_COMPARE(micMute->rect(), before.translated(37, 23));
    QCOMPARE(deepestAt(windowNode, micMute->rect().center()), micMute);
    QVERIFY(!micMute->state().offscreen);

    trans->reTrans(QStringLiteral("简体中文"));
    QTRY_COMPARE(sceneNode->text(QAccessible::Name), QStringLiteral("声卡控制"));
    QVERIFY2(boxes.texts().isEmpty(), qPrintable(boxes.texts().join('\n')));
}

QTEST_MAIN(TestAccessibleOnCard)
#include "tst_accessibleoncard.moc"
