#include "app/mainwidget.h"
#include "settings/configfile.h"
#include "settings/trans.h"
#include "sandbox.h"

#include <QApplication>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickWidget>
#include <QtTest>

#include <memory>

// The main window hands the scene the configuration store and the language switcher.
class TstPublication : public QObject
{
    Q_OBJECT
private slots:
    void sceneReachesStoreAndSwitcher()
    {
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
        MainWidget window;
        auto *scene = window.findChild<QQuickWidget *>();
        QVERIFY(scene);
        QQmlContext *context = scene->rootContext();
        QCOMPARE(context->contextProperty("Config").value<QObject *>(), ConfigFile::instance());
        auto *trans = qobject_cast<Trans *>(context->contextProperty("Tran").value<QObject *>());
        QVERIFY(trans);
        QCOMPARE(trans->parent(), &window);

        ConfigFile::instance()->saveEqualizerConfig(1, 0, 7);
        QQmlExpression call(context, nullptr,
                            "[Config.getEqualizerConfig(1).join(','), Tran.languageList.join(','),"
                            " Tran.currentLanguage].join('|')");
        QCOMPARE(call.evaluate().toString(), QString::fromUtf8("7,36,27,30,18|English,简体中文|简体中文"));
        QVERIFY(!call.hasError());

        // Switching retranslates the window's own scene.
        QQmlComponent component(scene->engine(), QUrl::fromLocalFile(VELORA_SOURCE_DIR "/tests/settings/Trans.qml"));
        std::unique_ptr<QObject> item(component.create(context));
        QVERIFY2(item, qPrintable(component.errorString()));
        auto *translated = item->findChild<QQuickItem *>("translated");
        QCOMPARE(translated->property("text").toString(), QString::fromUtf8("简体中文"));
        trans->reTrans("English");
        QCOMPARE(translated->property("text").toString(), QString("English"));
    }
};

int main(int argc, char *argv[])
{
    Sandbox sandbox;
    QApplication app(argc, argv);
    app.setOrganizationName("Norvane");
    app.setApplicationName("velora");
    TstPublication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_publication.moc"
