#include "scenebackend.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QQuickWindow>
#include <QSGRendererInterface>

QString SceneBackend::choose()
{
    const QString named = qEnvironmentVariable("QT_QUICK_BACKEND");
    if (!named.isEmpty())
        return QStringLiteral("***scene graph: %1, as QT_QUICK_BACKEND says").arg(named);
    int major = 0;
    const QString version = openGLVersion(&major);
    if (major >= 2)
        return QStringLiteral("***scene graph: OpenGL %1").arg(version);
    QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    if (version.isEmpty())
        return QStringLiteral("***scene graph: software, no OpenGL context can be made");
    return QStringLiteral("***scene graph: software, OpenGL %1 is older than 2.0").arg(version);
}

QString SceneBackend::openGLVersion(int *major)
{
    QOpenGLContext context;
    if (!context.create())
        return QString();
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface))
        return QString();
    const QSurfaceFormat format = context.format();
    context.doneCurrent();
    *major = format.majorVersion();
    return QStringLiteral("%1.%2").arg(format.majorVersion()).arg(format.minorVersion());
}
