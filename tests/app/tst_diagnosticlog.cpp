#include "app/diagnosticlog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJSEngine>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

namespace {

QDateTime g_now;
QDateTime testClock()
{
    return g_now;
}

QString readPage(const QString &name)
{
    QFile file(logDirectory() + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QStringList pages()
{
    return QDir(logDirectory()).entryList(QDir::Files, QDir::Name);
}

// Keeps stderr quiet while a test floods the handler, and restores it after.
class SilencedStderr
{
public:
    SilencedStderr() : m_saved(::dup(2))
    {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 2);
        ::close(null);
    }
    ~SilencedStderr()
    {
        std::fflush(stderr);
        ::dup2(m_saved, 2);
        ::close(m_saved);
    }

private:
    int m_saved;
};

} // namespace

class TestDiagnosticLog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pagePerClockHour_data();
    void pagePerClockHour();
    void entriesAreEscapedAndLettered();
    void pruningKeepsTheNewest();
    void concurrentMessagesStayWhole();
    void unopenablePageRecovers();
    void fatalMessageIsOnThePage();
    void messageFromOwnFileWorkDoesNotHang();
    void severityFilterScript();
};

void TestDiagnosticLog::init()
{
    g_now = QDateTime(QDate(2031, 5, 6), QTime(10, 59, 59));
    setLogClock(testClock);
    installLog(QStringLiteral("Log"), 1024, true);
}

void TestDiagnosticLog::cleanup()
{
    qInstallMessageHandler(nullptr);
    setLogClock(nullptr);
    QDir(logDirectory()).removeRecursively();
}

void TestDiagnosticLog::pagePerClockHour_data()
{
    QTest::addColumn<bool>("keepOpen");
    QTest::newRow("kept open") << true;
    QTest::newRow("per message") << false;
}

void TestDiagnosticLog::pagePerClockHour()
{
    QFETCH(bool, keepOpen);
    installLog(QStringLiteral("Log"), 1024, keepOpen);
    const QString header = logPageHeader() + QStringLiteral("\r\n");

    qDebug("last of ten");
    g_now = g_now.addSecs(1);
    qDebug("first of eleven");
    QCOMPARE(pages(), QStringList({"2031-05-06_10_log.html", "2031-05-06_11_log.html"}));
    QCOMPARE(readPage(pages().at(0)),
             header + "<div class=\"d\">2031-05-06 10:59:59 last of ten</div>\r\n");
    QCOMPARE(readPage(pages().at(1)),
             header + "<div class=\"d\">2031-05-06 11:00:00 first of eleven</div>\r\n");

    // Coming back to an existing page (a restart within the hour) appends without a second header.
    g_now = g_now.addSecs(-30);
    qDebug("back in ten");
    installLog(QStringLiteral("Log"), 1024, !keepOpen);
    qDebug("after restart");
    const QString ten = readPage(pages().at(0));
    QCOMPARE(ten.count(QStringLiteral("<?xml")), 1);
    QVERIFY(ten.startsWith(header));
    QVERIFY(ten.endsWith("10:59:30 back in ten</div>\r\n<div class=\"d\">2031-05-06 10:59:30 after restart</div>\r\n"));
}

