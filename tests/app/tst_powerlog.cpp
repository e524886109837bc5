#include "app/powerlog.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {

QStringList g_messages;

void collect(QtMsgType, const QMessageLogContext &, const QString &msg)
{
    g_messages << msg;
}

} // namespace

// Power notices reach the log from logind on the system bus; here a private bus stands in for it.
// Qt looks the system bus up once per process, so CTest runs each case in a process of its own.
class TestPowerLog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void saysNothingWithoutSystemBus();
    void logsLogindNotices();

private:
    bool emitFrom(QDBusConnection &bus, const QString &member, bool value);
    QProcess m_daemon;
    QString m_address;
};

void TestPowerLog::initTestCase()
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    QVERIFY2(!daemon.isEmpty(), "dbus-daemon is installed by scripts/install-deps.sh");
    m_daemon.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    QVERIFY(m_daemon.waitForReadyRead(10000));
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    QVERIFY(!m_address.isEmpty());
    qInstallMessageHandler(collect);
}

void TestPowerLog::saysNothingWithoutSystemBus()
{
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/velora-bus");
    QVERIFY(!PowerLog().watch());
    QCOMPARE(g_messages, QStringList());
}

void TestPowerLog::cleanupTestCase()
{
    qInstallMessageHandler(nullptr);
    m_daemon.kill();
    m_daemon.waitForFinished();
}

bool TestPowerLog::emitFrom(QDBusConnection &bus, const QString &member, bool value)
{
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                                     QStringLiteral("org.freedesktop.login1.Manager"), member);
    signal << value;
    return bus.send(signal);
}

void TestPowerLog::logsLogindNotices()
{
    QDBusConnection logind = QDBusConnection::connectToBus(m_address, QStringLiteral("logind"));
    QVERIFY(logind.isConnected());
    QVERIFY(logind.registerService(QStringLiteral("org.freedesktop.login1")));
    QDBusConnection stranger = QDBusConnection::connectToBus(m_address, QStringLiteral("stranger"));
    QVERIFY(stranger.isConnected());

    // This process's system bus is the private one from here on.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_address.toUtf8());
    PowerLog power;
    QVERIFY(power.watch());
    g_messages.clear();

    // The same notice from anyone but logind is not believed.
    QVERIFY(emitFrom(stranger, QStringLiteral("PrepareForSleep"), true));
    QVERIFY(emitFrom(logind, QStringLiteral("PrepareForSleep"), true));
    QVERIFY(emitFrom(logind, QStringLiteral("PrepareForSleep"), false));
    QVERIFY(emitFrom(logind, QStringLiteral("PrepareForShutdown"), false));
    QVERIFY(emitFrom(logind, QStringLiteral("PrepareForShutdown"), true));
    QTRY_COMPARE(g_messages, QStringList({"=====xiu mian======", "======huan xing======",
                                          "======system poweroff,reboot or logoff======"}));
}

QTEST_GUILESS_MAIN(TestPowerLog)
#include "tst_powerlog.moc"
