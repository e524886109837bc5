#ifndef QUICKTREE_H
#define QUICKTREE_H

#include <QString>

class QQuickItem;

// The first item below `root` with this object name, searched through the visual tree: the items a
// Repeater makes and those of an open popup (in the window's overlay) are not QObject children.
QQuickItem *findNamedItem(QQuickItem *root, const QString &name);

#endif // QUICKTREE_H
