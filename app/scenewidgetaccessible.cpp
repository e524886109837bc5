#include "scenewidgetaccessible.h"

#include "sceneitemaccessible.h"

#include <QQuickWidget>
#include <QQuickWindow>

SceneWidgetAccessible::SceneWidgetAccessible(QQuickWidget *scene) : QAccessibleWidget(scene)
{
}

QAccessibleInterface *SceneWidgetAccessible::create(const QString &className, QObject *object)
{
    if (className == QLatin1String("QQuickWidget")) {
        if (auto *scene = qobject_cast<QQuickWidget *>(object))
            return new SceneWidgetAccessible(scene);
    }
    return nullptr;
}

QQuickWidget *SceneWidgetAccessible::scene() const
{
    return static_cast<QQuickWidget *>(widget());
}

QAccessibleInterface *SceneWidgetAccessible::sceneWindow() const
{
    return QAccessible::queryAccessibleInterface(scene()->quickWindow());
}

int SceneWidgetAccessible::childCount() const
{
    QAccessibleInterface *window = sceneWindow();
    return window ? window->childCount() : 0;
}

QAccessibleInterface *SceneWidgetAccessible::child(int index) const
{
    QAccessibleInterface *window = sceneWindow();
    return window ? SceneItemAccessible::wrap(window->child(index), scene()) : nullptr;
}

int SceneWidgetAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (int i = 0; i < childCount(); ++i) {
        if (this->child(i) == child)
            return i;
    }
    return -1;
}

QAccessibleInterface *SceneWidgetAccessible::childAt(int x, int y) const
{
    for (int i = childCount() - 1; i >= 0; --i) {
        QAccessibleInterface *candidate = child(i);
        if (candidate && !candidate->state().invisible && candidate->rect().contains(x, y))
            return candidate;
    }
    return nullptr;
}

QAccessibleInterface *SceneWidgetAccessible::focusChild() const
{
    if (QAccessibleInterface *item = scene()->hasFocus() ? SceneItemAccessible::focused(scene()) : nullptr)
        return item;
    return QAccessibleWidget::focusChild();
}
