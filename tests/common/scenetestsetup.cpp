#include "scenetestsetup.h"

#include "contexthost.h"

#include <QQmlContext>
#include <QQmlEngine>

void SceneTestSetup::qmlEngineAvailable(QQmlEngine *engine)
{
    engine->addImportPath(QStringLiteral("qrc:///"));
    QQmlContext *context = engine->rootContext();
    context->setContextProperty(QStringLiteral("LumenQuickImagePath"), QStringLiteral("qrc:/LumenQuick/Images/"));
    context->setContextProperty(QStringLiteral("imgPath"), QStringLiteral("qrc:/image/"));
    context->setContextProperty(QStringLiteral("qmlPath"), QStringLiteral("qrc:/Qml/"));
    for (const char *name : { "SoundCard", "Config", "Tran", "MainLogic" })
        context->setContextProperty(QLatin1String(name), QVariant::fromValue<QObject *>(nullptr));
    context->setContextProperty(QStringLiteral("ContextHost"), new ContextHost(engine));
}
