#ifndef RECOVERYBAR_H
#define RECOVERYBAR_H

#include "overlaybar.h"

#include <QDateTime>
#include <QString>

class QLabel;
class QPushButton;

// Offers a take that was cut short and has been repaired: open it, or let it be.
class RecoveryBar : public OverlayBar
{
    Q_OBJECT

public:
    explicit RecoveryBar(QWidget *parent = nullptr);

    void offer(const QString &path, const QDateTime &recorded);
    QString offeredPath() const { return m_path; }

signals:
    void openRequested(const QString &path);

protected:
    void retranslate() override;

private:

    QLabel *m_text;
    QPushButton *m_open;
    QPushButton *m_dismiss;
    QString m_path;
    QDateTime m_recorded;
};

#endif // RECOVERYBAR_H
