// One behaviour per control, whichever way the change comes in: the same change made on the page of
// the real window, carried out by that window as a command and carried out with no window at all must
// give the same writes on a real virtual card and the same setting.ini, and the page must show a
// command's change as it shows its own.

#include "app/mainwidget.h"
#include "cli/headlesscommand.h"
#include "errorpromptrecorder.h"
#include "quicktree.h"
#include "virtualcardprocess.h"

#include <QQuickItem>
#include <QQuickWidget>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(QList<CardCommand>)

namespace {

const int readTimeoutMs = 3000 + 10000;

CardCommand mute(CardCommand::Action action, CardCommand::Switch wanted)
{
    CardCommand command;
    command.action = action;
    command.mute = wanted;
    return command;
}

CardCommand style(int index)
{
    CardCommand command;
    command.action = CardCommand::Style;
    command.style = index;
    return command;
}

CardCommand band(int index, int value)
{
    CardCommand command;
    command.action = CardCommand::Eq;
    command.bands.insert(index, value);
    return command;
}

CardCommand original()
{
    CardCommand command;
    command.action = CardCommand::Original;
    return command;
}

QString iniPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/config/setting.ini";
}

// Every value of setting.ini as "group/key=value", sorted.
QStringList iniLines()
{
    const QSettings ini(iniPath(), QSettings::IniFormat);
    QStringList lines;
    for (const QString &key : ini.allKeys())
        lines << key + '=' + ini.value(key).toString();
    lines.sort();
    return lines;
}

} // namespace

class TestControlPaths : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void sameChangeSameCardAndStore_data();
    void sameChangeSameCardAndStore();

private:
    // A card fresh from the factory (a state file of its own) and no setting.ini.
    void plugInFreshCard();
    // Waits until the window has read the card plugged in, the `count`-th time it connects.
    void waitForWindowRead(int count);
    void onThePage(const CardCommand &command);
    void clickItem(QQuickItem *target);
    QQuickItem *item(const QString &name, QQuickItem *under = nullptr);
    // Waits until the card has taken one more block than before, and keeps every block it took.
    void expectOneMoreWrite();
    // What the page shows: the switches' states, the bands and the checked style.
    QVariantList shownOnThePage();

    QTemporaryDir m_dir;
    int m_cards = 0;
    std::unique_ptr<VirtualCardProcess> m_card;
    std::unique_ptr<ErrorPromptRecorder> m_boxes;
    std::unique_ptr<QSignalSpy> m_connections;
    MainWidget *m_window = nullptr;
    QQuickWidget *m_scene = nullptr;
    QStringList m_writes;
};

void TestControlPaths::init()
{
    m_boxes.reset(new ErrorPromptRecorder);
    m_writes.clear();
}

void TestControlPaths::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_connections.reset();
    QVERIFY2(m_boxes->texts().isEmpty(), qPrintable(m_boxes->texts().join('\n')));
    m_boxes.reset();
    m_card.reset();
}

void TestControlPaths::plugInFreshCard()
{
    if (m_card)
        QVERIFY(m_card->stop());
    QFile::remove(iniPath());
    m_card.reset(new VirtualCardProcess);
    m_card->setTrace(false);
    const QString state = m_dir.filePath(QString("card%1.state").arg(++m_cards));
    QVERIFY2(m_card->start({"--model", "zq05", "--state", state}), qPrintable(m_card->errorText()));
    m_writes.clear();
}

void TestControlPaths::waitForWindowRead(int count)
{
    QTRY_VERIFY_WITH_TIMEOUT(m_connections->count() >= count && m_connections->last().at(0).toBool(), readTimeoutMs);
    m_card->takeLogLines();
}

QQuickItem *TestControlPaths::item(const QString &name, QQuickItem *under)
{
    QQuickItem *found = findNamedItem(under ? under : m_scene->rootObject(), name);
    if (!found)
        qWarning() << "no item" << name;
    return found;
}

void TestControlPaths::clickItem(QQuickItem *target)
{
    QVERIFY(target);
    const QPoint centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint();
    QTest::mouseClick(m_scene, Qt::LeftButton, Qt::NoModifier, centre);
}

// The user's way to the same change: a switch's click flips it, a style's click applies it once the
// double-click window is over, and a band is what its slider sends when it is let go.
void TestControlPaths::onThePage(const CardCommand &command)
{
    switch (command.action) {
    case CardCommand::MicMute:
        clickItem(item("switch", item("btnMicMute")));
        break;
    case CardCommand::PlayMute:
        clickItem(item("switch", item("btnPlayMute")));
        break;
    case CardCommand::Style:
        clickItem(item(QString("preset%1").arg(command.style)));
        break;
    case CardCommand::Eq: {
        QQuickItem *slider = item(QString("band%1").arg(command.bands.firstKey()));
        QVERIFY(slider);
        QVERIFY(QMetaObject::invokeMethod(slider, "valueChange", Q_ARG(int, command.bands.first())));
        break;
    }
    case CardCommand::Original:
        clickItem(item("original"));
        break;
    default:
        QFAIL("no page control for this command");
    }
}

