#include "chartzoom.h"

#include "waveformframe.h"
#include "waveformwidget.h"

#include <QScrollBar>

#include <cmath>

namespace {

constexpr double Tolerance = 1e-9;

} // namespace

ChartZoom::ChartZoom(WaveformFrame *frame) : QObject(frame), m_frame(frame)
{
    connect(frame->waveformWidget(), &WaveformWidget::zoomRequested, this, &ChartZoom::zoomAt);
}

// The columns in the view's width after the margin, their end a pixel short of its edge, so that
// the chart does not widen.
double ChartZoom::fitPixels() const
{
    const WaveformWidget *chart = m_frame->waveformWidget();
    const int columns = chart->columnCount() * chart->step();
    const int room = m_frame->shownWidth() - WaveformWidget::LeftMargin - 1;
    return columns > 0 && room > 0 ? qMin(ClosestPixelsPerColumn, double(room) / columns) : 1.0;
}

// Farther out than the whole take shows nothing more; the default scale stays reachable.
double ChartZoom::farthest() const
{
    return qMin(1.0, fitPixels());
}

bool ChartZoom::canZoomIn() const
{
    return m_frame->waveformWidget()->pixelsPerColumn() < ClosestPixelsPerColumn - Tolerance;
}

bool ChartZoom::canZoomOut() const
{
    return m_frame->waveformWidget()->pixelsPerColumn() > farthest() + Tolerance;
}

void ChartZoom::fit()
{
    zoomTo(fitPixels(), WaveformWidget::LeftMargin);
    m_frame->horizontalScrollBar()->setValue(0);
}

// The steps are powers of two, so that zooming in from the whole take comes back to the default scale.
void ChartZoom::zoomAt(int steps, int x)
{
    const double exponent = std::log2(m_frame->waveformWidget()->pixelsPerColumn());
    const double next = steps > 0 ? std::floor(exponent + Tolerance) + steps : std::ceil(exponent - Tolerance) + steps;
    zoomTo(qBound(farthest(), std::exp2(next), ClosestPixelsPerColumn), x);
}

void ChartZoom::zoomAroundCursor(int steps)
{
    const int left = m_frame->horizontalScrollBar()->value();
    const int cursor = m_frame->waveformWidget()->cursorX();
    const bool shown = cursor >= left && cursor < left + m_frame->shownWidth();
    zoomAt(steps, shown ? cursor : left + m_frame->shownWidth() / 2);
}

void ChartZoom::zoomTo(double pixelsPerColumn, int x)
{
    m_frame->zoomAround(pixelsPerColumn, x);
    emit zoomChanged();
}
