#ifndef WAVEFORMTESTING_H
#define WAVEFORMTESTING_H

// Helpers for the waveform view's tests: the view's colours, what a widget really painted (grab
// it and read pixels), and mouse input with the buttons held.

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>

namespace colours {

const QColor Wave("#5E17CC");
const QColor Background("#1E1F21");
const QColor Border("#1A1B1C");
const QColor LaneBar("#2B2C2E");
const QColor Cursor("#FF7A02");
const QColor Ruler("#1A1B1C");
const QColor RulerText("#858585");
const QColor RulerBackground("#1A1B1C");  // the amplitude ruler

} // namespace colours

namespace pixels {

using Runs = QVector<QPair<int, int>>;


inline QImage grab(QWidget *widget, const QRect &area = QRect(QPoint(0, 0), QSize(-1, -1)))
{
    return widget->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
}

inline bool is(const QImage &image, int x, int y, const QColor &colour)
{
    return image.valid(x, y) && QColor(image.pixel(x, y)).rgb() == colour.rgb();
}

// The rows of column x that hold the colour, as [first, last] runs.
inline Runs runs(const QImage &image, int x, const QColor &colour)
{
    Runs result;
    for (int y = 0; y < image.height(); ++y) {
        if (!is(image, x, y, colour))
            continue;
        if (!result.isEmpty() && result.last().second == y - 1)
            result.last().second = y;
        else
            result.append({y, y});
    }
    return result;
}

inline int count(const QImage &image, const QRect &area, const QColor &colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += is(image, x, y, colour) ? 1 : 0;
    return n;
}

// Columns in the area holding a pixel that differs from the colour, as [first, last].
inline QPair<int, int> extentOfOther(const QImage &image, const QRect &area, const QColor &colour)
{
    int first = -1;
    int last = -1;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (image.valid(x, y) && !is(image, x, y, colour)) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

} // namespace pixels

namespace input {

inline void mouse(QWidget *widget, QEvent::Type type, int x, Qt::MouseButtons held = Qt::LeftButton)
{
    const QPoint pos(x, 100);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void drag(QWidget *widget, int from, int to)
{
    mouse(widget, QEvent::MouseButtonPress, from);
    mouse(widget, QEvent::MouseMove, to);
    mouse(widget, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

} // namespace input

#endif // WAVEFORMTESTING_H
