#include "waveformwidget.h"

#include <QDebug>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

namespace {

// Pixel rows far outside any widget; keeps absurd levels (infinities) out of the int conversion.
constexpr double PixelLimit = 1e7;

int toPixel(double y)
{
    return int(qBound(-PixelLimit, y, PixelLimit));
}

} // namespace

WaveformWidget::WaveformWidget(QWidget *parent)
    : QWidget(parent), m_scale(LeftMargin, DefaultSampleRate / m_framesPerColumn * m_step)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("WaveformWidget"));
    setFocusPolicy(Qt::StrongFocus);
    m_rulerFont.setFamily(QStringLiteral("Times"));
    m_rulerFont.setPixelSize(12);
    resize(700, 316);
}

void WaveformWidget::appendLevels(const QVector<qreal> &block)
{
    const int x = nextX();
    m_history.append(block);
    update(QRect(x, 0, m_step, height()));
    moveCursor(nextX());
    if (nextX() >= width())
        emit s_adjustWidth();
}

void WaveformWidget::setColumns(const LevelHistory &columns)
{
    m_history = columns;
    clearSelection();
    moveCursor(nextX());
    update();
}

void WaveformWidget::clearWave()
{
    m_history.clear();
    clearSelection();
    update();
}

void WaveformWidget::setLaneCount(int lanes)
{
    m_lanes = qMax(1, lanes);  // no lane would leave nothing to divide the height by
    update();
}

int WaveformWidget::laneHeight() const
{
    return (height() - m_lanes * LaneBarHeight - 10) / m_lanes;
}

void WaveformWidget::setPlayPos(qint64 ms)
{
    moveCursor(xAt(ms));
}

int WaveformWidget::audioX(int x) const
{
    return qBound(LeftMargin, x, qMax(LeftMargin, nextX()));
}

void WaveformWidget::setSampleRate(int rate)
{
    if (rate <= 0)
        return;
    m_scale = ChartScale(LeftMargin, rate / m_framesPerColumn * m_step);
    update();
}

int WaveformWidget::laneCentre(int lane) const
{
    const int laneHigh = laneHeight();
    return lane * (laneHigh + LaneBarHeight) + laneHigh / 2 + RulerHeight;
}

void WaveformWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    paintBackground(painter, area);
    paintTimeRuler(painter, area);
    paintColumns(painter, area);
    if (!m_selection.isEmpty())
        painter.fillRect(m_selection & area, m_selectionColour);
    paintCursor(painter);
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        // The keyboard brought the focus here: a frame says so (a click shows the cursor instead).
        painter.setPen(QPen(m_waveColour.lighter(220), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void WaveformWidget::paintBackground(QPainter &painter, const QRect &area) const
{
    painter.fillRect(area, m_backgroundColour);
    painter.setPen(QPen(m_borderColour, 2));
    painter.drawRect(0, 0, width(), height());
    painter.setPen(QPen(m_borderColour, 1));
    painter.setBrush(m_laneBarColour);
    const int laneHigh = laneHeight();
    for (int i = 0; i < m_lanes; ++i)
        painter.drawRect(LeftMargin, (i + 1) * laneHigh + i * LaneBarHeight + RulerHeight, width(),
                         LaneBarHeight);
    painter.setBrush(m_rulerColour);
    painter.drawRect(0, 0, width(), RulerHeight);
}

// A tick per second with its number, and a shorter one per half second, for the seconds whose
// marks reach into the area; labels outside it are not even laid out (small repaints are frequent).
void WaveformWidget::paintTimeRuler(QPainter &painter, const QRect &area) const
{
    constexpr int labelReach = 60;  // wider than half of any label
    const QFontMetrics metrics(m_rulerFont);
    painter.setPen(m_rulerTextColour);
    painter.setFont(m_rulerFont);
    const double pps = pixelsPerSecond();
    for (int second = qMax(0, int((area.left() - LeftMargin - labelReach) / pps));; ++second) {
        const double x = LeftMargin + second * pps;
        const int rx = qRound(x);
        if (!(width() > x) || rx - labelReach > area.right())
            break;
        const int halfX = int(rx + pps * 0.5);
        painter.drawLine(halfX, 0, halfX, int(m_tickHeight * 0.6));
        painter.drawLine(rx, 0, rx, m_tickHeight);
        const QString label = QString::number(double(second), 'g', 6);
        const int labelWidth = metrics.horizontalAdvance(label);
        const int labelLeft = rx - labelWidth / 2;
        if (labelLeft <= area.right() && labelLeft + labelWidth >= area.left() && area.top() <= m_tickHeight + 10)
            painter.drawText(QPoint(labelLeft, m_tickHeight + 10), label);
    }
}

void WaveformWidget::paintColumns(QPainter &painter, const QRect &area)
{
    const int first = qMax(0, (area.left() - LeftMargin) / m_step);
    const int last = qMin(columnCount() - 1, (area.right() - LeftMargin) / m_step);
    m_strokes.clear();
    for (int column = first; column <= last; ++column) {
        const int x = LeftMargin + column * m_step;
        const qreal *pairs = m_history.values(column);
        const int lanes = qMin(m_lanes, m_history.pairCount(column));
        for (int lane = 0; lane < lanes; ++lane)
            m_strokes.append(stroke(lane, x, pairs[2 * lane], pairs[2 * lane + 1]));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_waveColour);
    painter.drawRects(m_strokes);
}

void WaveformWidget::paintCursor(QPainter &painter) const
{
    painter.setPen(QPen(m_cursorColour, 2, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    const int x = m_cursorX - m_step;
    painter.drawLine(x, 0, x, height());
}

// The 1-px line from the upper to the lower level, both ends included, as a rectangle: it covers
// the same pixels and fills about three times faster than a stroked line. A level of 1.0 reaches
// 49 % of the lane height above the lane's centre line.
QRect WaveformWidget::stroke(int lane, int x, qreal upper, qreal lower) const
{
    const int y0 = laneCentre(lane);
    const double reach = laneHeight() * 0.98 * 0.5;
    const int y1 = toPixel(y0 - reach * upper);
    const int y2 = toPixel(y0 - reach * lower);
    return QRect(QPoint(x, qMin(y1, y2)), QPoint(x, qMax(y1, y2)));
}

void WaveformWidget::moveCursor(int x)
{
    // The cursor line is 2 px wide around cursor x - step; repaint a little more on either side.
    update(QRect(m_cursorX - m_step - 2, 0, 5, height()));
    m_cursorX = x;
    update(QRect(m_cursorX - m_step - 2, 0, 5, height()));
}

void WaveformWidget::mousePressEvent(QMouseEvent *event)
{
    m_selStartX = event->x();
    clearSelection();
    m_cursorX = qMax(LeftMargin, event->x());
    update();
    reportPosition(m_selStartX);
    setFocus();
}

void WaveformWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::NoButton)
        return;
    const int from = audioX(m_selStartX);
    const int to = audioX(event->x());
    m_selection = QRect(qMin(from, to), 0, qAbs(to - from), SelectionHeight);
    update();
}

void WaveformWidget::mouseReleaseEvent(QMouseEvent *event)
{
    m_selEndX = event->x();
}

void WaveformWidget::keyPressEvent(QKeyEvent *event)
{
    const int direction = event->key() == Qt::Key_Right ? 1 : event->key() == Qt::Key_Left ? -1 : 0;
    if (event->key() == Qt::Key_Delete)
        cutSelection();
    else if (direction != 0)
        stepByKey(direction, event->modifiers());
    else
        QWidget::keyPressEvent(event);
}

// The keyboard's click and drag: an arrow moves the cursor a column (with Ctrl a second) and tells the
// player, as a click there would; with Shift it stretches the selection from where the cursor stands,
// as a drag from the cursor would, so Delete then cuts exactly that span.
void WaveformWidget::stepByKey(int direction, Qt::KeyboardModifiers modifiers)
{
    const int distance = (modifiers & Qt::ControlModifier) ? qMax(m_step, qRound(pixelsPerSecond())) : m_step;
    if (modifiers & Qt::ShiftModifier) {
        if (m_selection.isEmpty())
            m_selStartX = m_selEndX = m_cursorX;
        m_selEndX = qBound(LeftMargin, m_selEndX + direction * distance, qMax(LeftMargin, nextX()));
        m_selection = QRect(qMin(m_selStartX, m_selEndX), 0, qAbs(m_selEndX - m_selStartX), SelectionHeight);
        update();
        return;
    }
    clearSelection();
    const int x = qBound(LeftMargin, m_cursorX + direction * distance, qMax(LeftMargin, nextX()));
    moveCursor(x);
    update();
    reportPosition(x);
}

// While a job runs, the selection waits to be cut once it ends and the chart says why; while a take
// records, the chart grows under it and it goes.
void WaveformWidget::refuseCut()
{
    if (m_busyText.isEmpty()) {
        clearSelection();
        update();
        return;
    }
    QToolTip::showText(mapToGlobal(QPoint(m_cursorX, RulerHeight)), m_busyText, this);
}

void WaveformWidget::setBusyText(const QString &text)
{
    m_busyText = text;
    setToolTip(text);
}

void WaveformWidget::reportPosition(int x)
{
    emit s_posChange(secondsAt(x) * 1000);
}

// A selection that is no longer shown can no longer be cut.
void WaveformWidget::clearSelection()
{
    m_selection = QRect();
    m_selEndX = m_selStartX;
}

void WaveformWidget::cutSelection()
{
    // Only the highlighted span is cut: the part of a drag that went into the margin counts as 0 s,
    // the part beyond the last column as the end of the audio.
    const int from = audioX(qMin(m_selStartX, m_selEndX));
    const int to = audioX(qMax(m_selStartX, m_selEndX));
    if (from == to)
        return;
    if (!m_supportClip) {
        qDebug("no SupportClip");
        refuseCut();
        return;
    }
    const double start = secondsAt(from);
    const double end = secondsAt(to);
    clearSelection();
    // The receiver cuts in the background and redraws the chart once the new version is there; the
    // current one stays in view meanwhile, and stays if the cut fails or is cancelled.
    emit s_cutAudio(start, end);
    // The cursor stands where the player goes: the start of the removed span, whichever way the
    // selection was dragged.
    m_cursorX = from;
    update();
    reportPosition(from);
}
