#include "recoverybar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

RecoveryBar::RecoveryBar(QWidget *parent)
    : OverlayBar(QStringLiteral("recoveryBar"), parent), m_text(new QLabel(this)), m_open(new QPushButton(this)),
      m_dismiss(new QPushButton(this))
{
    row()->addWidget(m_text, 1);
    row()->addWidget(m_open);
    row()->addWidget(m_dismiss);
    connect(m_open, &QPushButton::clicked, this, [this] {
        hide();
        emit openRequested(m_path);
    });
    connect(m_dismiss, &QPushButton::clicked, this, &QWidget::hide);
    retranslate();
}

void RecoveryBar::offer(const QString &path, const QDateTime &recorded)
{
    m_path = path;
    m_recorded = recorded;
    m_text->setToolTip(path);
    retranslate();
    show();
    raise();
}

void RecoveryBar::retranslate()
{
    m_open->setText(tr("打开"));
    m_dismiss->setText(tr("忽略"));
    m_text->setText(tr("恢复的录音（%1）").arg(QLocale().toString(m_recorded, QStringLiteral("yyyy-MM-dd hh:mm:ss"))));
}
