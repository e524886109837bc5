#ifndef MAINWIDGET_H
#define MAINWIDGET_H

#include "cli/cardcommand.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

class QQuickWidget;
class QScreen;
class DetectionDevice;
class PowerLog;
class TakeGuard;
class Trans;
class CardControl;
class SoundCardBase;
class RecordWidget;

// The program's only top-level window: a frameless, dark root panel that carries the scene.
class MainWidget : public QWidget
{
    Q_OBJECT
public:
    explicit MainWidget(QWidget *parent = nullptr);
    ~MainWidget() override;

    // Sizes in 1/96 inch scaled by the rate and truncated, as the window lays itself out.
    static QSize windowSize(double rate);
    static QRect sceneGeometry(double rate);
    static QRect dragStrip(double rate);
    static QSize openWindowSize(double rate);
    static QRect recordPanelGeometry(double rate);

    // Shows the window normally and in front of the others: the answer to a second start.
    void bringToFront();

    // Carries out a command from the command line as the control page's clicks would, and shows it there.
    CommandAnswer runCommand(const CardCommand &command);
    // The same for a command message from another process: its answer message.
    QByteArray answerRequest(const QByteArray &request);

public slots:
    QString getSoftVersion();
    double getScalingRate();
    // Shows the recorder panel below the scene and makes the window tall enough for it, or hides it.
    void openRecordWidget(bool isOpen);

signals:
    void screenChanged();
    // A card of model devType has been made ready (true) or has gone (false).
    void isConnect(bool isConnect, QString devType);
    // A card was found that this program cannot drive: "noAccess" (this user may not open it),
    // "noLibrary" (no control library here serves it) or "noAnswer" (it never answered a read). The
    // next isConnect ends that state.
    void cardUnusable(QString reason);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray &eventType, void *message, long *result) override;
#endif

private slots:
    void onDevArrivalOrRemove(QString devType, bool isArrival, int vid, int pid);

private:
    void readCardAfter(int delayMs, const QString &devType, int vid, int pid, int retriesLeft);
    bool reportUnusableCard();
    void reportSilentCard();
    void initWindow();
    void watchScreen();
    void createRootPanel();
    void createRecordPanel();
    void createSceneWidget();
    void nameSceneWidget();
    void publishContext();
    void publishLanguageSwitcher();
    void loadScene();
    void watchCards();
    void watchPower();

    int screenIndex() const;
    void setScalingRateFrom(qreal dpi);
    void relayout();

    DetectionDevice *m_detection = nullptr;
    SoundCardBase *m_soundCard = nullptr;
    CardControl *m_control = nullptr;
    // The model of the card present now; empty while none is.
    QString m_presentDevType;
    QQuickWidget *m_sceneWidget = nullptr;
    QPoint m_dragOffset;
    double m_scalingRate = 1.0;
    QWidget *m_root = nullptr;
    RecordWidget *m_recordWidget = nullptr;
    PowerLog *m_powerLog = nullptr;
    TakeGuard *m_takeGuard = nullptr;
    Trans *m_trans = nullptr;
};

#endif
