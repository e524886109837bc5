#include "app/mainwidget.h"
#include "launch/singleinstance.h"

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QSharedMemory>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

#include <pwd.h>
#include <unistd.h>

namespace {

const QString key = QStringLiteral("veloraKey05");

// Where the first copy takes requests: the user's own runtime folder.
QString serverPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QLatin1Char('/') + key;
}

QString program()
{
    return QStringLiteral(VELORA_BINARY_DIR "/velora");
}

QString logDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/Log");
}

// Every log page of the run, one after the other.
QString allPages(const QString &folder = logDir())
{
    QString text;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            text += QString::fromUtf8(file.readAll());
    }
    return text;
}

int startLines()
{
    return allPages().count(QStringLiteral("================progress start================"));
}

// Removes the segment a killed copy of this user left behind in the system. The segment is found
// through a file in the temporary folder the copy ran with, so that folder is the one to look in.
void clearOrphan(uid_t user, const QByteArray &tempFolder = qgetenv("TMPDIR"))
{
    const QByteArray ours = qgetenv("TMPDIR");
    qputenv("TMPDIR", tempFolder);
    QSharedMemory orphan(QStringLiteral("%1-%2").arg(key).arg(user));
    if (orphan.attach())
        orphan.detach();
    qputenv("TMPDIR", ours);
}

// Starts a later copy and gives its exit code, or -1 when it did not end on its own within 2 s.
int secondStart()
{
    QProcess second;
    QElapsedTimer clock;
    clock.start();
    second.start(program(), QStringList());
    if (!second.waitForFinished(2000) || clock.elapsed() > 2000 || second.exitStatus() != QProcess::NormalExit) {
        second.kill();
        second.waitForFinished();
        return -1;
    }
    return second.exitCode();
}

QByteArray request(quint32 tag)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << tag << quint32(4) << qint32(1);
    return bytes;
}

// Sends bytes to the first copy, which runs in this very thread: so no blocking waits, only polling.
bool sendRaw(const QByteArray &bytes)
{
    QLocalSocket socket;
    socket.connectToServer(serverPath());
    if (!socket.waitForConnected(5000))
        return false;
    socket.write(bytes);
    socket.flush();
    // A complete request is answered by hanging up; a short one is left behind by hanging up first.
    if (bytes.size() < 12)
        socket.disconnectFromServer();
    QElapsedTimer clock;
    clock.start();
    while (socket.state() != QLocalSocket::UnconnectedState && clock.elapsed() < 5000)
        QTest::qWait(10);
    return socket.state() == QLocalSocket::UnconnectedState;
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void secondStartRaisesTheFirst();
    void secondStartBeforeTheWindowIsShown();
    void onlyTheActivationRequestRaises();
    void startAfterKillBecomesTheFirst();
    void eachUserRunsACopyOfTheirOwn();
    void startsWithoutOpenGL();
};

void TestSingleInstance::initTestCase()
{
    // The identity of the program, so that its data folder is the one this test looks into.
    QCoreApplication::setOrganizationName(QStringLiteral("Norvane"));
    QCoreApplication::setApplicationName(QStringLiteral("velora"));
}

void TestSingleInstance::secondStartRaisesTheFirst()
{
    SingleInstance first;
    QVERIFY(!first.isRunning(key));
    MainWidget w;
    w.showMinimized();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.isMinimized());
    QObject::connect(&first, &SingleInstance::activationRequested, &w, &MainWidget::bringToFront);
    first.publishWindow(w.winId());
    QSignalSpy activated(&first, &SingleInstance::activationRequested);

    QCOMPARE(secondStart(), 0);
    QTRY_COMPARE(activated.count(), 1);
    QTRY_VERIFY(!w.isMinimized());
    QVERIFY(w.isVisible());
    // A second copy leaves no trace: no log, no window.
    QVERIFY(!QDir(logDir()).exists());
}

void TestSingleInstance::secondStartBeforeTheWindowIsShown()
{
    SingleInstance first;
    QVERIFY(!first.isRunning(key));
    QSignalSpy activated(&first, &SingleInstance::activationRequested);
    QCOMPARE(secondStart(), 0);
    QTest::qWait(100);
    QCOMPARE(activated.count(), 0);

    // Another object in this process finds the segment taken, as any later start does.
    SingleInstance later;
    QVERIFY(later.isRunning(key));
}

void TestSingleInstance::onlyTheActivationRequestRaises()
{
    SingleInstance first;
    QVERIFY(!first.isRunning(key));
    first.publishWindow(0x1234);
    QSignalSpy activated(&first, &SingleInstance::activationRequested);

    QVERIFY(sendRaw(request(4321)));
    QVERIFY(sendRaw(request(SingleInstance::activationTag).left(6)));
    QTest::qWait(100);
    QCOMPARE(activated.count(), 0);
    QVERIFY(sendRaw(request(SingleInstance::activationTag)));
    QTRY_COMPARE(activated.count(), 1);
}

