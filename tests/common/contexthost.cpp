#include "contexthost.h"

#include <QCoreApplication>
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

ContextHost::ContextHost(QQmlEngine *engine) : QObject(engine), m_engine(engine) {}

void ContextHost::setContextObject(const QString &name, QObject *object)
{
    m_engine->rootContext()->setContextProperty(name, object);
}

QStringList ContextHost::takeWarnings()
{
    collectFromNowOn();
    QMutexLocker lock(&warningsLock);
    QStringList taken;
    taken.swap(collectedWarnings);
    return taken;
}

bool ContextHost::switchLanguage(const QString &code)
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
