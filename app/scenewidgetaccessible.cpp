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
    return SceneItemAccessible::indexAmongChildren(this, child);
}

QAccessibleInterface *SceneWidgetAccessible::childAt(int x, int y) const
{
    return SceneItemAccessible::childOnTopAt(this, x, y);
}

QAccessibleInterface *SceneWidgetAccessible::focusChild() const
{
    if (QAccessibleInterface *item = scene()->hasFocus() ? SceneItemAccessible::focused(scene()) : nullptr)
        return item;
    return QAccessibleWidget::focusChild();
}
