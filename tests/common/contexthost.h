#ifndef CONTEXTHOST_H
#define CONTEXTHOST_H

#include "device/cardcontrol.h"

#include <QObject>
#include <QStringList>
#include <QTranslator>
#include <QUrl>

class QQmlEngine;

// Published to QML tests as "ContextHost": lets a test put its own stand-ins under the names the scene
// reads (the real CardControl, published beside it, drives the stand-ins under "SoundCard" and
// "Config" as the window's drives the real ones), see the warnings the engine printed (a TypeError in
// a handler or a missing picture only ever shows up there), and switch the language the way the
// program does.
class ContextHost : public QObject
{
    Q_OBJECT
public:
    explicit ContextHost(QQmlEngine *engine);
    ~ContextHost() override;

    Q_INVOKABLE void setContextObject(const QString &name, QObject *object);
    // The warnings and critical messages printed since the last call.
    Q_INVOKABLE QStringList takeWarnings();
    // "en" installs the compiled-in English translation, anything else none (the source texts); then
    // the whole engine is retranslated.
    Q_INVOKABLE bool switchLanguage(const QString &code);
    // The web and mail addresses the scene asked the system to open since the last call; while a
    // ContextHost exists none of them reaches a real browser or mail program.
    Q_INVOKABLE QStringList takeOpenedUrls();

private slots:
    void recordOpenedUrl(const QUrl &url);

private:
    QQmlEngine *m_engine;
    QTranslator m_translator;
    CardControl m_control;
    QStringList m_openedUrls;
};

#endif // CONTEXTHOST_H
