#ifndef JOBBAR_H
#define JOBBAR_H

#include <QFrame>

class QLabel;
class QProgressBar;
class QPushButton;

// What a long cut or export shows while it runs: its name, how far it got, the time left, and a
// way to stop it.
class JobBar : public QFrame
{
    Q_OBJECT

public:
    explicit JobBar(QWidget *parent = nullptr);

    void begin(const QString &operation);
    // fraction 0..1; remainingMs -1 when not known yet.
    void setProgress(double fraction, qint64 remainingMs);
    int percent() const;
    // The look of the bars that lie over the bottom of the waveform frame.
    static QString barStyleSheet(const QString &objectName);

signals:
    void cancelRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QLabel *m_operation;
    QProgressBar *m_bar;
    QPushButton *m_cancel;
};

#endif // JOBBAR_H
