// QML tests of the scene, its scaler and its component library, run against stand-in context objects
// that each test file declares itself and publishes through ContextHost.
#include <QtQuickTest>
#include <QMutex>
#include <QQmlContext>
#include <QQmlEngine>

namespace {

QMutex warningsLock;
QStringList collectedWarnings;
QtMessageHandler previousHandler = nullptr;

void collectWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        QMutexLocker lock(&warningsLock);
        collectedWarnings << message;
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

// The test library installs its own handler once logging starts, after this program's set-up, and does
// not pass messages on: collecting is re-established in front of whatever handler is current.
void collectFromNowOn()
{
    const QtMessageHandler current = qInstallMessageHandler(collectWarnings);
    if (current != collectWarnings)
        previousHandler = current;
}

} // namespace

// Lets a test publish its own stand-ins under the names the scene reads, and see the warnings the
// engine printed (a TypeError in a handler or a missing picture only ever shows up there).
class ContextHost : public QObject
{
    Q_OBJECT
public:
    explicit ContextHost(QQmlEngine *engine) : QObject(engine), m_engine(engine) {}

    Q_INVOKABLE void setContextObject(const QString &name, QObject *object)
    {
        m_engine->rootContext()->setContextProperty(name, object);
    }
    Q_INVOKABLE QStringList takeWarnings()
    {
        collectFromNowOn();
        QMutexLocker lock(&warningsLock);
        QStringList taken;
        taken.swap(collectedWarnings);
        return taken;
    }

private:
    QQmlEngine *m_engine;
};

class Setup : public QObject
{
    Q_OBJECT
public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
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
};

QUICK_TEST_MAIN_WITH_SETUP(scene, Setup)

#include "tst_sceneqml.moc"
