#ifndef JOBBAR_H
#define JOBBAR_H

#include "overlaybar.h"

class QLabel;
class QProgressBar;
class QPushButton;

// What a long cut or export shows while it runs: its name, how far it got, the time left, and a
// way to stop it.
class JobBar : public OverlayBar
{
    Q_OBJECT

public:
    explicit JobBar(QWidget *parent = nullptr);

    void begin(const QString &operation);
    // fraction 0..1; remainingMs -1 when not known yet.
    void setProgress(double fraction, qint64 remainingMs);
    int percent() const;

signals:
    void cancelRequested();

protected:
    void retranslate() override;

private:

    QLabel *m_operation;
    QProgressBar *m_bar;
    QPushButton *m_cancel;
};

#endif // JOBBAR_H
