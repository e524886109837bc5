#include "app/crashdump.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

class TestCrashDump : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void crashLeavesDump_data();
    void crashLeavesDump();
    void laterCrashReplacesDump();

private:
    static QString dataDir();
    static QByteArray crash(const QString &mode);
    static QByteArray readDump();
};

QString TestCrashDump::dataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

void TestCrashDump::init()
{
    QDir(dataDir()).removeRecursively();
}

// Runs the crashing child; gives what it printed.
QByteArray TestCrashDump::crash(const QString &mode)
{
    QProcess child;
    child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/velora-crashchild"), {mode});
    if (!child.waitForFinished(30000) || child.exitStatus() != QProcess::CrashExit)
        return QByteArray("did not crash");
    return child.readAllStandardOutput();
}

QByteArray TestCrashDump::readDump()
{
    QFile file(dataDir() + QStringLiteral("/velora.dmp"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestCrashDump::crashLeavesDump_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("signal");
    QTest::newRow("bad address") << "segv" << "11 (SIGSEGV)";
    QTest::newRow("abort") << "abort" << "6 (SIGABRT)";
    QTest::newRow("stack overflow") << "overflow" << "11 (SIGSEGV)";
    QTest::newRow("other thread") << "thread" << "11 (SIGSEGV)";
    QTest::newRow("data folder removed") << "folder-removed" << "11 (SIGSEGV)";
}

void TestCrashDump::crashLeavesDump()
{
    QFETCH(QString, mode);
    QFETCH(QString, signal);
    const QByteArray printed = crash(mode);
    QVERIFY(printed != "did not crash");

    const QString dump = QString::fromLatin1(readDump());
    QVERIFY2(dump.startsWith(QStringLiteral("velora crash dump\nsignal: ") + signal + QLatin1Char('\n')),
             qPrintable(dump.left(200)));
    const QRegularExpressionMatch pid = QRegularExpression(QStringLiteral("\nprocess: (\\d+)\n")).match(dump);
    const QRegularExpressionMatch tid = QRegularExpression(QStringLiteral("\nthread: (\\d+)\n")).match(dump);
    QVERIFY(pid.hasMatch() && tid.hasMatch());
    if (mode == QLatin1String("thread"))
        QCOMPARE(tid.captured(1), QString::fromLatin1(printed.trimmed()));
    else
        QCOMPARE(tid.captured(1), pid.captured(1));
    if (mode == QLatin1String("segv"))
        QVERIFY(dump.contains(QStringLiteral("\naddress: 0x10\n")));

    // A backtrace through the crashing program, then its memory map.
    const int trace = dump.indexOf(QStringLiteral("\nbacktrace:\n"));
    const int map = dump.indexOf(QStringLiteral("\nmemory map:\n"));
    QVERIFY(trace > 0 && map > trace);
    QVERIFY(dump.mid(trace, map - trace).contains(QStringLiteral("velora-crashchild(")));
    QVERIFY(dump.mid(map).contains(QRegularExpression(QStringLiteral("r-xp [0-9a-f]+ .*velora-crashchild\n"))));
}

void TestCrashDump::laterCrashReplacesDump()
{
    QVERIFY(crash(QStringLiteral("segv")) != "did not crash");
    const QByteArray first = readDump();
    QVERIFY(first.contains("SIGSEGV"));
    QVERIFY(crash(QStringLiteral("abort")) != "did not crash");
    const QByteArray second = readDump();
    QVERIFY(second.contains("signal: 6 (SIGABRT)"));
    QVERIFY(!second.contains("SIGSEGV"));
    QCOMPARE(QDir(dataDir()).entryList({QStringLiteral("*.dmp")}, QDir::Files), QStringList({"velora.dmp"}));
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Norvane"));
    QCoreApplication::setApplicationName(QStringLiteral("velora"));
    TestCrashDump test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crashdump.moc"
