// QML tests of the control page and its components against stand-in SoundCard and Config objects
// that each test file declares itself and publishes through PageHost.
#include <QtQuickTest>
#include <QCoreApplication>
#include <QMutex>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTranslator>

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

} // namespace

// Publishes a test's stand-ins under the names the page reads, hands back the engine's warnings (a
// TypeError in a handler only ever shows up there), and switches the page's language the way the
// program does: a new translator, then a retranslation of the whole engine.
class PageHost : public QObject
{
    Q_OBJECT
public:
    explicit PageHost(QQmlEngine *engine) : QObject(engine), m_engine(engine) {}

    Q_INVOKABLE void setContextObject(const QString &name, QObject *object)
    {
        m_engine->rootContext()->setContextProperty(name, object);
    }

    Q_INVOKABLE QStringList takeWarnings()
    {
        QMutexLocker lock(&warningsLock);
        QStringList taken;
        taken.swap(collectedWarnings);
        return taken;
    }

    // "en" installs the compiled-in English translation, anything else none (the source texts).
    Q_INVOKABLE bool switchLanguage(const QString &code)
    {
        QCoreApplication::removeTranslator(&m_translator);
        bool loaded = true;
        if (code == QLatin1String("en")) {
            loaded = m_translator.load(QStringLiteral(":/i18n/i18n_en.qm"));
            QCoreApplication::installTranslator(&m_translator);
        }
        m_engine->retranslate();
        return loaded;
    }

private:
    QQmlEngine *m_engine;
    QTranslator m_translator;
};

class Setup : public QObject
{
    Q_OBJECT
public slots:
    void applicationAvailable() { previousHandler = qInstallMessageHandler(collectWarnings); }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->addImportPath(QStringLiteral("qrc:///"));
        QQmlContext *context = engine->rootContext();
        context->setContextProperty(QStringLiteral("LumenQuickImagePath"), QStringLiteral("qrc:/LumenQuick/Images/"));
        context->setContextProperty(QStringLiteral("imgPath"), QStringLiteral("qrc:/image/"));
        context->setContextProperty(QStringLiteral("qmlPath"), QStringLiteral("qrc:/Qml/"));
        for (const char *name : { "SoundCard", "Config", "Tran", "MainLogic" })
            context->setContextProperty(QLatin1String(name), QVariant::fromValue<QObject *>(nullptr));
        context->setContextProperty(QStringLiteral("PageHost"), new PageHost(engine));
    }
};

QUICK_TEST_MAIN_WITH_SETUP(page, Setup)

#include "tst_pageqml.moc"
