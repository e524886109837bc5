#include "app/mainwidget.h"
#include "debuglogrecorder.h"
#include "recorder/recordwidget.h"
#include "recorder/takerecovery.h"
#include "recorder/wavefile.h"
#include "virtualcardprocess.h"

#include <QAudioRecorder>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

// Stands in for logind on a private bus: hands out delay locks (pipes whose other end it watches)
// and announces the session's end.
class FakeLogind : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public:
    ~FakeLogind() override
    {
        if (m_watched >= 0)
            ::close(m_watched);
    }

    QStringList requests;

    // Whether the lock handed out is still held by someone: its pipe is open while it is.
    bool lockHeld() const
    {
        pollfd watched{m_watched, POLLIN, 0};
        return m_watched >= 0 && ::poll(&watched, 1, 0) == 0;
    }

public slots:
    QDBusUnixFileDescriptor Inhibit(const QString &what, const QString &who, const QString &why, const QString &mode)
    {
        requests << QStringList({what, who, why, mode}).join('|');
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0)
            return QDBusUnixFileDescriptor();
        m_watched = ends[0];
        const QDBusUnixFileDescriptor lock(ends[1]);  // a copy of its own
        ::close(ends[1]);
        return lock;
    }

private:
    int m_watched = -1;
};

// A take that records when the session ends is finished, its file complete, before the program lets
// the session go on; logind on a private bus stands in for the system's.
class TestTakeGuard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void sessionEndWaitsForTheTake();
    void closingTheWindowDuringATakeKeepsItWhole();

private:
    QProcess m_daemon;
    QString m_address;
};

void TestTakeGuard::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("PULSE_SERVER"), "the recorder's tests need the suite's sound server");
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    QVERIFY2(!daemon.isEmpty(), "dbus-daemon is installed by scripts/install-deps.sh");
    m_daemon.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    QVERIFY(m_daemon.waitForReadyRead(10000));
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_address.toUtf8());
}

void TestTakeGuard::cleanupTestCase()
{
    m_daemon.kill();
    m_daemon.waitForFinished();
}

void TestTakeGuard::sessionEndWaitsForTheTake()
{
    QDBusConnection bus = QDBusConnection::connectToBus(m_address, QStringLiteral("logind"));
    QVERIFY(bus.isConnected());
    QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.login1")));
    FakeLogind logind;
    QVERIFY(bus.registerObject(QStringLiteral("/org/freedesktop/login1"), &logind, QDBusConnection::ExportAllSlots));

    MainWidget window;
    auto *recorder = window.findChild<RecordWidget *>();
    QVERIFY(logind.requests.isEmpty());
    QTest::mouseClick(recorder->findChild<QToolButton *>("btnRecord"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(recorder->elapsedMs() >= 1000, 15000);
    QCOMPARE(logind.requests.size(), 1);
    QVERIFY2(logind.requests[0].startsWith("shutdown:sleep|Velora|") && logind.requests[0].endsWith("|delay"),
             qPrintable(logind.requests[0]));
    QVERIFY(logind.lockHeld());

    QDBusMessage ending = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                                     QStringLiteral("org.freedesktop.login1.Manager"),
                                                     QStringLiteral("PrepareForShutdown"));
    ending << true;
    QVERIFY(bus.send(ending));
    QTRY_COMPARE(recorder->recorder()->state(), QMediaRecorder::StoppedState);
    // The file was complete before the lock was let go.
    const QString take = recorder->playPath();
    QVERIFY2(!TakeRecovery::repairFile(take), "the take's header was not completed");
    WaveFile reader;
    QVERIFY(reader.readWaveFile(take));
    QVERIFY(reader.durationMs() >= 1000);
    QTRY_VERIFY(!logind.lockHeld());
}

// The window closed a moment into a take, with a card whose first read is still due: the take's file
// is complete, and what the window leaves behind (the card's read, the deferred deletes of the
// detector and the model) reaches nothing that is gone (the sanitizer build would say so).
void TestTakeGuard::closingTheWindowDuringATakeKeepsItWhole()
{
    QTemporaryDir state;
    VirtualCardProcess card;
    QVERIFY2(card.start({"--state", state.filePath("zq05.state")}), qPrintable(card.errorText()));
    const auto reads = [&card] { return card.logLines().filter(QRegularExpression("^read 52:F0 ")).size(); };
    QElapsedTimer sinceArrival;
    sinceArrival.start();
    auto *window = new MainWidget;
    window->show();
    auto *recorder = window->findChild<RecordWidget *>();
    QTest::mouseClick(recorder->findChild<QToolButton *>("btnRecord"), Qt::LeftButton);
    QVERIFY(recorder->isRecording());
    const QString take = recorder->recorder()->outputLocation().path();
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(take).size() > 44, 2500);
    // Closed just before the card's first read falls due, so that it falls due while the window goes.
    QTest::qWait(int(qMax<qint64>(0, 2800 - sinceArrival.elapsed())));
    QVERIFY(window->close());
    {
        // Nothing runs the window's work while it is being destroyed: no event loop there.
        DebugLogRecorder log;
        delete window;
        QVERIFY2(log.lines().isEmpty(), qPrintable(log.lines().join('\n')));
    }

    QVERIFY2(!TakeRecovery::repairFile(take), "the take's header was not completed");
    WaveFile reader;
    QVERIFY(reader.readWaveFile(take));
    const int readsWhileThere = reads();
    QTest::qWait(3300);
    QCOMPARE(reads(), readsWhileThere);
}

QTEST_MAIN(TestTakeGuard)
#include "tst_takeguard.moc"
