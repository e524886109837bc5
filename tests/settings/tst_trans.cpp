#include "settings/configfile.h"
#include "settings/trans.h"
#include "sandbox.h"

#include <QGuiApplication>
#include <QProcess>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QSettings>
#include <QtTest>

namespace {

const QString chinese = QString::fromUtf8("简体中文");

// What the installed translators make of the text each translation file names its language with.
QString installedName()
{
    return QCoreApplication::translate("Trans", "TargetLanguage");
}

// A scene like the program's: the switcher is published before the scene is loaded.
struct Scene
{
    explicit Scene(bool loaded = true)
    {
        view.rootContext()->setContextProperty("Tran", nullptr);
        if (loaded)
            load();
    }
    void load()
    {
        view.setSource(QUrl::fromLocalFile(VELORA_SOURCE_DIR "/tests/settings/Trans.qml"));
        QVERIFY2(view.status() == QQuickView::Ready, qPrintable(view.errors().value(0).toString()));
    }
    QString text(const char *name) const
    {
        const auto item = view.rootObject()->findChild<QQuickItem *>(name);
        return item ? item->property("text").toString() : QString("<no item %1>").arg(name);
    }
    QQuickView view;
};

// Signals emitted inside a constructor reach no listener the caller could attach, so the
// construction runs in a child process whose test runner prints every emitted signal.
class ConstructOnce : public QObject
{
    Q_OBJECT
private slots:
    void construct()
    {
        QQmlEngine engine;
        Trans trans(&engine, nullptr);
    }
};

QStringList signalsOfConstructionIn(const QString &locale)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--construct-in", locale});
    if (!child.waitForFinished(30000) || child.exitCode() != 0)
        return {"child failed: " + child.readAllStandardError()};
    QStringList emitted;
    for (const QString &line : QString::fromUtf8(child.readAllStandardOutput()).split('\n'))
    {
        const auto match = QRegularExpression("Signal: Trans\\([^)]*\\) (.*)$").match(line.trimmed());
        if (match.hasMatch())
            emitted << match.captured(1).remove(' ');
    }
    return emitted;
}

} // namespace

class TstTrans : public QObject
{
    Q_OBJECT
public:
    explicit TstTrans(const Sandbox &sandbox) : m_sandbox(sandbox) {}

private slots:
    void init()
    {
        QFile::remove(m_sandbox.configHome() + "/Velora/zq02.conf");
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    }

    void chineseSystemKeepsSourceTextsAndSwitchesAtRunTime()
    {
        Scene scene(false);
        Trans trans(scene.view.engine(), nullptr);
        QCOMPARE(trans.languageList(), (QStringList{"English", chinese}));
        QCOMPARE(trans.currentLanguage(), chinese);
        QCOMPARE(installedName(), chinese);
        scene.view.rootContext()->setContextProperty("Tran", &trans);
        scene.load();
        QCOMPARE(scene.text("translated"), chinese);

        QSignalSpy changed(&trans, &Trans::currentLanguageChanged);
        trans.reTrans(chinese);
        trans.reTrans(QString());
        QCOMPARE(changed.count(), 0);
        QCOMPARE(trans.currentLanguage(), chinese);

        trans.reTrans("English");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toString(), QString("English"));
        QCOMPARE(scene.text("translated"), QString("English"));
        QCOMPARE(scene.text("current"), QString("English"));

        // A name without a translation file leaves none installed: the source texts show.
        trans.reTrans("Deutsch");
        QCOMPARE(scene.text("translated"), QString("TargetLanguage"));
        QCOMPARE(trans.currentLanguage(), QString("Deutsch"));

        trans.reTrans(chinese);
        QCOMPARE(scene.text("translated"), chinese);
        QCOMPARE(scene.text("current"), chinese);
        QCOMPARE(changed.count(), 3);
    }

    void otherSystemLanguagesFallBackToEnglish()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Scene scene;
        QCOMPARE(scene.text("translated"), QString("TargetLanguage"));
        Trans trans(scene.view.engine(), nullptr);
        QCOMPARE(trans.currentLanguage(), QString("English"));
        QCOMPARE(installedName(), QString("English"));
        // The switch at construction already retranslates whatever the engine shows.
        QCOMPARE(scene.text("translated"), QString("English"));
        QCOMPARE(trans.languageList(), (QStringList{"English", chinese}));
    }

    void signalsAtConstructionDependOnTheSystemLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("emitted");
        const QString switched = "currentLanguageChanged(QString(English))";
        // No one can listen before the constructor returns, so it does not announce the list; the
        // switch to the fallback language is the language switch's own signal.
        QTest::newRow("German") << "de_DE" << QStringList{switched};
        QTest::newRow("C") << "C" << QStringList{switched};
        QTest::newRow("Chinese") << "zh_CN" << QStringList{};
        QTest::newRow("Chinese, Taiwan") << "zh_TW" << QStringList{};
        QTest::newRow("English, UK") << "en_GB" << QStringList{};
    }

    void signalsAtConstructionDependOnTheSystemLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, emitted);
        QCOMPARE(signalsOfConstructionIn(locale), emitted);
    }

    void choiceIsStoredButNotApplied()
    {
        QQmlEngine engine;
        Trans trans(&engine, nullptr);
        QCOMPARE(trans.getLanguage(), QString());
        trans.setLanguage("English");
        QCOMPARE(trans.currentLanguage(), chinese);
        QCOMPARE(installedName(), chinese);
        QCOMPARE(Trans(&engine, nullptr).getLanguage(), QString("English"));
        QCOMPARE(QSettings(m_sandbox.configHome() + "/Velora/zq02.conf", QSettings::NativeFormat)
                     .value("Language").toString(),
                 QString("English"));
        // The configuration store's language value is a different one.
        QCOMPARE(ConfigFile().getLanguage(), QString());
    }

    void translatorsGoWithTheSwitcher()
    {
        {
            QQmlEngine engine;
            Trans trans(&engine, nullptr);
            trans.reTrans("English");
            QCOMPARE(installedName(), QString("English"));
        }
        QCOMPARE(installedName(), QString("TargetLanguage"));
    }

private:
    const Sandbox &m_sandbox;
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--construct-in") == 0) {
        QGuiApplication app(argc, argv);
        QLocale::setDefault(QLocale(QString::fromLatin1(argv[2])));
        ConstructOnce once;
        return QTest::qExec(&once, QStringList{argv[0], "-vs"});
    }
    Sandbox sandbox;
    QGuiApplication app(argc, argv);
    app.setOrganizationName("Norvane");
    app.setApplicationName("velora");
    TstTrans test(sandbox);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_trans.moc"
