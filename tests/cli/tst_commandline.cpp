// The command line of the real velora binary against real virtual card processes, with no window
// running and with a real window: what reaches the card (its --log lines), what the command prints,
// and its exit code.

#include "virtualcardprocess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
    QByteArray rawOut;
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
    run.rawOut = process.readAllStandardOutput();
    run.out = QString::fromLocal8Bit(run.rawOut);
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

QString dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Norvane/velora";
}

// Every file of the presets folder with its bytes.
QMap<QString, QByteArray> presetFiles()
{
    QMap<QString, QByteArray> files;
    const QDir folder(dataFolder() + "/presets");
    for (const QString &name : folder.entryList(QDir::Files)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            files.insert(name, file.readAll());
    }
    return files;
}

// The --list-presets --json entry of this name, or an empty object.
QJsonObject listedPreset(const QString &name)
{
    const Run run = velora({"--list-presets", "--json"});
    for (const QJsonValue &entry : QJsonDocument::fromJson(run.rawOut).array()) {
        if (entry.toObject().value("name").toString() == name)
            return entry.toObject();
    }
    return {};
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return file.fileName();
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
    void presetsKeptExportedAndImported();
    void equalizerLinesBecomeTheFiveBands();
    void badPresetInputIsRefusedAndNothingChanges();

    void theWindowCarriesOutTheCommandAsItsClicksWould();
    void aCardFailureInTheWindowIsAnsweredNotBoxed();
    void aWindowThatDoesNotAnswerIsGivenUpOn();
    void aWindowUnderAnErrorBoxRefusesTheCommand();
    void aSlowCardGetsOneTruthfulAnswerPerCommand();
    void presetCommandsGoThroughTheWindow();

private:
    // Starts the real window and waits until it has read the plugged-in card.
    void startWindow(const QStringList &extra = {});
    // The real window, waiting for nothing.
    void launchWindow(const QStringList &extra = {});
    void waitForWindowRead();
    void plugIn(const QStringList &options = {});
    QStringList newWrites() { return writes(m_card->takeLogLines()); }

    std::unique_ptr<QTemporaryDir> m_stateDir;
    std::unique_ptr<VirtualCardProcess> m_card;
    std::unique_ptr<QProcess> m_window;
};

void TestCommandLine::init()
{
    m_stateDir.reset(new QTemporaryDir);
    QDir(dataFolder() + "/presets").removeRecursively();
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

void TestCommandLine::launchWindow(const QStringList &extra)
{
    m_window.reset(new QProcess);
    m_window->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &variable : extra)
        environment.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
    m_window->setProcessEnvironment(environment);
    m_window->start(QStringLiteral(VELORA_BINARY_DIR "/velora"), QStringList());
    QVERIFY(m_window->waitForStarted(5000));
}

void TestCommandLine::startWindow(const QStringList &extra)
{
    launchWindow(extra);
    waitForWindowRead();
}

// The window reads the card 3 s after its arrival: the block, the serial number, the firmware last.
void TestCommandLine::waitForWindowRead()
{
    QStringList lines;
    QTRY_VERIFY_WITH_TIMEOUT(!(lines += m_card->takeLogLines()).filter(QRegularExpression("^read 53:F0 ")).isEmpty(), 20000);
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
    QTest::newRow("mistyped option alone") << QStringList{"--stauts"};
    QTest::newRow("unknown option beside Qt's own") << QStringList{"-style", "fusion", "-x"};
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
    // JSON is UTF-8 whatever the locale's encoding.
    m_card.reset();
    plugIn({"--firmware", "固件"});
    const Run c = velora({"--status", "--json"}, "C", {"LC_ALL=C"});
    QCOMPARE(c.exitCode, 0);
    QCOMPARE(QJsonDocument::fromJson(c.rawOut).object().value("firmware"), QJsonValue(QStringLiteral("固件")));
    QVERIFY(text.out.contains(QLatin1String("60=43 300=42 1200=36 3600=39 12000=38")));
}

