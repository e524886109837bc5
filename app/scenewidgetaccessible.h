#ifndef SCENEWIDGETACCESSIBLE_H
#define SCENEWIDGETACCESSIBLE_H

#include <QAccessibleWidget>

class QQuickWidget;

// The scene widget as a screen reader meets it: its children are the scene's controls. Qt 5 gives a
// scene widget no children at all and lists the controls under its hidden offscreen window instead,
// where a screen reader walking the main window never finds them.
class SceneWidgetAccessible : public QAccessibleWidget
{
public:
    explicit SceneWidgetAccessible(QQuickWidget *scene);

    // For QAccessible::installFactory: describes every scene widget made after it is installed.
    static QAccessibleInterface *create(const QString &className, QObject *object);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

private:
    QQuickWidget *scene() const;
    // Qt Quick's own description of the offscreen window, which lists the scene's top items.
    QAccessibleInterface *sceneWindow() const;
};

#endif