void TestDiagnosticLog::entriesAreEscapedAndLettered()
{
    qDebug("<b>bold</b> & \"quoted\" <script>alert(1)</script>");
    qInfo("info");
    qWarning("warning");
    qCritical("critical");
    const QString page = readPage(pages().value(0));
    QVERIFY(!page.contains(QStringLiteral("<b>")));
    QVERIFY(!page.contains(QStringLiteral("<script>alert")));
    QVERIFY(page.contains(QStringLiteral(
        "<div class=\"d\">2031-05-06 10:59:59 &lt;b&gt;bold&lt;/b&gt; &amp; &quot;quoted&quot; "
        "&lt;script&gt;alert(1)&lt;/script&gt;</div>\r\n")));
    QVERIFY(page.contains(QStringLiteral("<div class=\"i\">2031-05-06 10:59:59 info</div>\r\n")));
    QVERIFY(page.contains(QStringLiteral("<div class=\"w\">2031-05-06 10:59:59 warning</div>\r\n")));
    QVERIFY(page.contains(QStringLiteral("<div class=\"c\">2031-05-06 10:59:59 critical</div>\r\n")));

    // Text beyond ASCII survives as UTF-8, without a byte-order mark.
    qDebug() << QStringLiteral("设备已连接");
    QFile file(logDirectory() + QLatin1Char('/') + pages().value(0));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\n<?xml"));
    QVERIFY(bytes.contains(QStringLiteral("设备已连接").toUtf8()));
}

void TestDiagnosticLog::pruningKeepsTheNewest()
{
    QDir dir(logDirectory());
    QStringList names;
    for (int i = 0; i < 1030; ++i) {
        const QString name = QDateTime(QDate(2030, 1, 1), QTime(0, 0)).addSecs(3600 * i).toString("yyyy-MM-dd_hh")
                             + QStringLiteral("_log.html");
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        names << name;
    }
    // A folder is no page: it is neither counted nor removed.
    QVERIFY(dir.mkdir(QStringLiteral("0000-folder")));
    std::reverse(names.begin(), names.end()); // creation order must not matter, only the names

    installLog(QStringLiteral("Log"), 1024, true);
    const QStringList left = dir.entryList(QDir::Files, QDir::Name);
    std::sort(names.begin(), names.end());
    QCOMPARE(left, names.mid(6));
    QVERIFY(dir.exists(QStringLiteral("0000-folder")));
}

void TestDiagnosticLog::concurrentMessagesStayWhole()
{
    const int threads = 8;
    const int perThread = 10000;
    {
        SilencedStderr quiet;
        std::vector<std::thread> workers;
        for (int t = 0; t < threads; ++t) {
            workers.emplace_back([t] {
                for (int n = 0; n < perThread; ++n)
                    qDebug("thread %d message %d", t, n);
            });
        }
        for (auto &w : workers)
            w.join();
    }
    const QStringList lines = readPage(pages().value(0)).split(QStringLiteral("\r\n"));
    const QRegularExpression entry(
        QStringLiteral("^<div class=\"d\">2031-05-06 10:59:59 thread (\\d) message (\\d+)</div>$"));
    QSet<int> seen;
    for (const QString &line : lines) {
        if (!line.startsWith(QStringLiteral("<div")))
            continue;
        const QRegularExpressionMatch m = entry.match(line);
        QVERIFY2(m.hasMatch(), qPrintable(line));
        seen.insert(m.captured(1).toInt() * perThread + m.captured(2).toInt());
    }
    QCOMPARE(seen.size(), threads * perThread);
    QCOMPARE(lines.count(QString()), 1); // only the empty piece after the last entry
}

void TestDiagnosticLog::unopenablePageRecovers()
{
    // Something in the page's place: the entry is lost, nothing hangs, and the page opens once it can.
    const QString blocked = logDirectory() + QStringLiteral("/2031-05-06_10_log.html");
    QVERIFY(QDir().mkpath(blocked));
    {
        SilencedStderr quiet;
        qDebug("lost");
    }
    QVERIFY(QDir(blocked).removeRecursively());
    qDebug("kept");
    const QString page = readPage(QStringLiteral("2031-05-06_10_log.html"));
    QVERIFY(page.startsWith(logPageHeader()));
    QVERIFY(page.contains(QStringLiteral("kept")));
    QVERIFY(!page.contains(QStringLiteral("lost")));
}

