#include "waveformframe.h"

#include "waveformwidget.h"

#include <QEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

constexpr int RulerWidth = WaveformWidget::LeftMargin;
constexpr int ChartHeightMargin = 25;  // room for the horizontal scroll bar and the frame's border

} // namespace

WaveformFrame::WaveformFrame(QWidget *parent)
    : QScrollArea(parent), m_waveform(new WaveformWidget(this)), m_ruler(new QWidget(this))
{
    horizontalScrollBar()->setStyleSheet(QStringLiteral(
        "QScrollBar:horizontal { height: 15px; margin: 0px 40px 0 0px; border-radius: 7px;background: #1A1B1C ; } "
        "QScrollBar::handle:horizontal { border-radius: 7px; background: #2B2C2E;}"
        "QScrollBar::add-line:horizontal { width: 0px;}QScrollBar::sub-line:horizontal {width: 0px;}"
        "QScrollBar::add-page:horizontal, QScrollBar::sub-page:horizontal {background: none;}"));
    if (parent)
        resize(parent->size());
    setWidget(m_waveform);
    // The chart paints all of its area itself. Left opaque (the scroll area makes it so), it would
    // be repainted on its own, over the amplitude ruler that lies on top of it.
    m_waveform->setAutoFillBackground(false);
    m_waveform->resize(width() - 2, height() - 125);
    connect(m_waveform, &WaveformWidget::s_adjustWidth, this, &WaveformFrame::widen);

    // The ruler is created after the viewport, so it stays on top of the chart's left margin.
    m_ruler->move(0, WaveformWidget::RulerHeight);
    m_ruler->resize(RulerWidth, m_waveform->height() - WaveformWidget::RulerHeight);
    m_ruler->installEventFilter(this);

    connect(m_waveform, &WaveformWidget::s_cutAudio, this, &WaveformFrame::s_cutAudio);
    connect(m_waveform, &WaveformWidget::s_posChange, this, &WaveformFrame::s_posChange);
    setLaneCount(2);
}

void WaveformFrame::clear()
{
    m_playPage = -1;
    m_waveform->clearWave();
    m_waveform->resize(shownWidth(), height() - ChartHeightMargin);
}

int WaveformFrame::chartWidth() const
{
    const int shown = shownWidth();
    const int beyond = m_waveform->nextX() - shown;
    return beyond < 0 ? shown : shown + (beyond / WidenStep + 1) * WidenStep;
}

void WaveformFrame::showColumns(const LevelHistory &columns)
{
    clear();
    m_waveform->setColumns(columns);
    const int width = chartWidth();
    if (width == m_waveform->width())
        return;
    m_waveform->resize(width, m_waveform->height());
    horizontalScrollBar()->setValue(width);
}

void WaveformFrame::zoomAround(double pixelsPerColumn, int x)
{
    const int shownAt = x - horizontalScrollBar()->value();
    const double seconds = m_waveform->secondsAt(x);
    m_waveform->setPixelsPerColumn(pixelsPerColumn);
    m_waveform->resize(chartWidth(), m_waveform->height());
    horizontalScrollBar()->setValue(qRound(WaveformWidget::LeftMargin + seconds * m_waveform->pixelsPerSecond()) - shownAt);
    // Playback pages from where the cursor now is, rather than jumping back to its old page.
    m_playPage = (m_waveform->cursorX() - WaveformWidget::LeftMargin) / PlayPage;
}

void WaveformFrame::setPlayPos(qint64 ms)
{
    m_waveform->setPlayPos(ms);
    // A page change, not a page boundary hit on a whole second: at rates other than 25 px/s the
    // boundaries fall between whole seconds, and the view would never follow.
    const int page = (m_waveform->xAt(ms) - WaveformWidget::LeftMargin) / PlayPage;
    if (page != m_playPage)
        horizontalScrollBar()->setValue(page * PlayPage);
    m_playPage = page;
}

void WaveformFrame::keepInView(int x)
{
    ensureVisible(x, 0, RulerWidth + 10, 0);
}

void WaveformFrame::setSupportClip(bool allowed)
{
    m_waveform->setSupportClip(allowed);
}

void WaveformFrame::setLaneCount(int lanes)
{
    m_waveform->setLaneCount(lanes);
    m_ruler->update();
}

void WaveformFrame::onDrawWaveform(QVector<qreal> &data)
{
    m_waveform->appendLevels(data);
}

void WaveformFrame::widen()
{
    m_waveform->resize(m_waveform->width() + WidenStep, m_waveform->height());
    horizontalScrollBar()->setValue(m_waveform->width());
}

void WaveformFrame::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    // A drawn chart wider than the frame (a long take) keeps its width; an empty one fits the frame,
    // which is narrower once laid out than the form it was made in.
    const bool keepWidth = m_waveform->columnCount() > 0 && width() < m_waveform->width();
    const int chartWidth = keepWidth ? m_waveform->width() : width() - 2;
    m_waveform->resize(chartWidth, height() - ChartHeightMargin);
    m_ruler->resize(RulerWidth, m_waveform->height() - WaveformWidget::RulerHeight);
}

bool WaveformFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ruler && event->type() == QEvent::Paint) {
        paintAmplitudeRuler();
        return true;
    }
    return QScrollArea::eventFilter(watched, event);
}

// Ticks and labels 1.0, 0.0 and -1.0 beside each lane; y is relative to the ruler, which starts
// at the bottom of the time ruler.
void WaveformFrame::paintAmplitudeRuler()
{
    QPainter painter(m_ruler);
    const int rulerHeight = m_ruler->height();
    painter.fillRect(QRect(0, 0, RulerWidth, rulerHeight).adjusted(2, 2, -2, -2), m_rulerBackground);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(RulerWidth, 0, RulerWidth, rulerHeight);
    painter.setPen(QPen(m_rulerText, 1));
    QFont font(QStringLiteral("Times"));
    font.setPixelSize(12);
    painter.setFont(font);
    const int laneHeight = m_waveform->laneHeight();
    const int alignment = Qt::AlignRight | Qt::AlignVCenter;
    for (int i = 0; i < m_waveform->laneCount(); ++i) {
        const int d = i * (laneHeight + WaveformWidget::LaneBarHeight) + laneHeight / 2;
        const int c = (laneHeight / 4) * 2;
        for (int y : {d, d - c, d + c})
            painter.drawLine(34, y, 38, y);
        painter.drawText(QRect(0, d - 10, 30, 20), alignment, QStringLiteral("0.0"));
        painter.drawText(QRect(0, d - c - 5, 30, 20), alignment, QStringLiteral("1.0"));
        painter.drawText(QRect(0, d + c - 10, 30, 20), alignment, QStringLiteral("-1.0"));
    }
}
