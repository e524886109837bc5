#include "sceneitemaccessible.h"

#include <QHash>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>

namespace {

// The stand-in of each wrapped description, both by their ids in the accessibility cache.
QHash<QAccessible::Id, QAccessible::Id> &standIns()
{
    static QHash<QAccessible::Id, QAccessible::Id> ids;
    return ids;
}

} // namespace

SceneItemAccessible::SceneItemAccessible(QAccessible::Id innerId, QQuickWidget *scene)
    : m_innerId(innerId), m_scene(scene)
{
}

QAccessibleInterface *SceneItemAccessible::wrap(QAccessibleInterface *inner, QQuickWidget *scene)
{
    if (!inner || !inner->object())
        return inner;
    const QAccessible::Id innerId = QAccessible::uniqueId(inner);
    if (QAccessibleInterface *known = QAccessible::accessibleInterface(standIns().value(innerId)))
        return known;
    auto *standIn = new SceneItemAccessible(innerId, scene);
    // The cache owns the stand-in like any other description. It describes no object of its own
    // (object() is null), so that the item keeps its one entry in the cache.
    const QAccessible::Id id = QAccessible::registerAccessibleInterface(standIn);
    standIns().insert(innerId, id);
    // The cache deletes the item's own description when the item goes; the stand-in goes with it.
    QObject::connect(inner->object(), &QObject::destroyed, [innerId, id] {
        standIns().remove(innerId);
        QAccessible::deleteAccessibleInterface(id);
    });
    return standIn;
}

QAccessibleInterface *SceneItemAccessible::focused(QQuickWidget *scene)
{
    QQuickItem *item = scene->quickWindow()->activeFocusItem();
    // The focus may rest on a part of a control that has no description of its own.
    for (; item; item = item->parentItem()) {
        if (QAccessibleInterface *inner = QAccessible::queryAccessibleInterface(item))
            return wrap(inner, scene);
    }
    return nullptr;
}

QAccessibleInterface *SceneItemAccessible::inner() const
{
    return QAccessible::accessibleInterface(m_innerId);
}

bool SceneItemAccessible::isValid() const
{
    QAccessibleInterface *described = inner();
    return m_scene && described && described->isValid();
}

QObject *SceneItemAccessible::object() const
{
    return nullptr;
}

QWindow *SceneItemAccessible::window() const
{
    return m_scene ? m_scene->window()->windowHandle() : nullptr;
}

QAccessibleInterface *SceneItemAccessible::parent() const
{
    if (!isValid())
        return nullptr;
    QAccessibleInterface *above = inner()->parent();
    // The offscreen window is the scene widget's stand-in in Qt Quick's own tree.
    if (!above || above->object() == m_scene->quickWindow())
        return QAccessible::queryAccessibleInterface(m_scene);
    return wrap(above, m_scene);
}

QAccessibleInterface *SceneItemAccessible::child(int index) const
{
    return isValid() ? wrap(inner()->child(index), m_scene) : nullptr;
}

int SceneItemAccessible::childCount() const
{
    return isValid() ? inner()->childCount() : 0;
}

int SceneItemAccessible::indexAmongChildren(const QAccessibleInterface *parent, const QAccessibleInterface *child)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        if (parent->child(i) == child)
            return i;
    }
    return -1;
}

QAccessibleInterface *SceneItemAccessible::childOnTopAt(const QAccessibleInterface *parent, int x, int y)
{
    for (int i = parent->childCount() - 1; i >= 0; --i) {
        QAccessibleInterface *candidate = parent->child(i);
        if (candidate && !candidate->state().invisible && candidate->rect().contains(x, y))
            return candidate;
    }
    return nullptr;
}

int SceneItemAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return indexAmongChildren(this, child);
}

// The children's own hit test places them by the offscreen window: they are tested here by their
// places on screen.
QAccessibleInterface *SceneItemAccessible::childAt(int x, int y) const
{
    return childOnTopAt(this, x, y);
}

QString SceneItemAccessible::text(QAccessible::Text t) const
{
    return isValid() ? inner()->text(t) : QString();
}

void SceneItemAccessible::setText(QAccessible::Text t, const QString &text)
{
    if (isValid())
        inner()->setText(t, text);
}

// Qt Quick measures the item right but places it by the offscreen window; moved by the difference
// between that window and the scene widget, it lies where it is painted.
QRect SceneItemAccessible::rect() const
{
    const QRect measured = isValid() ? inner()->rect() : QRect();
    if (measured.isEmpty())
        return measured;
    const QPoint sceneOrigin = m_scene->mapToGlobal(QPoint(0, 0));
    return measured.translated(sceneOrigin - m_scene->quickWindow()->mapToGlobal(QPoint(0, 0)));
}

QAccessible::Role SceneItemAccessible::role() const
{
    return isValid() ? inner()->role() : QAccessible::NoRole;
}

QAccessible::State SceneItemAccessible::state() const
{
    if (!isValid()) {
        QAccessible::State gone;
        gone.invisible = true;
        return gone;
    }
    QAccessible::State state = inner()->state();
    const auto *item = qobject_cast<QQuickItem *>(inner()->object());
    const QRect onScreen = rect();
    state.invisible = !m_scene->isVisible() || !item || !item->isVisible() || qFuzzyIsNull(item->opacity())
                      || onScreen.isEmpty();
    state.offscreen = !onScreen.intersects(QRect(m_scene->mapToGlobal(QPoint(0, 0)), m_scene->size()));
    return state;
}

// The value, action and text parts are the item's own: they act on the item, not on where it is.
void *SceneItemAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return isValid() ? inner()->interface_cast(type) : nullptr;
}
