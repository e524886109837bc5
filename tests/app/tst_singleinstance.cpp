#include "app/mainwidget.h"
#include "app/singleinstance.h"

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QSharedMemory>
#include <QStandardPaths>
#include <QtTest>

namespace {

const QString key = QStringLiteral("veloraKey05");

QString program()
{
    return QStringLiteral(VELORA_BINARY_DIR "/velora");
}

QString logDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/Log");
}

// Every log page of the run, one after the other.
QString allPages()
{
    QString text;
    const QDir dir(logDir());
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
    socket.connectToServer(key);
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
    QProcess first;
    first.start(program(), QStringList());
    QTRY_COMPARE_WITH_TIMEOUT(startLines(), 1, 20000);
    QCOMPARE(secondStart(), 0);
    QCOMPARE(startLines(), 1);

    // Killed outright, the first copy leaves its segment and socket file behind.
    first.kill();
    QVERIFY(first.waitForFinished(5000));
    QProcess next;
    next.start(program(), QStringList());
    QTRY_COMPARE_WITH_TIMEOUT(startLines(), 2, 20000);
    QCOMPARE(next.state(), QProcess::Running);
    QCOMPARE(secondStart(), 0);

    // A restart within the hour appended to the page: one header per page.
    QCOMPARE(allPages().count(QStringLiteral("<?xml")), QDir(logDir()).entryList(QDir::Files).size());

    next.kill();
    QVERIFY(next.waitForFinished(5000));
    // Leave no orphaned segment behind in the system.
    QSharedMemory orphan(key);
    if (orphan.attach())
        orphan.detach();
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
    QTRY_VERIFY_WITH_TIMEOUT(allPages().contains(QStringLiteral("***scene graph: software")), 20000);
    // The scene is loaded after the choice; a renderer that cannot start would end the program here.
    QTest::qWait(3000);
    QCOMPARE(first.state(), QProcess::Running);
    first.kill();
    QVERIFY(first.waitForFinished(5000));
    QSharedMemory orphan(key);
    if (orphan.attach())
        orphan.detach();
}

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