void TestControlPaths::expectOneMoreWrite()
{
    const int wanted = m_writes.size() + 1;
    const QString prefix = QStringLiteral("write 52:F0 ");
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            for (const QString &line : m_card->takeLogLines()) {
                if (line.startsWith(prefix))
                    m_writes << line.mid(prefix.size());
            }
            return m_writes.size() >= wanted;
        }(),
        3000);
    QCOMPARE(m_writes.size(), wanted);
}

QVariantList TestControlPaths::shownOnThePage()
{
    QVariantList shown{item("btnMicMute")->property("checkedState"), item("btnPlayMute")->property("checkedState")};
    for (int band = 0; band < 5; ++band)
        shown << item(QString("band%1").arg(band))->property("sliderValue");
    int checked = -1;
    for (int style = 0; style < 4; ++style) {
        if (item(QString("preset%1").arg(style))->property("checked").toBool())
            checked = style;
    }
    return shown << checked;
}

void TestControlPaths::sameChangeSameCardAndStore_data()
{
    QTest::addColumn<QList<CardCommand>>("commands");
    QTest::addColumn<QStringList>("cardWrites");
    QTest::addColumn<QStringList>("ini");
    // Without a window no style is ever checked, so a band is never stored into one.
    QTest::addColumn<bool>("withoutWindow");

    QTest::newRow("mic mute toggled") << QList<CardCommand>{mute(CardCommand::MicMute, CardCommand::Toggle)}
                                      << QStringList{"00 00 01 21 1D 23 1C 11"} << QStringList() << true;
    QTest::newRow("play mute on, then the mic's toggled")
        << QList<CardCommand>{mute(CardCommand::PlayMute, CardCommand::On), mute(CardCommand::MicMute, CardCommand::Toggle)}
        << QStringList{"00 01 00 21 1D 23 1C 11", "00 01 01 21 1D 23 1C 11"} << QStringList() << true;
    QTest::newRow("jazz") << QList<CardCommand>{style(2)} << QStringList{"00 00 00 1A 1F 24 1F 1A"} << QStringList()
                          << true;
    QTest::newRow("a band, then the factory values")
        << QList<CardCommand>{band(1, 20), original()} << QStringList{"00 00 00 21 14 23 1C 11", "00 00 00 21 1D 23 1C 11"}
        << QStringList() << true;
    QTest::newRow("a band after a style is stored into it")
        << QList<CardCommand>{style(2), band(1, 20), original(), band(4, 3)}
        << QStringList{"00 00 00 1A 1F 24 1F 1A", "00 00 00 1A 14 24 1F 1A", "00 00 00 21 1D 23 1C 11",
                       "00 00 00 21 1D 23 1C 03"}
        << QStringList{"knightConfig/300Hz=20"} << false;
}

void TestControlPaths::sameChangeSameCardAndStore()
{
    QFETCH(QList<CardCommand>, commands);
    QFETCH(QStringList, cardWrites);
    QFETCH(QStringList, ini);
    QFETCH(bool, withoutWindow);

    plugInFreshCard();
    m_window = new MainWidget;
    m_scene = m_window->findChild<QQuickWidget *>();
    QVERIFY(m_scene && m_scene->rootObject());
    m_connections.reset(new QSignalSpy(m_window, &MainWidget::isConnect));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    waitForWindowRead(1);
    for (const CardCommand &command : commands) {
        onThePage(command);
        expectOneMoreWrite();
    }
    QCOMPARE(m_writes, cardWrites);
    QCOMPARE(iniLines(), ini);
    const QVariantList shown = shownOnThePage();

    // The window's command path: the card pulled out and a fresh one plugged in, read anew.
    plugInFreshCard();
    waitForWindowRead(3);
    for (const CardCommand &command : commands) {
        const CommandAnswer answer = m_window->runCommand(command);
        QCOMPARE(answer.err, QString());
        QCOMPARE(answer.exitCode, CommandExit::done);
        expectOneMoreWrite();
    }
    QCOMPARE(m_writes, cardWrites);
    QCOMPARE(iniLines(), ini);
    // The page shows a command's change as it shows its own clicks.
    QCOMPARE(shownOnThePage(), shown);
    delete m_window;
    m_window = nullptr;

    if (!withoutWindow)
        return;
    plugInFreshCard();
    for (const CardCommand &command : commands) {
        const CommandAnswer answer = HeadlessCommand::run(command);
        QCOMPARE(answer.err, QString());
        QCOMPARE(answer.exitCode, CommandExit::done);
        expectOneMoreWrite();
    }
    QCOMPARE(m_writes, cardWrites);
    QCOMPARE(iniLines(), ini);
}

QTEST_MAIN(TestControlPaths)
#include "tst_controlpaths.moc"
