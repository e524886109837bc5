#ifndef PIXELS_H
#define PIXELS_H

// Reading what a widget really painted: grab it and look at pixels.

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace pixels {

inline QImage grab(QWidget *widget, const QRect &area = QRect(QPoint(0, 0), QSize(-1, -1)))
{
    return widget->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
}

inline bool is(const QImage &image, int x, int y, const QColor &colour)
{
    return image.valid(x, y) && QColor(image.pixel(x, y)).rgb() == colour.rgb();
}

// The rows of column x that hold the colour, as [first, last] runs.
inline QVector<QPair<int, int>> runs(const QImage &image, int x, const QColor &colour)
{
    QVector<QPair<int, int>> result;
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

#endif // PIXELS_H
