#ifndef LEVELMETER_H
#define LEVELMETER_H

#include <QElapsedTimer>
#include <QWidget>

// A bar of the input's level on a decibel scale, with a clip light at its end that stays lit for a
// while after the input reached full scale, so that a short peak is not missed.
class LevelMeter : public QWidget
{
    Q_OBJECT

public:
    static constexpr int FloorDb = -60;
    static constexpr int ClipHoldMs = 2000;

    explicit LevelMeter(QWidget *parent = nullptr);

    qreal level() const { return m_level; }
    bool clipShown() const;
    QSize sizeHint() const override;

public slots:
    void setLevel(qreal peak, bool clipped);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void describe();
    // Where on the bar a level ends, 0 to 1.
    static qreal fraction(qreal peak);

    qreal m_level = 0;
    QElapsedTimer m_sinceClip;
    QString m_description;
};

#endif // LEVELMETER_H
