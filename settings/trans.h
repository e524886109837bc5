#ifndef TRANS_H
#define TRANS_H

#include <QMap>
#include <QObject>
#include <QSharedPointer>
#include <QStringList>

class QQmlEngine;
class QTranslator;

// The interface languages: one per compiled-in translation file under ":/i18n", each named by the
// file itself. Switches the application's translator at run time and has the scene's engine
// re-evaluate its texts; keeps the user's choice in the native store.
class Trans : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList languageList READ languageList NOTIFY languageListChanged)
    Q_PROPERTY(QString currentLanguage READ currentLanguage NOTIFY currentLanguageChanged)
public:
    Trans(QQmlEngine *engine, QObject *parent);

    QStringList languageList() const;
    QString currentLanguage() const;

public slots:
    QString getLanguage();
    void setLanguage(const QString &language);

public:
    Q_INVOKABLE void reTrans(const QString &lang);

signals:
    void languageListChanged();
    void currentLanguageChanged(const QString &currentLanguage);

private:
    void addTranslationFile(const QString &path, const QString &systemLanguage, bool &found);
    void install(QTranslator *translator);

    QMap<QString, QSharedPointer<QTranslator>> m_translators;
    QTranslator *m_currentTranslator = nullptr;
    QStringList m_languageList;
    QQmlEngine *m_engine = nullptr;
    QString m_currentLanguage;
};

#endif
