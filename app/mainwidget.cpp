#include "mainwidget.h"

#include "powerlog.h"
#include "presetfiledialog.h"
#include "scenewidgetaccessible.h"
#include "takeguard.h"
#include "windowcommand.h"
#include "cli/cardrunner.h"
#include "cli/commandmessage.h"
#include "settings/configfile.h"
#include "settings/presetstore.h"
#include "settings/trans.h"
#include "device/cardcontrol.h"
#include "device/detectiondevice.h"
#include "device/errorprompt.h"
#include "device/soundcardbase.h"
#include "recorder/recordwidget.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QtDebug>

namespace {

const double designDpi = 96.0;
const QSize designWindow(802, 482);
const int designRecordPanelHeight = 150;
const int designStripHeight = 25;
// The card is read this long after it arrives, once it has settled.
const int cardReadDelayMs = 3000;
const int boxWaitMs = 200;  // how often a card waiting for an error box to close looks again
// A card whose first read fails (it was still starting, or a transfer went wrong) is read again.
const int readRetries = 2;
const int readRetryMs = 1000;

int scaled(int design, double rate)
{
    return int(design * rate); // truncation toward zero, like every size of the window
}

// The screen number the last mouse release found, shared by the whole process.
int lastReleaseScreen = -1;

} // namespace

MainWidget::MainWidget(QWidget *parent) : QWidget(parent)
{
    initWindow();
    watchScreen();
    resize(windowSize(m_scalingRate));
    createRootPanel();
    createRecordPanel();
    createSceneWidget();
    publishContext();
    publishLanguageSwitcher();
    loadScene();
    watchCards();
    watchPower();
}

MainWidget::~MainWidget()
{
    // The model has no parent: it outlives removals. The detector goes with the window, its parent.
    if (m_soundCard)
        m_soundCard->deleteLater();
}

QSize MainWidget::windowSize(double rate)
{
    return QSize(scaled(designWindow.width(), rate), scaled(designWindow.height(), rate));
}

QRect MainWidget::sceneGeometry(double rate)
{
    const QSize window = windowSize(rate);
    return QRect(1, 1, window.width() - 4, window.height() - 4);
}

QRect MainWidget::dragStrip(double rate)
{
    return QRect(0, 0, scaled(designWindow.width(), rate), scaled(designStripHeight, rate));
}

QSize MainWidget::openWindowSize(double rate)
{
    const QSize closed = windowSize(rate);
    return QSize(closed.width(), scaled(designRecordPanelHeight, rate) + closed.height());
}

QRect MainWidget::recordPanelGeometry(double rate)
{
    return QRect(1, scaled(designWindow.height(), rate), scaled(designWindow.width(), rate),
                 scaled(designRecordPanelHeight, rate));
}

double MainWidget::getScalingRate()
{
    return m_scalingRate;
}

void MainWidget::initWindow()
{
    setWindowFlags(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
}

void MainWidget::watchScreen()
{
    QScreen *screen = QGuiApplication::screens().value(screenIndex());
    if (!screen)
        return;
    setScalingRateFrom(screen->logicalDotsPerInch());
    // Only the starting screen is watched. The window is the connection's context, so that a change
    // after the window is gone reaches nothing.
    connect(screen, &QScreen::logicalDotsPerInchChanged, this, [this](qreal dpi) {
        setScalingRateFrom(dpi);
        emit screenChanged();
        relayout();
    });
}

void MainWidget::createRootPanel()
{
    m_root = new QWidget(this);
    m_root->setObjectName(QStringLiteral("root"));
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_root);
    setLayout(layout);
    m_root->setStyleSheet(QStringLiteral("#root{background-color: #282A2B; border: 1px solid #444444;}"));
}

// The recorder panel lies below the scene, outside the closed window, until it is opened.
void MainWidget::createRecordPanel()
{
    m_recordWidget = new RecordWidget(m_root);
    m_recordWidget->hide();
    m_recordWidget->setGeometry(recordPanelGeometry(m_scalingRate));
}

void MainWidget::openRecordWidget(bool isOpen)
{
    m_recordWidget->setVisible(isOpen);
    resize(isOpen ? openWindowSize(m_scalingRate) : windowSize(m_scalingRate));
}

void MainWidget::createSceneWidget()
{
    // Before the widget exists, so that a screen reader finds the scene's controls under it from the
    // start rather than under a hidden window of their own.
    QAccessible::installFactory(SceneWidgetAccessible::create);
    m_sceneWidget = new QQuickWidget(m_root);
    m_sceneWidget->setResizeMode(QQuickWidget::SizeRootObjectToView);
    m_sceneWidget->setGeometry(sceneGeometry(m_scalingRate));
}

