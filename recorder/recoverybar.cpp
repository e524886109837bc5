#include "recoverybar.h"

#include "jobbar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

RecoveryBar::RecoveryBar(QWidget *parent) : QFrame(parent), m_text(new QLabel(this))
{
    setObjectName(QStringLiteral("recoveryBar"));
    setStyleSheet(JobBar::barStyleSheet(objectName()));
    auto *open = new QPushButton(tr("打开"), this);
    auto *dismiss = new QPushButton(tr("忽略"), this);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->addWidget(m_text, 1);
    layout->addWidget(open);
    layout->addWidget(dismiss);
    connect(open, &QPushButton::clicked, this, [this] {
        hide();
        emit openRequested(m_path);
    });
    connect(dismiss, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void RecoveryBar::offer(const QString &path, const QDateTime &recorded)
{
    m_path = path;
    m_text->setText(tr("恢复的录音（%1）").arg(QLocale().toString(recorded, QStringLiteral("yyyy-MM-dd hh:mm:ss"))));
    m_text->setToolTip(path);
    show();
    raise();
}
