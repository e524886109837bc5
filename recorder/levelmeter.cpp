#include "levelmeter.h"

#include <QEvent>
#include <QPainter>
#include <QtMath>

namespace {

const QColor Track(0x1e, 0x1e, 0x1e);
const QColor Level(0x6a, 0x2b, 0xd9);   // the panel's own purple
const QColor Loud(0xe0, 0xa0, 0x20);    // the last 6 dB before full scale
const QColor ClipLit(0xe5, 0x39, 0x35);
const QColor ClipDark(0x4a, 0x22, 0x22);
constexpr int ClipWidth = 8;
constexpr int Gap = 2;
constexpr qreal LoudDb = -6;

qreal decibels(qreal peak)
{
    return peak > 0 ? 20 * std::log10(peak) : -1000;
}

} // namespace

LevelMeter::LevelMeter(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("levelMeter"));
    setMinimumHeight(6);
    describe();
}

QSize LevelMeter::sizeHint() const
{
    return QSize(110, 8);
}

bool LevelMeter::clipShown() const
{
    return m_sinceClip.isValid() && m_sinceClip.elapsed() < ClipHoldMs;
}

void LevelMeter::setLevel(qreal peak, bool clipped)
{
    if (clipped)
        m_sinceClip.start();
    m_level = peak;
    describe();
    update();
}

qreal LevelMeter::fraction(qreal peak)
{
    return qBound<qreal>(0, (decibels(peak) - FloorDb) / -FloorDb, 1);
}

void LevelMeter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect bar(0, 0, width() - ClipWidth - Gap, height());
    painter.fillRect(bar, Track);
    const int loudX = qRound(bar.width() * fraction(qPow(10, LoudDb / 20)));
    const int levelX = qRound(bar.width() * fraction(m_level));
    painter.fillRect(QRect(0, 0, qMin(levelX, loudX), height()), Level);
    if (levelX > loudX)
        painter.fillRect(QRect(loudX, 0, levelX - loudX, height()), Loud);
    painter.fillRect(QRect(width() - ClipWidth, 0, ClipWidth, height()), clipShown() ? ClipLit : ClipDark);
}

void LevelMeter::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        describe();
    QWidget::changeEvent(event);
}

// What the tooltip and screen readers say, changed only when the whole decibel shown changes.
void LevelMeter::describe()
{
    const int db = qMax(FloorDb, int(std::floor(decibels(m_level))));
    QString text = m_level > 0 && db > FloorDb ? tr("输入电平 %1 dB").arg(db) : tr("输入电平：无声");
    if (clipShown())
        text += tr("，已削波");
    if (text == m_description)
        return;
    m_description = text;
    setAccessibleName(tr("输入电平"));
    setAccessibleDescription(text);
    setToolTip(text + "\n" + tr("红灯：输入达到满幅（削波），请调低音量"));
}