void MainWidget::nameSceneWidget()
{
    m_sceneWidget->setAccessibleName(QCoreApplication::translate("MainWidget", "声卡控制"));
}

void MainWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        nameSceneWidget();
    QWidget::changeEvent(event);
}

void MainWidget::publishContext()
{
    m_sceneWidget->engine()->addImportPath(QStringLiteral("qrc:///"));
    QQmlContext *context = m_sceneWidget->rootContext();
    context->setContextProperty(QStringLiteral("LumenQuickImagePath"), QStringLiteral("qrc:/LumenQuick/Images/"));
    context->setContextProperty(QStringLiteral("imgPath"), QStringLiteral("qrc:/image/"));
    context->setContextProperty(QStringLiteral("qmlPath"), QStringLiteral("qrc:/Qml/"));
    // The scene tests "SoundCard" before every call: it stays null until a card arrives.
    context->setContextProperty(QStringLiteral("SoundCard"), QVariant::fromValue<QObject *>(nullptr));
    context->setContextProperty(QStringLiteral("Config"), ConfigFile::instance());
    context->setContextProperty(QStringLiteral("MainLogic"), this);
    // What the page's controls do, shared with the commands the window carries out.
    m_control = new CardControl(this);
    m_control->setConfig(ConfigFile::instance());
    context->setContextProperty(QStringLiteral("CardControl"), m_control);
    context->setContextProperty(QStringLiteral("Presets"), PresetStore::instance());
    context->setContextProperty(QStringLiteral("PresetFiles"), new PresetFileDialog(this));
}

void MainWidget::publishLanguageSwitcher()
{
    m_trans = new Trans(m_sceneWidget->engine(), this);
    m_sceneWidget->rootContext()->setContextProperty(QStringLiteral("Tran"), m_trans);
    // Named once the chosen language is in place; later switches reach the window as a change event.
    nameSceneWidget();
}

void MainWidget::loadScene()
{
    m_sceneWidget->setSource(QUrl(QStringLiteral("qrc:/Qml/main.qml")));
}

void MainWidget::watchCards()
{
    m_detection = new DetectionDevice(this);
    connect(m_detection, &DetectionDevice::s_devTypeAndState, this, &MainWidget::onDevArrivalOrRemove);
    m_detection->scanHidDevices();
}

void MainWidget::onDevArrivalOrRemove(QString devType, bool isArrival, int vid, int pid)
{
    qDebug() << "onDevArrivalOrRemove" << devType << isArrival;
    if (!isArrival) {
        m_presentDevType.clear();
        m_recordWidget->setInputDevName(QStringLiteral("Default"));
        if (m_soundCard)
            m_soundCard->clearReady();
        emit isConnect(false, devType);
        return;
    }
    if (reportUnusableCard())
        return;
    if (!m_soundCard) {
        m_soundCard = new SoundCardBase;
        m_sceneWidget->rootContext()->setContextProperty(QStringLiteral("SoundCard"), m_soundCard);
        m_control->setCard(m_soundCard);
    }
    m_presentDevType = devType;
    m_soundCard->findInputDev(vid, pid);
    m_recordWidget->setInputDevName(m_soundCard->getInputDevName());
    qDebug() << "***Device insertion detected";
    readCardAfter(cardReadDelayMs, devType, vid, pid, readRetries);
}

// A card the program cannot drive is stated once and left alone: no model, no read, nothing sent,
// so that the user meets a plain statement rather than failing transfers and error boxes.
bool MainWidget::reportUnusableCard()
{
    QString why;
    const DetectionDevice::CardAccess access = m_detection->reportedCardAccess(&why);
    if (access == DetectionDevice::CardUsable)
        return false;
    qDebug().noquote() << why;
    // A read still pending for an earlier card of the same model must not reach this one.
    m_presentDevType.clear();
    emit cardUnusable(access == DetectionDevice::CardNotOpenable ? QStringLiteral("noAccess")
                                                                 : QStringLiteral("noLibrary"));
    return true;
}

