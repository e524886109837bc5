// The command line of the real velora binary against real virtual card processes, with no window
// running and with a real window: what reaches the card (its --log lines), what the command prints,
// and its exit code.

#include "virtualcardprocess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

// The velora binary with these arguments; a command that does not end in time fails the test.
// `extra` adds variables to the command's environment.
Run velora(const QStringList &arguments, const QString &language = QString(), const QStringList &extra = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!language.isEmpty()) {
        environment.remove("LC_ALL");
        environment.remove("LC_MESSAGES");
        environment.insert("LANG", language);
    }
    for (const QString &variable : extra)
        environment.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELORA_BINARY_DIR "/velora"), arguments);
    Run run;
    if (!process.waitForFinished(15000)) {
        process.kill();
        process.waitForFinished(2000);
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

// The parameter blocks the card says it took, as hex bytes ("00 01 00 21 1D 23 1C 11").
QStringList writes(const QStringList &lines)
{
    QStringList blocks;
    const QString prefix = QStringLiteral("write 52:F0 ");
    for (const QString &line : lines) {
        if (line.startsWith(prefix))
            blocks.append(line.mid(prefix.size()));
    }
    return blocks;
}

QJsonObject statusOf(const Run &run)
{
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

QJsonObject bands(int b60, int b300, int b1200, int b3600, int b12000)
{
    return {{"60", b60}, {"300", b300}, {"1200", b1200}, {"3600", b3600}, {"12000", b12000}};
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void helpAndVersion();
    void textsForPeopleFollowTheLanguage();
    void badCommandsAreRefusedBeforeAnythingIsSent_data();
    void badCommandsAreRefusedBeforeAnythingIsSent();
    void withoutACardTheCommandSaysSo();
    void statusReadsTheCard();
    void changesWriteTheBlockAndKeepTheRest();
    void stylesByNameIndexAndTheUsersOwnName();
    void aFailingCardEndsWithItsMessage();
    void aRealCardNoLibraryServesIsLeftAlone();
    void commandsAtTheSameMomentAreBothCarriedOut();
    void listCardsNamesEveryCard();

    void theWindowCarriesOutTheCommandAsItsClicksWould();
    void aCardFailureInTheWindowIsAnsweredNotBoxed();
    void aWindowThatDoesNotAnswerIsGivenUpOn();

private:
    // Starts the real window and waits until it has read the plugged-in card.
    void startWindow();
    void plugIn(const QStringList &options = {});
    QStringList newWrites() { return writes(m_card->takeLogLines()); }

    std::unique_ptr<QTemporaryDir> m_stateDir;
    std::unique_ptr<VirtualCardProcess> m_card;
    std::unique_ptr<QProcess> m_window;
};

void TestCommandLine::init()
{
    m_stateDir.reset(new QTemporaryDir);
}

void TestCommandLine::cleanup()
{
    if (m_window) {
        m_window->kill();
        m_window->waitForFinished(5000);
        m_window.reset();
    }
    m_card.reset();
}

void TestCommandLine::startWindow()
{
    m_window.reset(new QProcess);
    m_window->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_window->start(QStringLiteral(VELORA_BINARY_DIR "/velora"), QStringList());
    QVERIFY(m_window->waitForStarted(5000));
    // The window reads the card 3 s after its arrival.
    QStringList lines;
    QTRY_VERIFY_WITH_TIMEOUT(!(lines += m_card->takeLogLines()).filter(QRegularExpression("^read 52:F0 ")).isEmpty(), 15000);
}

void TestCommandLine::plugIn(const QStringList &options)
{
    m_card.reset(new VirtualCardProcess);
    m_card->setTrace(false);
    QVERIFY2(m_card->start(QStringList{"--state", m_stateDir->filePath("card.state")} + options), qPrintable(m_card->errorText()));
    m_card->takeLogLines();
}

void TestCommandLine::helpAndVersion()
{
    const Run help = velora({"--help"});
    QCOMPARE(help.exitCode, 0);
    for (const char *word : {"--mic-mute", "--eq", "--list-cards", "64", "\"micMute\""})
        QVERIFY2(help.out.contains(QLatin1String(word)), word);
    const Run version = velora({"--version"});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QStringLiteral("velora 1.0.0.2\n"));
    QCOMPARE(version.err, QString());
}

void TestCommandLine::textsForPeopleFollowTheLanguage()
{
    const Run chinese = velora({"--mic-mute", "loud"}, "zh_CN.UTF-8");
    QCOMPARE(chinese.exitCode, 64);
    QVERIFY2(chinese.err.contains(QStringLiteral("用法：")), qPrintable(chinese.err));
    const Run english = velora({"--mic-mute", "loud"}, "en_US.UTF-8");
    QCOMPARE(english.exitCode, 64);
    QVERIFY2(english.err.contains(QStringLiteral("Expected on, off or toggle: loud\nUsage: ")), qPrintable(english.err));
    // The JSON is the same in every language.
    QCOMPARE(velora({"--list-cards", "--json"}, "zh_CN.UTF-8").out, QStringLiteral("[]\n"));
}

void TestCommandLine::badCommandsAreRefusedBeforeAnythingIsSent_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("band value above 43") << QStringList{"--eq", "60=44"};
    QTest::newRow("negative band value") << QStringList{"--eq", "300=-1"};
    QTest::newRow("unknown band") << QStringList{"--eq", "60=3,61=3"};
    QTest::newRow("band twice") << QStringList{"--eq", "60=3,60=4"};
    QTest::newRow("mute word") << QStringList{"--mic-mute", "maybe"};
    QTest::newRow("unknown style") << QStringList{"--style", "funk"};
    QTest::newRow("style index 4") << QStringList{"--style", "4"};
    QTest::newRow("two commands") << QStringList{"--status", "--play-mute", "on"};
    QTest::newRow("json with a change") << QStringList{"--json", "--original"};
    QTest::newRow("unknown option") << QStringList{"--status", "--loud"};
    QTest::newRow("missing value") << QStringList{"--style"};
}