void TestDiagnosticLog::fatalMessageIsOnThePage()
{
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({QStringLiteral("--fatal-child")});
    child.start();
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QVERIFY(child.readAllStandardError().contains("the end <now>"));

    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
                        + QStringLiteral("/FatalLog");
    const QStringList files = QDir(dir).entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    QFile file(dir + QLatin1Char('/') + files.first());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(file.readAll());
    QVERIFY(page.contains(QRegularExpression(
        QStringLiteral("<div class=\"d\">[-0-9: ]+ before</div>\r\n<div class=\"f\">[-0-9: ]+ the end &lt;now&gt;</div>\r\n$"))));
    QDir(dir).removeRecursively();
}

void TestDiagnosticLog::messageFromOwnFileWorkDoesNotHang()
{
    // A page path the file layer warns about: the warning is raised inside the handler's own file work.
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--broken-path-child")});
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    const QByteArray err = child.readAllStandardError();
    QVERIFY2(err.contains("Broken filename"), err.constData());
    QVERIFY(err.contains(" second\n"));
}

void TestDiagnosticLog::severityFilterScript()
{
    const QString header = logPageHeader();
    const int from = header.indexOf(QStringLiteral("<script type=\"text/JavaScript\">"));
    const int to = header.indexOf(QStringLiteral("</script>"));
    QVERIFY(from > 0 && to > from);
    const QString script = header.mid(from + 31, to - from - 31);
    QVERIFY(header.trimmed().endsWith(QStringLiteral("</select>")));
    const QRegularExpression option(QStringLiteral("<option value=\"(\\w)\"[^>]*>(\\w+)</option>"));
    QStringList options;
    for (auto it = option.globalMatch(header); it.hasNext();) {
        const auto m = it.next();
        options << m.captured(1) + QLatin1Char('=') + m.captured(2);
    }
    QCOMPARE(options, QStringList({"a=All", "d=Debug", "i=Info", "w=Warning", "c=Critical", "f=Fatal"}));

    // Run the page's filter against a stand-in document with two entries of each severity.
    QJSEngine js;
    js.evaluate(QStringLiteral(
        "var select = { value: 'a' };"
        "var entries = {};"
        "['d', 'i', 'w', 'c', 'f'].forEach(function (c) { entries[c] = [{ style: {} }, { style: {} }]; });"
        "var document = {"
        "  getElementById: function (id) { return id === 'typeSelect' ? select : null; },"
        "  getElementsByClassName: function (c) { return entries[c] || []; } };"
        "function shown() { var r = ''; for (var c in entries) r += c + entries[c][0].style.display[0]"
        "  + entries[c][1].style.display[0] + ' '; return r; }"));
    const QJSValue loaded = js.evaluate(script);
    QVERIFY2(!loaded.isError(), qPrintable(loaded.toString()));
    const auto choose = [&js](const QString &value) {
        return js.evaluate(QStringLiteral("select.value = '%1'; selectType(); shown()").arg(value)).toString();
    };
    QCOMPARE(choose("w"), QStringLiteral("dnn inn wbb cnn fnn "));
    QCOMPARE(choose("f"), QStringLiteral("dnn inn wnn cnn fbb "));
    QCOMPARE(choose("a"), QStringLiteral("dbb ibb wbb cbb fbb "));
}

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--fatal-child") == 0) {
        const rlimit noCore = {0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        QCoreApplication app(argc, argv);
        QCoreApplication::setOrganizationName(QStringLiteral("Norvane"));
        QCoreApplication::setApplicationName(QStringLiteral("velora"));
        installLog(QStringLiteral("FatalLog"), 1024, true);
        qDebug("before");
        qFatal("the end <now>");
    }
    if (argc > 1 && qstrcmp(argv[1], "--broken-path-child") == 0) {
        QCoreApplication app(argc, argv);
        installLog(QString::fromUtf16(u"Lo\0g", 4), 1024, true);
        qDebug("first");
        qDebug("second");
        return 0;
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Norvane"));
    QCoreApplication::setApplicationName(QStringLiteral("velora"));
    TestDiagnosticLog test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_diagnosticlog.moc"