// The window is the timer's context, so that a timer still pending when the window goes reaches nothing.
void MainWidget::readCardAfter(int delayMs, const QString &devType, int vid, int pid, int retriesLeft)
{
    QTimer::singleShot(delayMs, this, [this, vid, pid, devType, retriesLeft] {
        // A card pulled out before it could be read is neither read nor announced; one of the same
        // model plugged in again meanwhile is.
        if (m_presentDevType != devType)
            return;
        // Under an open error box the card's transfers are held back: the card is read once the box
        // is closed, rather than announced with values it was never asked for.
        if (ErrorPrompt::isOpen()) {
            readCardAfter(boxWaitMs, devType, vid, pid, retriesLeft);
            return;
        }
        m_soundCard->initDev(vid, pid);
        // The sound server may offer the card's input only a moment after the card itself appears.
        m_soundCard->findInputDev(vid, pid);
        m_recordWidget->setInputDevName(m_soundCard->getInputDevName());
        const bool read = m_soundCard->getAllParaIsChange();
        // A failed transfer's box runs events: the card may have been pulled out meanwhile.
        if (m_presentDevType != devType)
            return;
        if (read)
            emit isConnect(true, devType);
        else if (retriesLeft > 0)
            readCardAfter(readRetryMs, devType, vid, pid, retriesLeft - 1);
        else
            reportSilentCard();
    });
}

// A card that is plugged in but never answered is stated as such, not as "no device".
void MainWidget::reportSilentCard()
{
    qDebug() << "***card found but it does not answer";
    emit cardUnusable(QStringLiteral("noAnswer"));
}

void MainWidget::watchPower()
{
    m_powerLog = new PowerLog(this);
    m_powerLog->watch();
    // A take that records when the session ends or the machine sleeps is finished first, so that its
    // file is complete; the guard has the system wait for that.
    m_takeGuard = new TakeGuard(this);
    connect(m_recordWidget, &RecordWidget::recordingChanged, m_takeGuard, &TakeGuard::setRecording);
    connect(m_powerLog, &PowerLog::sessionEnding, m_recordWidget, &RecordWidget::finishRecording);
    connect(m_powerLog, &PowerLog::goingToSleep, m_recordWidget, &RecordWidget::finishRecording);
}

int MainWidget::screenIndex() const
{
    return qMax(0, QGuiApplication::screens().indexOf(screen()));
}

void MainWidget::setScalingRateFrom(qreal dpi)
{
    m_scalingRate = dpi / designDpi;
}

void MainWidget::relayout()
{
    resize(windowSize(m_scalingRate));
    m_sceneWidget->resize(sceneGeometry(m_scalingRate).size());
    m_recordWidget->setGeometry(recordPanelGeometry(m_scalingRate));
}

void MainWidget::mousePressEvent(QMouseEvent *event)
{
    if (dragStrip(m_scalingRate).contains(event->pos()))
        m_dragOffset = event->globalPos() - pos();
}

void MainWidget::mouseMoveEvent(QMouseEvent *event)
{
    // An offset of (0, 0) means no drag, even for a press on the very corner pixel.
    if (!m_dragOffset.isNull())
        move(event->globalPos() - m_dragOffset);
}

void MainWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_dragOffset = QPoint();
    const int index = screenIndex();
    if (lastReleaseScreen < 0) {
        lastReleaseScreen = index;
        return;
    }
    if (index == lastReleaseScreen)
        return;
    lastReleaseScreen = index;
    QScreen *screen = QGuiApplication::screens().value(index);
    if (!screen)
        return;
    setScalingRateFrom(screen->logicalDotsPerInch());
    qDebug() << "===logicalDotsPerInch=====" << screen->logicalDotsPerInch();
    emit screenChanged();
    relayout();
}

CommandAnswer MainWidget::runCommand(const CardCommand &command)
{
    CommandAnswer answer;
    QString why;
    // A card the window has stated it cannot drive is answered as a command without a window answers.
    if (m_detection && CardRunner::refuseUnusableCard(m_detection->reportedCardAccess(&why), &answer))
        return answer;
    return WindowCommand::run(command, *m_control, m_soundCard);
}

// A request that cannot be read (another version) is refused, never guessed at; one that comes after
// its sender has stopped waiting is not carried out.
QByteArray MainWidget::answerRequest(const QByteArray &request)
{
    CardCommand command;
    qint64 startBy = 0;
    if (!CommandMessage::readRequest(request, &command, &startBy))
        return CommandMessage::answer(
            {CommandExit::usage, {}, QCoreApplication::translate("main", "velora: 正在运行的窗口不理解这个命令（版本不同）\n")});
    if (startBy > 0 && QDateTime::currentMSecsSinceEpoch() > startBy) {
        qDebug() << "***command dropped: it came after its sender stopped waiting";
        return CommandMessage::answer(
            {CommandExit::cardFailed, {}, QCoreApplication::translate("main", "velora: 窗口太忙，命令没有执行\n")});
    }
    return CommandMessage::answer(runCommand(command));
}
