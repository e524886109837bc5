// A real card that the program cannot drive, found in a made-up system tree by the real window: the
// status line says why and what to do, in either language, and no card is sent anything. The window
// runs in a child process with the tree as its system root; as root the child runs as "nobody", whom
// the node's permissions bind.

#include "app/mainwidget.h"
#include "debuglogrecorder.h"
#include "errorpromptrecorder.h"
#include "quicktree.h"
#include "settings/trans.h"
#include "virtualcardprocess.h"

#include <QApplication>
#include <QProcess>
#include <QQuickItem>
#include <QQuickWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

namespace {

const int readDelayMs = 3000;
const char *const childOption = "--status-of-tree-card";

const QString noAccessZh = QStringLiteral("已找到声卡，但当前用户无权打开它。\n请安装 Velora 附带的 udev 规则（60-velora.rules），然后拔下声卡再插上");
const QString noAccessEn = QStringLiteral("Card found, but this user may not open it.\nInstall Velora's udev rule (60-velora.rules), then unplug the card and plug it in again");
const QString noLibraryZh = QStringLiteral("已找到声卡，但本系统上没有能控制它的库");
const QString noLibraryEn = QStringLiteral("Card found, but no control library for it is available on this system");

// The texts of the status line's state items that are shown now.
QStringList shownStates(QQuickItem *scene)
{
    QStringList shown;
    for (const char *name : {"devStateNoConnect", "devStateConnect", "devStateUnusable"}) {
        QQuickItem *item = findNamedItem(scene, QLatin1String(name));
        if (item && item->isVisible())
            shown << item->property("text").toString();
    }
    return shown;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

// The child's side: the real window against the tree named by VELORA_SYSTEM_ROOT, with a virtual card
// of the same model on the bus that would serve anything sent to a card with these ids.
class StatusOfTreeCard : public QObject
{
    Q_OBJECT
private slots:
    void statedInEitherLanguageAndLeftAlone()
    {
        const QString zh = qEnvironmentVariable("VELORA_EXPECT_ZH");
        const QString en = qEnvironmentVariable("VELORA_EXPECT_EN");
        const QString logLine = qEnvironmentVariable("VELORA_EXPECT_LOG");
        QTemporaryDir stateDir;
        ErrorPromptRecorder boxes;
        DebugLogRecorder log;
        VirtualCardProcess bystander;
        QVERIFY2(bystander.start({"--model", "zq05", "--state", stateDir.filePath("zq05.state")}),
                 qPrintable(bystander.errorText()));

        MainWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QQuickItem *scene = window.findChild<QQuickWidget *>()->rootObject();
        auto *trans = window.findChild<Trans *>();
        trans->reTrans(QStringLiteral("简体中文"));
        QTRY_COMPARE(shownStates(scene), QStringList(zh));
        trans->reTrans(QStringLiteral("English"));
        QTRY_COMPARE(shownStates(scene), QStringList(en));
        // The longest text still fits beside the serial number in at most two whole lines.
        QQuickItem *state = findNamedItem(scene, QStringLiteral("devStateUnusable"));
        QVERIFY(state->property("lineCount").toInt() <= 2);
        QVERIFY(state->property("contentWidth").toReal() <= state->width());

        // Past the read delay: still nothing sent to any card, no box, and the reason logged once.
        QTest::qWait(readDelayMs + 500);
        QCOMPARE(VirtualCardProcess::calls(bystander.logLines()), QStringList());
        QCOMPARE(boxes.texts(), QStringList());
        QCOMPARE(log.lines().count(logLine), 1);
        QCOMPARE(log.lines("***Device insertion detected"), QStringList());

        // Pulling out either card of a model reported present reports the removal.
        QVERIFY(bystander.stop());
        QTRY_COMPARE(shownStates(scene), QStringList("No device found"));
    }
};

class TestCardStates : public QObject
{
    Q_OBJECT
private slots:
    void cardThatCannotBeDrivenIsStated_data();
    void cardThatCannotBeDrivenIsStated();
};

void TestCardStates::cardThatCannotBeDrivenIsStated_data()
{
    QTest::addColumn<bool>("nodeOpens");
    QTest::addColumn<bool>("standInFound");
    QTest::addColumn<QString>("zh");
    QTest::addColumn<QString>("en");
    QTest::addColumn<QString>("logLine");
    QTest::newRow("node this user may not open") << false << true << noAccessZh << noAccessEn
                                                 << "***card found but <node> cannot be opened: Permission denied";
    const QString noLibraryLog = "***card found but no control library for it is available on this system";
    QTest::newRow("only the stand-in library") << true << true << noLibraryZh << noLibraryEn << noLibraryLog;
    QTest::newRow("no library at all") << true << false << noLibraryZh << noLibraryEn << noLibraryLog;
}

void TestCardStates::cardThatCannotBeDrivenIsStated()
{
    QFETCH(bool, nodeOpens);
    QFETCH(bool, standInFound);
    QFETCH(QString, zh);
    QFETCH(QString, en);
    QFETCH(QString, logLine);
    const passwd *nobody = getpwnam("nobody");
    const bool asNobody = geteuid() == 0 && !nodeOpens;
    if (asNobody && (!nobody || QStandardPaths::findExecutable("setpriv").isEmpty()))
        QSKIP("a node root may open needs the user nobody and setpriv");

    // Under /tmp rather than the test's own folder, which the user nobody cannot enter. Short names:
    // the card's socket path in the runtime folder must fit a local socket's address.
    QTemporaryDir base((asNobody ? QStringLiteral("/tmp") : QDir::tempPath()) + "/vcs-XXXXXX");
    QVERIFY(base.isValid());
    const QString root = base.filePath("root"), node = root + "/dev/hidraw3";
    QVERIFY(QDir().mkpath(root + "/sys/class/hidraw/hidraw3/device") && QDir().mkpath(root + "/dev"));
    QVERIFY(writeFile(root + "/sys/class/hidraw/hidraw3/device/uevent",
                      "DRIVER=hid-generic\nHID_ID=0003:00000C76:00001000\nHID_NAME=USB Audio Device\n"));
    QVERIFY(writeFile(node, QByteArray()));
    // As the kernel leaves a node that no rule gives to the user: root's alone. Without root the node
    // is closed to its owner too.
    QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner;
    if (nodeOpens)
        mode |= QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    else if (!asNobody)
        mode = {};
    QVERIFY(QFile::setPermissions(node, mode));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QStringList program = {QCoreApplication::applicationFilePath(), QLatin1String(childOption)};
    int folders = 0;
    for (const char *folder : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR", "TMPDIR"}) {
        const QString path = base.filePath(QString::number(folders++));
        QVERIFY(QDir().mkpath(path) && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        if (asNobody)
            QCOMPARE(chown(QFile::encodeName(path), nobody->pw_uid, nobody->pw_gid), 0);
        env.insert(QLatin1String(folder), path);
    }
    if (asNobody) {
        QVERIFY(QFile::setPermissions(base.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther));
        program = QStringList{"setpriv", "--reuid=nobody", "--regid=" + QString::number(nobody->pw_gid), "--clear-groups"} + program;
    }
    if (!standInFound)
        env.remove("VELORA_VENDORLIB_DIR");
    env.insert("VELORA_SYSTEM_ROOT", root);
    env.insert("VELORA_EXPECT_ZH", zh);
    env.insert("VELORA_EXPECT_EN", en);
    env.insert("VELORA_EXPECT_LOG", logLine.replace("<node>", node));

    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(program.takeFirst(), program);
    QVERIFY(child.waitForFinished(60000));
    const QByteArray output = child.readAll();
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, output.constData());
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], childOption) == 0) {
        StatusOfTreeCard child;
        return QTest::qExec(&child, QStringList{app.arguments().constFirst()});
    }
    TestCardStates test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cardstates.moc"
