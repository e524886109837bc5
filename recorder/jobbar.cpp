#include "jobbar.h"

#include <QEvent>
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
    : QFrame(parent), m_operation(new QLabel(this)), m_bar(new QProgressBar(this)), m_cancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("jobBar"));
    setStyleSheet(barStyleSheet(objectName()));
    m_bar->setRange(0, 100);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->addWidget(m_operation);
    layout->addWidget(m_bar, 1);
    layout->addWidget(m_cancel);
    connect(m_cancel, &QPushButton::clicked, this, &JobBar::cancelRequested);
    retranslate();
    hide();
}

void JobBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
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

QString JobBar::barStyleSheet(const QString &objectName)
{
    return QStringLiteral("#%1 { background-color: #2B2C2E; border-top: 1px solid black; }"
                          "QLabel { color: #C8C8C8; }"
                          "QProgressBar { color: #E0E0E0; background: #1A1B1C; border: 1px solid black;"
                          " text-align: center; }"
                          "QProgressBar::chunk { background-color: #5E17CC; }")
        .arg(objectName);
}

int JobBar::percent() const
{
    return m_bar->value();
}
