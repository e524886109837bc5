#include "trans.h"

#include "nativevalue.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QQmlEngine>
#include <QTranslator>

namespace {

const char nameContext[] = "Trans";
// Each translation file names its own language by translating this text.
const char nameSource[] = QT_TRANSLATE_NOOP("Trans", "TargetLanguage");
const char fallbackLanguage[] = "English";
const char codePrefix[] = "i18n_";

NativeValue choiceValue() { return NativeValue("Velora", "zq02", "Language"); }

QString displayName(const QString &path)
{
    QTranslator probe;
    if (!probe.load(path))
        return QString();
    return probe.translate(nameContext, nameSource);
}

// The two letters after "i18n_" in a file's path: "en" for ":/i18n/i18n_en.qm".
QString languageCode(const QString &path)
{
    const int at = path.indexOf(codePrefix);
    return at < 0 ? QString() : path.mid(at + int(sizeof codePrefix) - 1, 2);
}

} // namespace

Trans::Trans(QQmlEngine *engine, QObject *parent) : QObject(parent), m_engine(engine)
{
    // QLocale() is the system locale unless the program has chosen another default.
    const QString systemLanguage = QLocale().name().left(2);
    const QDir folder(":/i18n");
    bool found = false;
    for (const QString &name : folder.entryList({"*.qm"}, QDir::Files, QDir::Name))
        addTranslationFile(folder.filePath(name), systemLanguage, found);
    if (!found)
        reTrans(fallbackLanguage);
}

void Trans::addTranslationFile(const QString &path, const QString &systemLanguage, bool &found)
{
    const QString language = displayName(path);
    m_languageList << language;

    QSharedPointer<QTranslator> translator(new QTranslator);
    translator->load(path);
    // A file naming the same language as an earlier one replaces it; the replaced translator is
    // deleted, so it must not stay installed.
    if (m_currentTranslator && m_currentTranslator == m_translators.value(language).data())
        install(translator.data());
    m_translators.insert(language, translator);

    if (systemLanguage == languageCode(path)) {
        install(translator.data());
        m_currentLanguage = language;
        found = true;
    }
}

void Trans::install(QTranslator *translator)
{
    if (m_currentTranslator)
        QCoreApplication::removeTranslator(m_currentTranslator);
    m_currentTranslator = translator;
    if (m_currentTranslator)
        QCoreApplication::installTranslator(m_currentTranslator);
}

QStringList Trans::languageList() const
{
    return m_languageList;
}

QString Trans::currentLanguage() const
{
    return m_currentLanguage;
}

QString Trans::getLanguage()
{
    return choiceValue().read();
}

void Trans::setLanguage(const QString &language)
{
    choiceValue().write(language);
}

void Trans::reTrans(const QString &lang)
{
    if (lang.isEmpty() || lang == m_currentLanguage)
        return;
    m_currentLanguage = lang;
    // A name without a file leaves no translator installed: the interface shows its source texts.
    install(m_translators.value(lang).data());
    if (m_engine)
        m_engine->retranslate();
    emit currentLanguageChanged(m_currentLanguage);
}
