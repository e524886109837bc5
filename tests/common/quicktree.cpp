#include "quicktree.h"

#include <QQuickItem>

QQuickItem *findNamedItem(QQuickItem *root, const QString &name)
{
    for (QQuickItem *child : root->childItems()) {
        if (child->objectName() == name)
            return child;
        if (QQuickItem *found = findNamedItem(child, name))
            return found;
    }
    return nullptr;
}
