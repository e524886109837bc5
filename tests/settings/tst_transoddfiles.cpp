#include "settings/trans.h"
#include "sandbox.h"

#include <QCoreApplication>
#include <QQmlEngine>
#include <QtTest>

class TstTransOddFiles : public QObject
{
    Q_OBJECT
private slots:
    void oddFilesAreListedAndNeverLeaveADanglingTranslator()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString chinese = QString::fromUtf8("简体中文");
        {
            QQmlEngine engine;
            Trans trans(&engine, nullptr);
            // Unreadable files keep their place in the list with an empty name.
            QCOMPARE(trans.languageList(), (QStringList{"English", "English", QString(), chinese}));
            QCOMPARE(trans.currentLanguage(), QString("English"));
            // The German-matched translator was replaced by the later "English" file; the
            // replacement must be the one installed.
            QCOMPARE(QCoreApplication::translate("Trans", "TargetLanguage"), QString("English"));

            QSignalSpy changed(&trans, &Trans::currentLanguageChanged);
            trans.reTrans(chinese);
            QCOMPARE(QCoreApplication::translate("Trans", "TargetLanguage"), chinese);
            trans.reTrans("English");
            QCOMPARE(QCoreApplication::translate("Trans", "TargetLanguage"), QString("English"));
            QCOMPARE(changed.count(), 2);
        }
        QCOMPARE(QCoreApplication::translate("Trans", "TargetLanguage"), QString("TargetLanguage"));
    }
};

int main(int argc, char *argv[])
{
    Sandbox sandbox;
    QCoreApplication app(argc, argv);
    TstTransOddFiles test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_transoddfiles.moc"
