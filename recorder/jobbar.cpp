#include "jobbar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

QString clockText(qint64 ms)
{
    const qint64 seconds = (ms + 999) / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

JobBar::JobBar(QWidget *parent)
    : OverlayBar(QStringLiteral("jobBar"), parent), m_operation(new QLabel(this)), m_bar(new QProgressBar(this)),
      m_cancel(new QPushButton(this))
{
    m_bar->setRange(0, 100);
    row()->addWidget(m_operation);
    row()->addWidget(m_bar, 1);
    row()->addWidget(m_cancel);
    connect(m_cancel, &QPushButton::clicked, this, &JobBar::cancelRequested);
    retranslate();
}

void JobBar::retranslate()
{
    m_cancel->setText(tr("取消"));
    m_cancel->setToolTip(tr("停止并保留原样 (Esc)"));
}

void JobBar::begin(const QString &operation)
{
    m_operation->setText(operation);
    m_bar->setValue(0);
    m_bar->setFormat(QStringLiteral("%p%"));
    show();
    raise();
}

void JobBar::setProgress(double fraction, qint64 remainingMs)
{
    m_bar->setValue(int(fraction * 100));
    m_bar->setFormat(remainingMs < 0 ? QStringLiteral("%p%") : tr("%p% · 剩余 %1").arg(clockText(remainingMs)));
}

int JobBar::percent() const
{
    return m_bar->value();
}
