#include "contexthost.h"

#include <QCoreApplication>
#include <QDesktopServices>
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

const char *const openedSchemes[] = {"http", "https", "mailto"};

} // namespace

ContextHost::ContextHost(QQmlEngine *engine) : QObject(engine), m_engine(engine)
{
    for (const char *scheme : openedSchemes)
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "recordOpenedUrl");
    m_engine->rootContext()->setContextProperty(QStringLiteral("CardControl"), &m_control);
}

ContextHost::~ContextHost()
{
    for (const char *scheme : openedSchemes)
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

void ContextHost::recordOpenedUrl(const QUrl &url)
{
    m_openedUrls << url.toString();
}

QStringList ContextHost::takeOpenedUrls()
{
    QStringList taken;
    taken.swap(m_openedUrls);
    return taken;
}

void ContextHost::setContextObject(const QString &name, QObject *object)
{
    m_engine->rootContext()->setContextProperty(name, object);
    if (name == QLatin1String("SoundCard"))
        m_control.setCard(object);
    else if (name == QLatin1String("Config"))
        m_control.setConfig(object);
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