void TestCommandLine::badCommandsAreRefusedBeforeAnythingIsSent()
{
    QFETCH(QStringList, arguments);
    plugIn();
    const Run run = velora(arguments);
    QCOMPARE(run.exitCode, 64);
    QCOMPARE(run.out, QString());
    // The reason, then the usage hint: two lines.
    QCOMPARE(run.err.count(QLatin1Char('\n')), 2);
    QVERIFY(run.err.contains(QLatin1String("--help")));
    // Nothing at all reached the card, not even a read.
    QCOMPARE(m_card->takeLogLines(), QStringList());
}

void TestCommandLine::withoutACardTheCommandSaysSo()
{
    for (const QStringList &arguments : {QStringList{"--status", "--json"}, QStringList{"--mic-mute", "toggle"}}) {
        const Run run = velora(arguments);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
    }
    const Run list = velora({"--list-cards", "--json"});
    QCOMPARE(list.exitCode, 0);
    QCOMPARE(list.out, QStringLiteral("[]\n"));
}

void TestCommandLine::statusReadsTheCard()
{
    plugIn({"--model", "zq06", "--serial", "SN0042", "--firmware", "FW-9"});
    const Run run = velora({"--status", "--json"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());
    const QJsonObject expected{{"version", 1},         {"model", "zq06"},      {"serial", "SN0042"},
                               {"firmware", "FW-9"},   {"connected", true},    {"micMute", false},
                               {"playMute", false},    {"bands", bands(43, 42, 36, 39, 38)}, {"style", QJsonValue()}};
    QCOMPARE(statusOf(run), expected);
    // Reading is all it does.
    QCOMPARE(newWrites(), QStringList());
    const Run text = velora({"--status"});
    QCOMPARE(text.exitCode, 0);
    QVERIFY(text.out.contains(QLatin1String("SN0042")));
    QVERIFY(text.out.contains(QLatin1String("60=43 300=42 1200=36 3600=39 12000=38")));
}

void TestCommandLine::changesWriteTheBlockAndKeepTheRest()
{
    plugIn();
    // zq05 factory block: flag 0, both mutes off, bands 21 1D 23 1C 11.
    QCOMPARE(velora({"--mic-mute", "toggle"}).exitCode, 0);
    QCOMPARE(newWrites(), QStringList{"00 00 01 21 1D 23 1C 11"});
    QCOMPARE(velora({"--play-mute", "on"}).exitCode, 0);
    QCOMPARE(newWrites(), QStringList{"00 01 01 21 1D 23 1C 11"});
    // A band change keeps the mutes the card holds and the other bands.
    QCOMPARE(velora({"--eq", "300=20"}).exitCode, 0);
    QCOMPARE(newWrites(), QStringList{"00 01 01 21 14 23 1C 11"});
    // Each band as its slider would send it: one whole block per band.
    QCOMPARE(velora({"--eq", "12000=0,60=43"}).exitCode, 0);
    QCOMPARE(newWrites(), (QStringList{"00 01 01 2B 14 23 1C 11", "00 01 01 2B 14 23 1C 00"}));
    // Toggled twice the microphone is back where it was.
    QCOMPARE(velora({"--mic-mute", "toggle"}).exitCode, 0);
    QCOMPARE(velora({"--mic-mute", "toggle"}).exitCode, 0);
    QCOMPARE(newWrites(), (QStringList{"00 01 00 2B 14 23 1C 00", "00 01 01 2B 14 23 1C 00"}));
    const Run status = velora({"--status", "--json"});
    QCOMPARE(statusOf(status).value("micMute"), QJsonValue(true));
    QCOMPARE(statusOf(status).value("playMute"), QJsonValue(true));
    QCOMPARE(statusOf(status).value("bands"), QJsonValue(bands(43, 20, 35, 28, 0)));
    // The factory values unmute as well.
    QCOMPARE(velora({"--original"}).exitCode, 0);
    QCOMPARE(newWrites(), QStringList{"00 00 00 21 1D 23 1C 11"});
}

void TestCommandLine::stylesByNameIndexAndTheUsersOwnName()
{
    plugIn();
    QCOMPARE(velora({"--style", "Jazz"}).exitCode, 0);
    QCOMPARE(newWrites(), QStringList{"00 00 00 1A 1F 24 1F 1A"});
    QCOMPARE(velora({"--style", "1"}).exitCode, 0);
    QCOMPARE(newWrites(), QStringList{"00 00 00 28 24 1B 1E 12"});
    // The user's name of style 3, with a saved band, in the program's own settings file.
    {
        QSettings ini(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                          + "/Norvane/velora/config/setting.ini",
                      QSettings::IniFormat);
        ini.setValue("CustomText/3", QStringLiteral("晚间"));
        ini.setValue("rockConfig/300Hz", 5);
    }
    QCOMPARE(velora({"--style", "晚间"}).exitCode, 0);
    QCOMPARE(newWrites(), QStringList{"00 00 00 25 05 1B 20 25"});
    QCOMPARE(velora({"--style", "晚"}).exitCode, 64);
    QCOMPARE(newWrites(), QStringList());
}

void TestCommandLine::aFailingCardEndsWithItsMessage()
{
    plugIn({"--fail", "Fast_WriteI2C_ById:24"});
    const Run run = velora({"--mic-mute", "on"});
    QCOMPARE(run.exitCode, 3);
    QCOMPARE(run.out, QString());
    QCOMPARE(run.err, QStringLiteral("velora: writeData fnDLL3S_Fast_WriteI2C_ById fail:   return24\n"));
    // The card refused the block; the next command finds it as it was and succeeds.
    QCOMPARE(newWrites(), QStringList());
    QCOMPARE(velora({"--mic-mute", "on"}).exitCode, 0);
    QCOMPARE(newWrites(), QStringList{"00 00 01 21 1D 23 1C 11"});
}

void TestCommandLine::aRealCardNoLibraryServesIsLeftAlone()
{
    // A zq05 seen by the kernel in a made-up system tree, with only the stand-in library, which drives
    // virtual cards alone; a virtual zq05 beside it would take anything sent to a card with its ids.
    plugIn();
    QTemporaryDir root;
    QVERIFY(QDir().mkpath(root.filePath("sys/class/hidraw/hidraw3/device")) && QDir().mkpath(root.filePath("dev")));
    QFile uevent(root.filePath("sys/class/hidraw/hidraw3/device/uevent"));
    QVERIFY(uevent.open(QIODevice::WriteOnly));
    uevent.write("HID_ID=0003:00000C76:00001000\n");
    uevent.close();
    QFile node(root.filePath("dev/hidraw3"));
    QVERIFY(node.open(QIODevice::WriteOnly));
    node.close();
    const Run run = velora({"--mic-mute", "on"}, "en_US.UTF-8", {"VELORA_SYSTEM_ROOT=" + root.path()});
    QCOMPARE(run.exitCode, 3);
    QCOMPARE(run.err, QStringLiteral("velora: card found, but no control library for it is available on this system\n"));
    QCOMPARE(m_card->takeLogLines(), QStringList());
}

void TestCommandLine::commandsAtTheSameMomentAreBothCarriedOut()
{
    plugIn();
    QProcess first;
    QProcess second;
    first.start(QStringLiteral(VELORA_BINARY_DIR "/velora"), {"--play-mute", "on"});
    second.start(QStringLiteral(VELORA_BINARY_DIR "/velora"), {"--eq", "1200=1"});
    QVERIFY(first.waitForFinished(15000));
    QVERIFY(second.waitForFinished(15000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(newWrites().size(), 2);
    const QJsonObject status = statusOf(velora({"--status", "--json"}));
    QCOMPARE(status.value("playMute"), QJsonValue(true));
    QCOMPARE(status.value("bands"), QJsonValue(bands(33, 29, 1, 28, 17)));
}

void TestCommandLine::listCardsNamesEveryCard()
{
    plugIn();
    VirtualCardProcess other;
    other.setTrace(false);
    QVERIFY(other.start({"--model", "zq06", "--state", m_stateDir->filePath("other.state")}));
    const Run run = velora({"--list-cards", "--json"});
    QCOMPARE(run.exitCode, 0);
    const QJsonArray cards = QJsonDocument::fromJson(run.out.toUtf8()).array();
    QCOMPARE(cards.size(), 2);
    QStringList models;
    for (const QJsonValue &card : cards) {
        models << card.toObject().value("model").toString();
        QCOMPARE(card.toObject().value("vendorId"), QJsonValue("0C76"));
    }
    models.sort();
    QCOMPARE(models, (QStringList{"zq05", "zq06"}));
    // Listing touches no card.
    QCOMPARE(newWrites(), QStringList());
}

void TestCommandLine::theWindowCarriesOutTheCommandAsItsClicksWould()
{
    plugIn();
    startWindow();
    // The window's own read left both mutes off (its switches start off): the toggle turns it on.
    Run run = velora({"--mic-mute", "toggle"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());
    // The window wrote it from what it holds; a command on its own would have read the card first.
    const QStringList lines = m_card->takeLogLines();
    QCOMPARE(writes(lines), QStringList{"00 00 01 21 1D 23 1C 11"});
    QCOMPARE(lines.filter(QRegularExpression("^read ")), QStringList());
    QCOMPARE(velora({"--mic-mute", "toggle"}).exitCode, 0);
    QCOMPARE(newWrites(), QStringList{"00 00 00 21 1D 23 1C 11"});
    // A style is checked on the page, so a band changed next is stored into it, as a slider would.
    QCOMPARE(velora({"--style", "jazz"}).exitCode, 0);
    QCOMPARE(velora({"--eq", "300=20"}).exitCode, 0);
    QCOMPARE(newWrites(), (QStringList{"00 00 00 1A 1F 24 1F 1A", "00 00 00 1A 14 24 1F 1A"}));
    const QSettings ini(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                            + "/Norvane/velora/config/setting.ini",
                        QSettings::IniFormat);
    QCOMPARE(ini.value("knightConfig/300Hz").toInt(), 20);
    run = velora({"--status", "--json"});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject status = statusOf(run);
    QCOMPARE(status.value("style"), QJsonValue(2));
    QCOMPARE(status.value("bands"), QJsonValue(bands(26, 20, 36, 31, 26)));
    QCOMPARE(status.value("serial"), QJsonValue("VC05000000001"));
    // Two commands at once: the window takes them one after the other.
    QProcess first;
    QProcess second;
    first.start(QStringLiteral(VELORA_BINARY_DIR "/velora"), {"--play-mute", "on"});
    second.start(QStringLiteral(VELORA_BINARY_DIR "/velora"), {"--eq", "60=1"});
    QVERIFY(first.waitForFinished(15000) && second.waitForFinished(15000));
    QCOMPARE(first.exitCode() + second.exitCode(), 0);
    QCOMPARE(newWrites().size(), 2);
    const QJsonObject after = statusOf(velora({"--status", "--json"}));
    QCOMPARE(after.value("playMute"), QJsonValue(true));
    QCOMPARE(after.value("bands"), QJsonValue(bands(1, 20, 36, 31, 26)));
    // The window is still the one running copy: a plain start still just brings it to the front, and
    // Qt's own options (a widget style) do not make a start a command.
    QCOMPARE(velora({}).exitCode, 0);
    QCOMPARE(velora({"-style", "fusion"}).exitCode, 0);
    QCOMPARE(m_window->state(), QProcess::Running);
}

void TestCommandLine::aCardFailureInTheWindowIsAnsweredNotBoxed()
{
    // The window's arrival read passes; the first write fails once.
    plugIn({"--fail", "Fast_WriteI2C_ById:24"});
    startWindow();
    const Run run = velora({"--play-mute", "on"});
    QCOMPARE(run.exitCode, 3);
    QCOMPARE(run.err, QStringLiteral("velora: writeData fnDLL3S_Fast_WriteI2C_ById fail:   return24\n"));
    QCOMPARE(newWrites(), QStringList());
    // No box holds the window: the next command is answered at once.
    QCOMPARE(velora({"--mic-mute", "on"}).exitCode, 0);
    QCOMPARE(newWrites(), QStringList{"00 01 01 21 1D 23 1C 11"});
}

void TestCommandLine::aWindowThatDoesNotAnswerIsGivenUpOn()
{
    plugIn();
    // A stand-in for the running copy that takes the connection and never answers.
    QLocalServer silent;
    QLocalServer::removeServer(QStringLiteral("veloraKey05")); // left by the window killed before
    QVERIFY(silent.listen(QStringLiteral("veloraKey05")));
    QList<QLocalSocket *> held;
    connect(&silent, &QLocalServer::newConnection, this, [&] { held.append(silent.nextPendingConnection()); });
    QProcess command;
    QElapsedTimer clock;
    clock.start();
    command.start(QStringLiteral(VELORA_BINARY_DIR "/velora"), {"--mic-mute", "toggle"});
    QTRY_COMPARE_WITH_TIMEOUT(command.state(), QProcess::NotRunning, 10000);
    QVERIFY(clock.elapsed() >= 4500);
    QCOMPARE(command.exitCode(), 3);
    QCOMPARE(QString::fromLocal8Bit(command.readAllStandardError()).count('\n'), 1);
    // It did not go round the window to the card either.
    QCOMPARE(newWrites(), QStringList());
    QCOMPARE(held.size(), 1);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
