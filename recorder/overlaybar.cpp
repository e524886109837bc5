#include "overlaybar.h"

#include <QEvent>
#include <QHBoxLayout>

OverlayBar::OverlayBar(const QString &objectName, QWidget *parent) : QFrame(parent), m_row(new QHBoxLayout(this))
{
    setObjectName(objectName);
    setStyleSheet(QStringLiteral("#%1 { background-color: #2B2C2E; border-top: 1px solid black; }"
                                 "QLabel { color: #C8C8C8; }"
                                 "QProgressBar { color: #E0E0E0; background: #1A1B1C; border: 1px solid black;"
                                 " text-align: center; }"
                                 "QProgressBar::chunk { background-color: #5E17CC; }")
                      .arg(objectName));
    m_row->setContentsMargins(6, 2, 6, 2);
    hide();
}

void OverlayBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}
