#include "waveformwidget.h"

#include "rulerticks.h"

#include <QDebug>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <cmath>

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
    m_pyramid.columnAdded(m_history);
    update(QRect(x - 1, 0, nextX() - x + 2, height()));
    moveCursor(nextX());
    if (nextX() >= width())
        emit s_adjustWidth();
}

void WaveformWidget::setColumns(const LevelHistory &columns)
{
    m_history = columns;
    m_pyramid.rebuild(m_history);
    clearSelection();
    moveCursor(nextX());
    update();
}

void WaveformWidget::clearWave()
{
    m_history.clear();
    m_pyramid.clear();
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
    m_sampleRate = rate;
    updateScale();
}

void WaveformWidget::setPixelsPerColumn(double pixels)
{
    m_pixelsPerColumn = pixels;
    updateScale();
}

// The cursor and the selection are times, so they stay on the audio they marked.
void WaveformWidget::updateScale()
{
    m_scale = ChartScale(LeftMargin, m_sampleRate / m_framesPerColumn * m_step * m_pixelsPerColumn);
    update();
}

// The pixel after the last column; a column that only partly covers its pixel still takes it.
int WaveformWidget::nextX() const
{
    return LeftMargin + int(std::ceil(columnCount() * m_step * m_pixelsPerColumn - 1e-9));
}

int WaveformWidget::columnAt(int x) const
{
    return int(std::floor((x - LeftMargin) / (m_step * m_pixelsPerColumn)));
}

int WaveformWidget::columnX(int column) const
{
    return LeftMargin + int(column * m_step * m_pixelsPerColumn);
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
    if (hasSelection())
        painter.fillRect(selectionRect() & area, m_selectionColour);
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

namespace {

constexpr int LabelReach = 60;  // wider than half of any label

} // namespace

// At the default zoom a tick per second with its number, and a shorter one per half second, for the
// seconds whose marks reach into the area; labels outside it are not even laid out (small repaints
// are frequent).
void WaveformWidget::paintTimeRuler(QPainter &painter, const QRect &area) const
{
    painter.setPen(m_rulerTextColour);
    painter.setFont(m_rulerFont);
    if (!qFuzzyCompare(m_pixelsPerColumn, 1.0)) {
        paintScaledRuler(painter, area);
        return;
    }
    const double pps = pixelsPerSecond();
    for (int second = qMax(0, int((area.left() - LeftMargin - LabelReach) / pps));; ++second) {
        const double x = LeftMargin + second * pps;
        if (!(width() > x) || qRound(x) - LabelReach > area.right())
            break;
        paintTick(painter, area, x, qRound(x) + pps * 0.5, QString::number(double(second), 'g', 6));
    }
}

// Zoomed in or out, the step between labels follows the zoom, so that they never overlap.
void WaveformWidget::paintScaledRuler(QPainter &painter, const QRect &area) const
{
    const RulerTicks ticks(pixelsPerSecond(), m_scale.msAt(width()), QFontMetrics(m_rulerFont));
    const double step = ticks.stepPixels();
    for (qint64 tick = qMax<qint64>(0, qint64((area.left() - LeftMargin - LabelReach) / step));; ++tick) {
        const double x = LeftMargin + tick * step;
        if (!(width() > x) || qRound(x) - LabelReach > area.right())
            break;
        paintTick(painter, area, x, qRound(x) + step * 0.5, ticks.label(tick * ticks.stepMs()));
    }
}

void WaveformWidget::paintTick(QPainter &painter, const QRect &area, double x, double halfX,
                               const QString &label) const
{
    const int rx = qRound(x);
    painter.drawLine(int(halfX), 0, int(halfX), int(m_tickHeight * 0.6));
    painter.drawLine(rx, 0, rx, m_tickHeight);
    const int labelWidth = QFontMetrics(m_rulerFont).horizontalAdvance(label);
    const int labelLeft = rx - labelWidth / 2;
    if (labelLeft <= area.right() && labelLeft + labelWidth >= area.left() && area.top() <= m_tickHeight + 10)
        painter.drawText(QPoint(labelLeft, m_tickHeight + 10), label);
}

void WaveformWidget::paintColumns(QPainter &painter, const QRect &area)
{
    m_strokes.clear();
    if (m_pixelsPerColumn < 1)
        addPixelStrokes(area);
    else
        addColumnStrokes(area);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_waveColour);
    painter.drawRects(m_strokes);
}

// A column as wide as the zoom makes it, one stroke per lane it holds.
void WaveformWidget::addColumnStrokes(const QRect &area)
{
    const int first = qMax(0, columnAt(area.left()));
    const int last = qMin(columnCount() - 1, columnAt(area.right()));
    for (int column = first; column <= last; ++column) {
        const int x = columnX(column);
        const int strokeWidth = qMax(1, columnX(column + 1) - x);
        const qreal *pairs = m_history.values(column);
        const int lanes = qMin(m_lanes, m_history.pairCount(column));
        for (int lane = 0; lane < lanes; ++lane)
            m_strokes.append(stroke(lane, x, strokeWidth, pairs[2 * lane], pairs[2 * lane + 1]));
    }
}

// Several columns to a pixel: the envelope of those columns, found in the pyramid so that the cost
// of a pixel does not grow with the number of columns in it.
void WaveformWidget::addPixelStrokes(const QRect &area)
{
    const int right = qMin(area.right(), nextX() - 1);
    const int level = m_pyramid.levelFor(int(1 / (m_step * m_pixelsPerColumn)));
    for (int x = qMax(LeftMargin, area.left()); x <= right; ++x) {
        const int first = columnAt(x);
        const int end = qMin(columnCount(), qMax(first + 1, columnAt(x + 1)));
        for (int lane = 0; lane < m_lanes && first < end; ++lane) {
            qreal high = 0;
            qreal low = 0;
            if (m_pyramid.envelope(m_history, level, first, end, lane, &high, &low))
                m_strokes.append(stroke(lane, x, 1, high, low));
        }
    }
}

