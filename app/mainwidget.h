#ifndef MAINWIDGET_H
#define MAINWIDGET_H

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

class QQuickWidget;
class QScreen;
class PowerLog;
class Trans;

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

    // Shows the window normally and in front of the others: the answer to a second start.
    void bringToFront();

public slots:
    QString getSoftVersion();
    double getScalingRate();

signals:
    void screenChanged();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray &eventType, void *message, long *result) override;
#endif

private:
    void initWindow();
    void watchScreen();
    void createRootPanel();
    void createSceneWidget();
    void publishContext();
    void publishLanguageSwitcher();
    void loadScene();
    void watchPower();

    int screenIndex() const;
    void setScalingRateFrom(qreal dpi);
    void relayout();

    QQuickWidget *m_sceneWidget = nullptr;
    QPoint m_dragOffset;
    double m_scalingRate = 1.0;
    QWidget *m_root = nullptr;
    PowerLog *m_powerLog = nullptr;
    Trans *m_trans = nullptr;
};

#endif
