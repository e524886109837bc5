#ifndef SCENETESTSETUP_H
#define SCENETESTSETUP_H

#include <QObject>

class QQmlEngine;

// The set-up of QML test programs (QUICK_TEST_MAIN_WITH_SETUP): the component library's import path,
// the resource prefixes the scene reads, the four backend names set to null as before any card, and
// the ContextHost through which each test publishes its own stand-ins.
class SceneTestSetup : public QObject
{
    Q_OBJECT
public slots:
    void qmlEngineAvailable(QQmlEngine *engine);
};

#endif // SCENETESTSETUP_H
