// The settings popup of the real window with a real virtual zq06 card: opened by the gear, its three
// pages show the card's model and firmware, and the language chosen in its box is kept over a restart.

#include "app/mainwidget.h"
#include "errorpromptrecorder.h"
#include "quicktree.h"
#include "virtualcardprocess.h"

#include <QQuickItem>
#include <QQuickWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const int connectTimeoutMs = 3000 + 5000;
const char firmware[] = "VF-3.08";

QString textOf(QQuickItem *item)
{
    return item ? item->property("text").toString() : QStringLiteral("<missing>");
}

// What the pages show in one language.
struct PageTexts
{
    QStringList tabs;
    QString model;
    QString firmwareLabel;
    QString question;
};

const PageTexts english{{"General", "About", "Help"}, "Model", "Firmware version number:",
                        "Q: There is no sound when playing music on the computer?"};
const PageTexts chinese{{"通用设置", "关于我们", "帮助中心"}, "型号", "固件版本号:", "Q:电脑播放音乐无声"};

} // namespace

class TestSettingsOnCard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void gearPagesAndLanguageKeptOverRestart();

private:
    void openWindow();
    QQuickItem *item(const QString &name);
    void click(QQuickItem *target);
    void openSettings();
    void showTab(int index);
    void chooseLanguage(const QString &language);
    QStringList tabTexts();
    void checkPages(const PageTexts &expected);

    QTemporaryDir m_stateDir;
    VirtualCardProcess m_card;
    std::unique_ptr<MainWidget> m_window;
    QQuickWidget *m_scene = nullptr;
    std::unique_ptr<ErrorPromptRecorder> m_boxes;
};

void TestSettingsOnCard::init()
{
    m_boxes.reset(new ErrorPromptRecorder);
    QVERIFY2(m_card.start({"--model", "zq06", "--firmware", firmware, "--state", m_stateDir.filePath("zq06.state")}),
             qPrintable(m_card.errorText()));
}

void TestSettingsOnCard::cleanup()
{
    m_window.reset();
    QVERIFY2(m_boxes->texts().isEmpty(), qPrintable(m_boxes->texts().join('\n')));
    m_boxes.reset();
    m_card.stop();
}

// A new window, as at a start of the program, shown until the card has been read and announced.
void TestSettingsOnCard::openWindow()
{
    m_window.reset(new MainWidget);
    m_scene = m_window->findChild<QQuickWidget *>();
    QVERIFY(m_scene && m_scene->rootObject());
    QSignalSpy connections(m_window.get(), &MainWidget::isConnect);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_COMPARE_WITH_TIMEOUT(connections.count(), 1, connectTimeoutMs);
    QCOMPARE(connections.at(0).at(0).toBool(), true);
    QCOMPARE(connections.at(0).at(1).toString(), QStringLiteral("zq06"));
}

QQuickItem *TestSettingsOnCard::item(const QString &name)
{
    return findNamedItem(m_scene->quickWindow()->contentItem(), name);
}

void TestSettingsOnCard::click(QQuickItem *target)
{
    QVERIFY(target);
    const QPoint centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint();
    QTest::mouseClick(m_scene, Qt::LeftButton, Qt::NoModifier, centre);
}

void TestSettingsOnCard::openSettings()
{
    QObject *dialog = m_scene->rootObject()->findChild<QObject *>(QStringLiteral("dialogSeting"));
    QVERIFY(dialog);
    QVERIFY(!dialog->property("visible").toBool());
    click(item(QStringLiteral("btnSetting")));
    QTRY_VERIFY(dialog->property("opened").toBool());
    // The card was announced before the popup opened: the general page is already there.
    QVERIFY(item(QStringLiteral("comboBox")));
}

void TestSettingsOnCard::showTab(int index)
{
    click(item(QStringLiteral("tab%1").arg(index)));
    QTRY_VERIFY(item(QStringLiteral("tab%1").arg(index))->property("checked").toBool());
}

void TestSettingsOnCard::chooseLanguage(const QString &language)
{
    QQuickItem *box = item(QStringLiteral("comboBox"));
    QVERIFY(box);
    int index = -1;
    QVERIFY(QMetaObject::invokeMethod(box, "find", Q_RETURN_ARG(int, index), Q_ARG(QString, language)));
    QVERIFY2(index >= 0, qPrintable(language));
    click(box);
    QObject *popup = box->property("popup").value<QObject *>();
    QTRY_VERIFY(popup->property("opened").toBool());
    QQuickItem *list = popup->property("contentItem").value<QQuickItem *>();
    // The list makes its entries once the popup has opened.
    QQuickItem *entry = nullptr;
    QTRY_VERIFY(QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, entry), Q_ARG(int, index))
                && entry);
    click(entry);
    QTRY_VERIFY(!popup->property("visible").toBool());
    QCOMPARE(box->property("currentIndex").toInt(), index);
    QCOMPARE(box->property("displayText").toString(), language);
}

QStringList TestSettingsOnCard::tabTexts()
{
    return {textOf(item("tab0")), textOf(item("tab1")), textOf(item("tab2"))};
}

// Goes through the three tabs, back to the general page.
void TestSettingsOnCard::checkPages(const PageTexts &expected)
{
    QCOMPARE(tabTexts(), expected.tabs);
    QCOMPARE(textOf(item("text1")), expected.model);
    QCOMPARE(textOf(item("text2")), QStringLiteral("Velora Stagemate Brio"));
    showTab(1);
    QCOMPARE(textOf(item("firmwareLine")), expected.firmwareLabel + firmware);
    QVERIFY(textOf(item("versionLine")).endsWith(':' + m_window->getSoftVersion()));
    showTab(2);
    QCOMPARE(textOf(item("question1")), expected.question);
    showTab(0);
}

void TestSettingsOnCard::gearPagesAndLanguageKeptOverRestart()
{
    openWindow();
    if (QTest::currentTestFailed())
        return;
    openSettings();
    // Nothing stored yet: the box shows no language.
    QCOMPARE(item("comboBox")->property("currentIndex").toInt(), -1);

    chooseLanguage(QStringLiteral("English"));
    checkPages(english);
    chooseLanguage(QStringLiteral("简体中文"));
    checkPages(chinese);
    if (QTest::currentTestFailed())
        return;

    // A restart with the same user folders comes up in the chosen language, and the box shows it.
    m_window.reset();
    openWindow();
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(textOf(item("devStateConnect")), QStringLiteral("设备已连接"));
    openSettings();
    QCOMPARE(item("comboBox")->property("displayText").toString(), QStringLiteral("简体中文"));
    checkPages(chinese);
}

QTEST_MAIN(TestSettingsOnCard)
#include "tst_settingsoncard.moc"
