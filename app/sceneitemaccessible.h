#ifndef SCENEITEMACCESSIBLE_H
#define SCENEITEMACCESSIBLE_H

#include <QAccessibleInterface>
#include <QPointer>

class QQuickWidget;

// One control of the scene as a screen reader meets it in the main window. Qt Quick describes the
// scene's items under the scene widget's offscreen window, which is never shown: there every item
// reports itself invisible, placed by a window that only follows the widget now and then. This stands
// in for one item's own description and tells all it tells, except that its parent is the scene
// widget (or the stand-in of the item above it), and that it is visible and placed where the scene
// widget shows it.
class SceneItemAccessible : public QAccessibleInterface
{
public:
    // The one stand-in for inner, made at the first call; inner itself when it describes no object.
    static QAccessibleInterface *wrap(QAccessibleInterface *inner, QQuickWidget *scene);
    // The stand-in that shows the one of scene's items that has the keyboard focus, if any does.
    static QAccessibleInterface *focused(QQuickWidget *scene);
    // The place of `child` among the children of `parent`, or -1; and the child of `parent` on top at a
    // point on screen, tested by the children's own places, the one painted last first. Shared by the
    // scene's widget and its items, whose children are both wrapped on the fly.
    static int indexAmongChildren(const QAccessibleInterface *parent, const QAccessibleInterface *child);
    static QAccessibleInterface *childOnTopAt(const QAccessibleInterface *parent, int x, int y);

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

private:
    SceneItemAccessible(QAccessible::Id innerId, QQuickWidget *scene);
    // Looked up by its id each time: the cache deletes it with its item.
    QAccessibleInterface *inner() const;

    QAccessible::Id m_innerId;
    QPointer<QQuickWidget> m_scene;
};

#endif