void TestSingleInstance::startAfterKillBecomesTheFirst()
{
    auto running = std::make_unique<QProcess>();
    running->start(program(), QStringList());
    QTRY_COMPARE_WITH_TIMEOUT(startLines(), 1, 20000);
    QCOMPARE(secondStart(), 0);
    QCOMPARE(startLines(), 1);

    // Killed outright, a copy leaves its segment and socket file behind. A cleaner of the temporary
    // folder may then remove the file the segment is found by; a new file there often gets the same
    // inode, and so the orphan's system key.
    for (const bool tempCleaned : {false, true}) {
        running->kill();
        QVERIFY(running->waitForFinished(5000));
        QDir temp(QDir::tempPath());
        for (const QString &name : temp.entryList({QStringLiteral("qipc_sharedmemory_*")}, QDir::Files))
            QVERIFY(!tempCleaned || temp.remove(name));
        const int starts = startLines() + 1;
        running = std::make_unique<QProcess>();
        running->start(program(), QStringList());
        QTRY_COMPARE_WITH_TIMEOUT(startLines(), starts, 20000);
        QCOMPARE(running->state(), QProcess::Running);
        QCOMPARE(secondStart(), 0);
        QCOMPARE(startLines(), starts);
    }

    // A restart within the hour appended to the page: one header per page.
    QCOMPARE(allPages().count(QStringLiteral("<?xml")), QDir(logDir()).entryList(QDir::Files).size());
    running->kill();
    QVERIFY(running->waitForFinished(5000));
    clearOrphan(getuid());
}

// Another user's start is no second start of this user's copy: it shows a window of its own, and its
// own later start comes to that one. Neither can reach the other's socket.
void TestSingleInstance::eachUserRunsACopyOfTheirOwn()
{
    const passwd *nobody = getpwnam("nobody");
    if (geteuid() != 0 || !nobody || QStandardPaths::findExecutable("setpriv").isEmpty())
        QSKIP("a second user needs root, the user nobody and setpriv");
    const int earlierStarts = startLines();
    QProcess mine;
    mine.start(program(), QStringList());
    QTRY_COMPARE_WITH_TIMEOUT(startLines(), earlierStarts + 1, 20000);

    // Their folders under /tmp, which nobody may enter, with short names for the socket's address.
    QTemporaryDir base(QStringLiteral("/tmp/vsi-XXXXXX"));
    QVERIFY(base.isValid());
    QVERIFY(QFile::setPermissions(base.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    int folders = 0;
    for (const char *folder : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR", "TMPDIR"}) {
        const QString path = base.filePath(QString::number(folders++));
        QVERIFY(QDir().mkpath(path) && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(chown(QFile::encodeName(path), nobody->pw_uid, nobody->pw_gid), 0);
        env.insert(QLatin1String(folder), path);
    }
    const QStringList asNobody{"--reuid=nobody", "--regid=" + QString::number(nobody->pw_gid), "--clear-groups", program()};
    QProcess theirs;
    theirs.setProcessEnvironment(env);
    theirs.start("setpriv", asNobody);
    const QString theirLog = env.value("XDG_DATA_HOME") + "/Norvane/velora/Log";
    QTRY_COMPARE_WITH_TIMEOUT(allPages(theirLog).count("================progress start================"), 1, 20000);
    // Listening once its window is shown.
    const QFileInfo theirSocket(env.value("XDG_RUNTIME_DIR") + "/veloraKey05");
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(theirSocket.filePath()), 20000);
    QCOMPARE(theirs.state(), QProcess::Running);
    QCOMPARE(theirSocket.ownerId(), nobody->pw_uid);

    QProcess again;
    again.setProcessEnvironment(env);
    again.start("setpriv", asNobody);
    QVERIFY(again.waitForFinished(5000));
    QCOMPARE(again.exitCode(), 0);
    QCOMPARE(secondStart(), 0);
    QCOMPARE(startLines(), earlierStarts + 1);
    QCOMPARE(allPages(theirLog).count("================progress start================"), 1);

    for (QProcess *copy : {&mine, &theirs}) {
        copy->kill();
        QVERIFY(copy->waitForFinished(5000));
    }
    clearOrphan(getuid());
    clearOrphan(nobody->pw_uid, env.value("TMPDIR").toLocal8Bit());
}

// Where no OpenGL context can be made (here: the offscreen platform with no X server, as on a machine
// without a driver), the program draws its scene with the software renderer instead of aborting.
void TestSingleInstance::startsWithoutOpenGL()
{
    QProcess first;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QUICK_BACKEND"));
    first.setProcessEnvironment(environment);
    first.start(program(), QStringList());
    const auto chosen = [] { return allPages().contains(QStringLiteral("***scene graph: software")); };
    // A copy that ends early (found another copy, or crashed) says why instead of leaving a bare timeout.
    QTRY_VERIFY_WITH_TIMEOUT(chosen() || first.state() == QProcess::NotRunning, 60000);
    const auto why = [&first] {
        return QStringLiteral("exit %1, stderr: %2").arg(first.exitCode()).arg(QString::fromLocal8Bit(first.readAllStandardError()));
    };
    QVERIFY2(chosen(), qPrintable(why()));
    // The scene is loaded after the choice; a renderer that cannot start would end the program here.
    QTest::qWait(3000);
    QVERIFY2(first.state() == QProcess::Running, qPrintable(why()));
    first.kill();
    QVERIFY(first.waitForFinished(5000));
    clearOrphan(getuid());
}

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