void WaveformWidget::paintCursor(QPainter &painter) const
{
    painter.setPen(QPen(m_cursorColour, 2, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    const int x = cursorX() - m_step;
    painter.drawLine(x, 0, x, height());
}

// The 1-px line from the upper to the lower level, both ends included, as a rectangle: it covers
// the same pixels and fills about three times faster than a stroked line. A level of 1.0 reaches
// 49 % of the lane height above the lane's centre line.
QRect WaveformWidget::stroke(int lane, int x, int width, qreal upper, qreal lower) const
{
    const int y0 = laneCentre(lane);
    const double reach = laneHeight() * 0.98 * 0.5;
    const int y1 = toPixel(y0 - reach * upper);
    const int y2 = toPixel(y0 - reach * lower);
    return QRect(QPoint(x, qMin(y1, y2)), QPoint(x + width - 1, qMax(y1, y2)));
}

// The highlight of the selection at the current zoom.
QRect WaveformWidget::selectionRect() const
{
    const double pps = pixelsPerSecond();
    const int from = qRound(LeftMargin + selectionStart() * pps);
    const int to = qRound(LeftMargin + selectionEnd() * pps);
    // However short, a selection shows.
    return QRect(from, 0, qMax(1, to - from), SelectionHeight);
}

// Selections made with the mouse or the keys, in the times of their pixels: limited to the drawn
// audio, the part in the margin counting as 0 s.
void WaveformWidget::setSelection(double anchor, double end)
{
    m_selAnchor = anchor;
    m_selEnd = end;
    update();
    emit selectionChanged();
}

void WaveformWidget::selectSeconds(double from, double to)
{
    const double end = endSeconds();
    setSelection(qBound(0.0, from, end), qBound(0.0, to, end));
}

void WaveformWidget::moveCursor(int x)
{
    // The cursor line is 2 px wide around cursor x - step; repaint a little more on either side.
    update(QRect(cursorX() - m_step - 2, 0, 5, height()));
    m_cursorMs = m_scale.msAt(x);
    update(QRect(cursorX() - m_step - 2, 0, 5, height()));
    emit cursorChanged();
}

void WaveformWidget::mousePressEvent(QMouseEvent *event)
{
    const double at = secondsAt(audioX(event->x()));
    setSelection(at, at);
    moveCursor(qMax(LeftMargin, event->x()));
    update();
    reportPosition(event->x());
    setFocus();
}

void WaveformWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::NoButton)
        setSelection(m_selAnchor, secondsAt(audioX(event->x())));
}

void WaveformWidget::mouseReleaseEvent(QMouseEvent *event)
{
    setSelection(m_selAnchor, secondsAt(audioX(event->x())));
}

void WaveformWidget::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QWidget::wheelEvent(event);
        return;
    }
    m_wheelAngle += event->angleDelta().y();
    const int steps = m_wheelAngle / 120;
    m_wheelAngle %= 120;
    if (steps != 0)
        emit zoomRequested(steps, qRound(event->position().x()));
    event->accept();
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

// The keyboard's click and drag: an arrow moves the cursor a pixel (with Ctrl a second) and tells the
// player, as a click there would; with Shift it stretches the selection from where the cursor stands,
// as a drag from the cursor would, so Delete then cuts exactly that span; with Alt and Shift it moves
// the selection's other edge, where it was started.
void WaveformWidget::stepByKey(int direction, Qt::KeyboardModifiers modifiers)
{
    const int distance = (modifiers & Qt::ControlModifier) ? qMax(m_step, qRound(pixelsPerSecond())) : m_step;
    const auto moved = [&](double seconds) {
        return secondsAt(audioX(qRound(LeftMargin + seconds * pixelsPerSecond()) + direction * distance));
    };
    if (modifiers & Qt::ShiftModifier) {
        if (!hasSelection())
            setSelection(secondsAt(cursorX()), secondsAt(cursorX()));
        if (modifiers & Qt::AltModifier)
            setSelection(moved(m_selAnchor), m_selEnd);
        else
            setSelection(m_selAnchor, moved(m_selEnd));
        return;
    }
    clearSelection();
    const int x = audioX(cursorX() + direction * distance);
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
    QToolTip::showText(mapToGlobal(QPoint(cursorX(), RulerHeight)), m_busyText, this);
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
    setSelection(m_selAnchor, m_selAnchor);
}

void WaveformWidget::cutSelection()
{
    // Only the highlighted span is cut: the part of a drag that went into the margin counts as 0 s,
    // the part beyond the last column as the end of the audio.
    if (!hasSelection())
        return;
    if (!m_supportClip) {
        qDebug("no SupportClip");
        refuseCut();
        return;
    }
    const double start = selectionStart();
    const double end = selectionEnd();
    const int from = xAt(ChartScale::wholeMs(start * 1000));
    clearSelection();
    // The receiver cuts in the background and redraws the chart once the new version is there; the
    // current one stays in view meanwhile, and stays if the cut fails or is cancelled.
    emit s_cutAudio(start, end);
    // The cursor stands where the player goes: the start of the removed span, whichever way the
    // selection was dragged.
    moveCursor(from);
    update();
    emit s_posChange(start * 1000);
}