void TestCommandLine::changesWriteTheBlockAndKeepTheRest()
{
    plugIn();
    // zq05 factory block: flag 0, both mutes off, bands 21 1D 23 1C 11. A change reads the block and
    // writes it, and touches nothing else of the card.
    QCOMPARE(velora({"--mic-mute", "toggle"}).exitCode, 0);
    QCOMPARE(m_card->takeLogLines().filter(QRegularExpression("^(read|write) ")),
             (QStringList{"read 52:F0 00 00 00 21 1D 23 1C 11", "write 52:F0 00 00 01 21 1D 23 1C 11"}));
    QCOMPARE(velora({"--play-mute", "on"}).exitCode, 0);
    QCOMPARE(newWrites(), QStringList{"00 01 01 21 1D 23 1C 11"});
    // A band change keeps the mutes the card holds and the other bands.
    QCOMPARE(velora({"--eq", "300=20"}).exitCode, 0);
    QCOMPARE(newWrites(), QStringList{"00 01 01 21 14 23 1C 11"});
    // Several bands in one block, so that they reach the card together or not at all.
    QCOMPARE(velora({"--eq", "12000=0,60=43"}).exitCode, 0);
    QCOMPARE(newWrites(), QStringList{"00 01 01 2B 14 23 1C 00"});
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
    const QString rootVariable = "VELORA_SYSTEM_ROOT=" + root.path();
    const QString expected = QStringLiteral("velora: card found, but no control library for it is available on this system\n");
    const Run run = velora({"--mic-mute", "on"}, "en_US.UTF-8", {rootVariable});
    QCOMPARE(run.exitCode, 3);
    QCOMPARE(run.err, expected);
    // Through a window that has stated the card in its status line, the same answer.
    launchWindow({rootVariable});
    const QString logDir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Norvane/velora/Log";
    const auto stated = [&logDir] {
        for (const QFileInfo &page : QDir(logDir).entryInfoList(QDir::Files)) {
            QFile file(page.filePath());
            if (file.open(QIODevice::ReadOnly) && file.readAll().contains("no control library for it"))
                return true;
        }
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(stated(), 15000);
    const Run throughWindow = velora({"--mic-mute", "on"}, "en_US.UTF-8", {rootVariable});
    QCOMPARE(throughWindow.exitCode, 3);
    QCOMPARE(throughWindow.err, expected);
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
    // The window shows the mutes the card holds: the toggle turns the microphone's on.
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
    // A mistyped option is refused, not taken for a plain start that raises the window.
    QCOMPARE(velora({"--stauts"}).exitCode, 64);
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
    // No box holds the window: the next command is answered at once, and the failed one left nothing
    // behind that this write would send.
    QCOMPARE(velora({"--mic-mute", "on"}).exitCode, 0);
    QCOMPARE(newWrites(), QStringList{"00 00 01 21 1D 23 1C 11"});
}

void TestCommandLine::aWindowThatDoesNotAnswerIsGivenUpOn()
{
    plugIn();
    // A stand-in for the running copy that takes the connection and never answers.
    QLocalServer silent;
    const QString name = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/veloraKey05";
    QLocalServer::removeServer(name); // left by the window killed before
    QVERIFY(silent.listen(name));
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

// A box left open by a failed read holds the card's transfers back: a command is refused, nothing
// changes on the page or the card, and once the box is closed the same command goes through.
void TestCommandLine::aWindowUnderAnErrorBoxRefusesTheCommand()
{
    plugIn({"--fail", "Fast_ReadI2C_ById:5:1:1"});
    launchWindow();
    QProcess search;
    const auto boxOpen = [&search] {
        search.start("xdotool", {"search", "--name", "^Error prompt$"});
        return search.waitForFinished(5000) && search.exitCode() == 0;
    };
    QTRY_VERIFY_WITH_TIMEOUT(boxOpen(), 30000);
    const QString box = QString::fromLatin1(search.readAllStandardOutput()).split('\n').first();
    const Run refused = velora({"--mic-mute", "toggle"});
    QCOMPARE(refused.exitCode, 3);
    QCOMPARE(refused.err.count('\n'), 1);
    QCOMPARE(newWrites(), QStringList());

    QCOMPARE(QProcess::execute("xdotool", {"windowfocus", "--sync", box, "key", "Return"}), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!boxOpen(), 5000);
    waitForWindowRead();
    // The toggle starts from what the switch shows, which the refused command left alone.
    QCOMPARE(velora({"--mic-mute", "toggle"}).exitCode, 0);
    QCOMPARE(newWrites(), QStringList{"00 00 01 21 1D 23 1C 11"});
}

// A card that holds its ready line low for 3 s before every transfer, and three commands at once: the
// window takes them one after the other, so the third would begin after its sender's limit. Each
// command's answer is what happened on the card, and nothing happens after an answer of failure.
void TestCommandLine::aSlowCardGetsOneTruthfulAnswerPerCommand()
{
    plugIn({"--gpio2-busy", "15"});
    startWindow();

    const QList<QStringList> commands{{"--eq", "60=1,300=2,1200=3"}, {"--eq", "3600=4"}, {"--eq", "12000=5"}};
    std::vector<std::unique_ptr<QProcess>> processes;
    for (const QStringList &arguments : commands) {
        processes.emplace_back(new QProcess);
        processes.back()->start(QStringLiteral(VELORA_BINARY_DIR "/velora"), arguments);
    }
    QList<int> exitCodes;
    for (const auto &process : processes) {
        QVERIFY(process->waitForFinished(30000));
        exitCodes << process->exitCode();
    }
    QVERIFY2(exitCodes.count(0) >= 1 && exitCodes.count(3) >= 1, qPrintable(QString::number(exitCodes.count(0))));
    QCOMPARE(exitCodes.count(0) + exitCodes.count(3), 3);
    // Well past the window's last transfer: exactly one write per command that said it was done.
    QTest::qWait(4000);
    const QStringList written = newWrites();
    QCOMPARE(written.size(), exitCodes.count(0));
    const QJsonObject status = statusOf(velora({"--status", "--json"}));
    const QJsonObject gains = status.value("bands").toObject();
    const QList<QStringList> changed{{"60", "300", "1200"}, {"3600"}, {"12000"}};
    const QJsonObject factory = bands(33, 29, 35, 28, 17);
    for (int i = 0; i < 3; ++i) {
        for (const QString &hertz : changed.at(i)) {
            const bool done = exitCodes.at(i) == 0;
            QVERIFY2((gains.value(hertz) == factory.value(hertz)) != done, qPrintable(hertz));
        }
    }
}

// A preset with a Chinese name saved from the card, exported, imported under another name and
// exported again: the same five bands all the way, in the card's units and in dB; applying one is one
// write of its bands with the mutes the card holds.
void TestCommandLine::presetsKeptExportedAndImported()
{
    plugIn();
    QTemporaryDir files;
    QCOMPARE(velora({"--eq", "60=30,300=25,1200=21,3600=0,12000=43"}).exitCode, 0);
    QCOMPARE(velora({"--play-mute", "on"}).exitCode, 0);
    newWrites();
    Run run = velora({"--save-preset", "夜间 模式"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(newWrites(), QStringList());
    QCOMPARE(listedPreset("夜间 模式").value("bands"), QJsonValue(bands(30, 25, 21, 0, 43)));
    QCOMPARE(listedPreset("夜间 模式").value("dB"),
             QJsonValue(QJsonObject{{"60", 3.95}, {"300", 1.63}, {"1200", -0.23}, {"3600", -10}, {"12000", 10}}));
    QCOMPARE(velora({"--save-preset", "夜间 模式"}).exitCode, 64);

    const QString exported = files.filePath("导出.json");
    QCOMPARE(velora({"--export-preset", "夜间 模式", exported}).exitCode, 0);
    run = velora({"--import-preset", exported, "--name", "副本"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains("副本"), qPrintable(run.out));
    // Imported under its own name it would repeat the one already kept.
    QCOMPARE(velora({"--import-preset", exported}).exitCode, 64);
    const QString again = files.filePath("again.json");
    QCOMPARE(velora({"--export-preset", "副本", again}).exitCode, 0);
    QFile first(exported);
    QFile second(again);
    QVERIFY(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
    const QJsonObject before = QJsonDocument::fromJson(first.readAll()).object();
    const QJsonObject after = QJsonDocument::fromJson(second.readAll()).object();
    QCOMPARE(before.value("name"), QJsonValue("夜间 模式"));
    QCOMPARE(after.value("bands"), before.value("bands"));
    QCOMPARE(after.value("dB"), before.value("dB"));
    QCOMPARE(before.value("bands"), QJsonValue(bands(30, 25, 21, 0, 43)));

    // A file of a newer version with fields this one does not know still reads.
    QJsonObject newer = before;
    newer.insert("velora-preset", 7);
    newer.insert("name", "newer");
    newer.insert("curve", QJsonArray{1, 2, 3});
    QCOMPARE(velora({"--import-preset", writeFile(files, "newer.json", QJsonDocument(newer).toJson())}).exitCode, 0);

    QCOMPARE(velora({"--eq", "60=1,300=2,1200=3,3600=4,12000=5"}).exitCode, 0);
    newWrites();
    run = velora({"--preset", "副本"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(newWrites(), QStringList{"00 01 00 1E 19 15 00 2B"});

    // A damaged file is listed with its reason and cannot be applied; the others still list.
    QFile damaged(dataFolder() + "/presets/broken.json");
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("{\"velora-preset\": 1, \"name\": \"broken\", \"bands\": {\"60\": 99}}");
    damaged.close();
    const QJsonArray list = QJsonDocument::fromJson(velora({"--list-presets", "--json"}).rawOut).array();
    QCOMPARE(list.size(), 4);
    const QJsonObject last = list.last().toObject();
    QCOMPARE(last.value("file"), QJsonValue("broken.json"));
    QCOMPARE(last.value("damaged"), QJsonValue(true));
    QVERIFY(last.value("reason").toString().contains("60"));
    QCOMPARE(velora({"--preset", "broken"}).exitCode, 64);
    QCOMPARE(newWrites(), QStringList());
}

// A GraphicEQ line written here with a known shape: each band is the curve at its frequency on a
// log axis, snapped to the nearest step, and a gain beyond the card's range is clamped and said so.
void TestCommandLine::equalizerLinesBecomeTheFiveBands()
{
    QTemporaryDir files;
    const QString path = writeFile(files, "headphones.txt",
                                   "# measured somewhere\n\n"
                                   "GraphicEQ: 20 12; 100 0; 1000 10; 3600 -5; 15000 -14; 20000 -14\n");
    const Run run = velora({"--import-preset", path}, "en_US.UTF-8");
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains("headphones"), qPrintable(run.out));
    // 12 kHz lies 12.6 dB down, 2.6 dB beyond the card's -10 dB; no other band is beyond the range.
    QVERIFY2(run.out.contains("12000 Hz") && run.out.contains("2.6 dB"), qPrintable(run.out));
    QVERIFY2(!run.out.contains("60 Hz") && !run.out.contains("3600 Hz"), qPrintable(run.out));
    QVERIFY2(run.out.contains("clamped"), qPrintable(run.out));
    QCOMPARE(listedPreset("headphones").value("bands"), QJsonValue(bands(30, 32, 38, 11, 0)));
    // A gain far beyond any card is clamped like any other.
    QCOMPARE(velora({"--import-preset", writeFile(files, "extreme.txt", "GraphicEQ: 20 1e30; 20000 -1e30")}).exitCode, 0);
    QCOMPARE(listedPreset("extreme").value("bands"), QJsonValue(bands(43, 43, 0, 0, 0)));
}

// Each bad input is refused with a message and the usage code; the presets folder and the card are
// left as they were.
void TestCommandLine::badPresetInputIsRefusedAndNothingChanges()
{
    plugIn();
    QTemporaryDir files;
    QCOMPARE(velora({"--save-preset", "kept"}).exitCode, 0);
    const QString good = files.filePath("good.json");
    QCOMPARE(velora({"--export-preset", "kept", good}).exitCode, 0);
    const QMap<QString, QByteArray> before = presetFiles();
    QCOMPARE(before.size(), 1);
    newWrites();

    QByteArray huge = "GraphicEQ: ";
    for (int hertz = 1; huge.size() <= 2 * 1024 * 1024; ++hertz)
        huge += QByteArray::number(hertz) + " 0; ";
    const QList<QStringList> refused = {
        {"--import-preset", writeFile(files, "other.json", "{\"name\": \"x\", \"bands\": {}}")},
        {"--import-preset", writeFile(files, "words.txt", "GraphicEQ: 20 -3.1; 100 loud; 200 1")},
        {"--import-preset", writeFile(files, "order.txt", "GraphicEQ: 20 -3.1; 300 1; 100 2")},
        {"--import-preset", writeFile(files, "filters.txt", "Preamp: -6 dB\nFilter 1: ON PK Fc 100 Hz Gain -2 dB Q 1\n")},
        {"--import-preset", writeFile(files, "huge.txt", huge)},
        {"--import-preset", writeFile(files, "binary.txt", QByteArray("GraphicEQ: 20 1\0\x01\xff", 19))},
        {"--import-preset", writeFile(files, "empty.txt", "  \n")},
        {"--import-preset", files.filePath("missing.txt")},
        {"--import-preset", good, "--name", "   "},
        {"--import-preset", good},
        {"--save-preset", "  "},
        {"--preset", "not there"},
        {"--export-preset", "not there", files.filePath("out.json")},
        {"--export-preset", "kept"},
    };
    for (const QStringList &arguments : refused) {
        const Run run = velora(arguments);
        QVERIFY2(run.exitCode == 64, qPrintable(arguments.join(' ') + ": " + run.err));
        QVERIFY2(run.err.startsWith("velora: ") && run.out.isEmpty(), qPrintable(arguments.join(' ') + ": " + run.err));
        QCOMPARE(presetFiles(), before);
    }
    QCOMPARE(newWrites(), QStringList());
    QVERIFY(!QFile::exists(files.filePath("out.json")));
}

// With a window running the commands go through it: an import shows in the window's store at once,
// applying writes the card once from what the window holds (no read), and the window's card bands are
// what --save-preset keeps.
void TestCommandLine::presetCommandsGoThroughTheWindow()
{
    plugIn();
    startWindow();
    QTemporaryDir files;
    const QString path = writeFile(files, "flat.txt", "GraphicEQ: 20 -10; 20000 10\n");
    QCOMPARE(velora({"--import-preset", path, "--name", "斜坡"}).exitCode, 0);
    QCOMPARE(listedPreset("斜坡").value("bands"), QJsonValue(bands(7, 17, 25, 32, 40)));
    // A checked style is let go, so that the next band change is not stored into it.
    QCOMPARE(velora({"--style", "jazz"}).exitCode, 0);
    m_card->takeLogLines();
    Run run = velora({"--preset", "斜坡"});
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = m_card->takeLogLines();
    QCOMPARE(writes(lines), QStringList{"00 00 00 07 11 19 20 28"});
    QCOMPARE(lines.filter(QRegularExpression("^read ")), QStringList());
    QCOMPARE(velora({"--save-preset", "from window"}).exitCode, 0);
    QCOMPARE(listedPreset("from window").value("bands"), listedPreset("斜坡").value("bands"));
    QCOMPARE(velora({"--save-preset", "FROM WINDOW"}).exitCode, 64);
    QCOMPARE(statusOf(velora({"--status", "--json"})).value("style"), QJsonValue());
    QCOMPARE(m_window->state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
