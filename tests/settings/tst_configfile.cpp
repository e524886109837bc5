#include "settings/configfile.h"
#include "settings/presetstore.h"
#include "sandbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

namespace {

const QVariantList pop = {34, 37, 32, 34, 41};
const QVariantList dance = {40, 36, 27, 30, 18};
const QVariantList knight = {26, 31, 36, 31, 26};
const QVariantList rock = {37, 32, 27, 32, 37};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

class TstConfigFile : public QObject
{
    Q_OBJECT
public:
    explicit TstConfigFile(const Sandbox &sandbox)
        : m_configDir(sandbox.dataHome() + "/Norvane/velora/config"),
          m_ini(m_configDir + "/setting.ini"),
          m_languageFile(sandbox.configHome() + "/Quadel/quadelDriver.conf")
    {
    }

private slots:
    void init()
    {
        QDir(m_configDir).removeRecursively();
        QFile::remove(m_languageFile);
    }

    void missingFileReadsBuiltInStylesAndCreatesNothing()
    {
        ConfigFile config;
        QVERIFY(QFileInfo(m_configDir).isDir());
        QCOMPARE(config.getEqualizerConfig(0), pop);
        QCOMPARE(config.getEqualizerConfig(1), dance);
        QCOMPARE(config.getEqualizerConfig(2), knight);
        QCOMPARE(config.getEqualizerConfig(3), rock);
        QCOMPARE(config.getCustomText(0), QString());
        QCOMPARE(config.getLanguage(), QString());
        QVERIFY(!QFile::exists(m_ini));
        QVERIFY(!QFile::exists(m_languageFile));
    }

    void savedBandMixesWithBuiltInsAndIsOnDiskAtOnce()
    {
        ConfigFile config;
        config.saveEqualizerConfig(3, 4, 45);
        QSettings disk(m_ini, QSettings::IniFormat);
        QCOMPARE(disk.childGroups(), QStringList{"rockConfig"});
        QCOMPARE(disk.value("rockConfig/12000Hz").toInt(), 45);
        QCOMPARE(disk.allKeys().size(), 1);
        QCOMPARE(config.getEqualizerConfig(3), (QVariantList{37, 32, 27, 32, 45}));

        config.saveEqualizerConfig(0, 0, 0);
        config.saveEqualizerConfig(0, 2, 43);
        QCOMPARE(ConfigFile().getEqualizerConfig(0), (QVariantList{0, 37, 43, 34, 41}));
        QCOMPARE(ConfigFile().getEqualizerConfig(1), dance);
    }

    void removingStyleRestoresItAndKeepsEverythingElse()
    {
        ConfigFile config;
        config.saveEqualizerConfig(3, 4, 45);
        config.saveEqualizerConfig(3, 0, 1);
        config.saveEqualizerConfig(1, 1, 20);
        config.setCustomText(3, "Vocal");
        config.removeEqualizerConfig(3);
        QCOMPARE(config.getEqualizerConfig(3), rock);
        QCOMPARE(config.getEqualizerConfig(1), (QVariantList{40, 20, 27, 30, 18}));
        QCOMPARE(config.getCustomText(3), QString("Vocal"));
        QVERIFY(!QSettings(m_ini, QSettings::IniFormat).childGroups().contains("rockConfig"));
    }

    void indexesNamingNoStyleOrBandTouchNothing()
    {
        ConfigFile config;
        config.saveEqualizerConfig(2, 1, 9);
        config.setCustomText(0, "Mine");
        const QByteArray before = readAll(m_ini);
        for (int style : {-1, 4, 100}) {
            config.saveEqualizerConfig(style, 0, 5);
            config.removeEqualizerConfig(style);
            QCOMPARE(config.getEqualizerConfig(style), (QVariantList{0, 0, 0, 0, 0}));
        }
        for (int band : {-1, 5})
            config.saveEqualizerConfig(2, band, 5);
        QCOMPARE(readAll(m_ini), before);
        QCOMPARE(config.getEqualizerConfig(2), (QVariantList{26, 9, 36, 31, 26}));
        QCOMPARE(config.getCustomText(0), QString("Mine"));
    }

    void customTextsSurviveANewInstance()
    {
        const QString text = QString::fromUtf8("我的, 风格 = \"7\"; #1");
        QCOMPARE(ConfigFile().getCustomText(7), QString());
        ConfigFile().setCustomText(7, text);
        ConfigFile().setCustomText(-2, "negative");
        ConfigFile config;
        QCOMPARE(config.getCustomText(7), text);
        QCOMPARE(config.getCustomText(-2), QString("negative"));
        QCOMPARE(config.getCustomText(8), QString());
        QCOMPARE(QSettings(m_ini, QSettings::IniFormat).value("CustomText/7").toString(), text);
        config.setCustomText(7, QString());
        QCOMPARE(ConfigFile().getCustomText(7), QString());
    }

    void languageLivesInItsOwnNativeStore()
    {
        QSettings("Velora", "zq02").setValue("Language", "English");
        ConfigFile config;
        QCOMPARE(config.getLanguage(), QString());
        config.setLanguage(QString::fromUtf8("简体中文"));
        QCOMPARE(ConfigFile().getLanguage(), QString::fromUtf8("简体中文"));
        QCOMPARE(QSettings(m_languageFile, QSettings::NativeFormat).value("Language").toString(),
                 QString::fromUtf8("简体中文"));
        QVERIFY(!QFile::exists(m_ini));
    }

    void damagedFileReadsAsBuiltInsAndStaysWritable_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QVariantList>("dance");
        QTest::addColumn<QVariantList>("rock");

        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage.append(char((i * 7919 + 13) % 256));
        QTest::newRow("garbage bytes") << garbage << dance << rock;
        QTest::newRow("garbage around a good group")
            << garbage + "\n[danceMusicConfig]\n60Hz=3\n" + garbage.left(100) << QVariantList{3, 36, 27, 30, 18} << rock;
        QTest::newRow("truncated in a value") << QByteArray("[danceMusicConfig]\n60Hz=3\n300Hz=")
                                              << QVariantList{3, 36, 27, 30, 18} << rock;
        QTest::newRow("truncated in a header") << QByteArray("[danceMusicConfig]\n60Hz=3\n[rockCon")
                                               << QVariantList{3, 36, 27, 30, 18} << rock;
        QTest::newRow("wrong shapes")
            << QByteArray("rockConfig=12\n[danceMusicConfig]\n60Hz\\deep=1\n300Hz=1, 2\n1200Hz=loud\n3600Hz=4\n")
            << QVariantList{40, 36, 27, 4, 18} << rock;
        QTest::newRow("empty file") << QByteArray() << dance << rock;
    }

    void damagedFileReadsAsBuiltInsAndStaysWritable()
    {
        QFETCH(QByteArray, content);
        QFETCH(QVariantList, dance);
        QFETCH(QVariantList, rock);
        ConfigFile config;
        writeAll(m_ini, content);
        QCOMPARE(config.getEqualizerConfig(1), dance);
        QCOMPARE(config.getEqualizerConfig(3), rock);
        QCOMPARE(config.getCustomText(1), QString());

        config.saveEqualizerConfig(2, 0, 12);
        config.setCustomText(1, "After");
        ConfigFile fresh;
        QCOMPARE(fresh.getEqualizerConfig(2), (QVariantList{12, 31, 36, 31, 26}));
        QCOMPARE(fresh.getEqualizerConfig(1), dance);
        QCOMPARE(fresh.getCustomText(1), QString("After"));
    }

    void missingFolderIsMadeAgainOnWrite()
    {
        ConfigFile config;
        config.setCustomText(0, "Kept");
        QVERIFY(QDir(m_configDir).removeRecursively());
        QCOMPARE(config.getEqualizerConfig(0), pop);
        config.saveEqualizerConfig(0, 1, 5);
        QCOMPARE(QSettings(m_ini, QSettings::IniFormat).value("popularConfig/300Hz").toInt(), 5);
    }

    void blockedFolderFailsLoudlyWithoutCrashing()
    {
        ConfigFile config;
        QVERIFY(QDir(m_configDir).removeRecursively());
        writeAll(m_configDir, "not a folder");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^\\*\\*\\*settings not saved: .*setting\\.ini$"));
        config.saveEqualizerConfig(0, 1, 5);
        QCOMPARE(config.getEqualizerConfig(0), pop);
        QCOMPARE(readAll(m_configDir), QByteArray("not a folder"));
        QVERIFY(QFile::remove(m_configDir));
    }

    // The file itself stays writable: the store still must not rewrite it in place, where a write cut
    // short would lose every setting. Permissions do not bind root, so as root the write runs in a
    // child process as "nobody".
    void readOnlyFolderLosesNoSetting()
    {
        // Under /tmp: the test's own temporary folder lies in a sandbox that "nobody" may not enter,
        // where the child could not even read the file and the check would pass for that reason.
        QTemporaryDir base(QStringLiteral("/tmp/velora-readonly-XXXXXX"));
        QVERIFY(QFile::setPermissions(base.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                       | QFile::ReadOther | QFile::ExeOther));
        const QString data = base.filePath("data"), config = data + "/Norvane/velora/config";
        QVERIFY(QDir().mkpath(config));
        const QByteArray original = "[CustomText]\n0=Mine\n\n[knightConfig]\n60Hz=1\n";
        writeAll(config + "/setting.ini", original);

        QStringList program = {QCoreApplication::applicationFilePath()};
        if (geteuid() == 0) {
            const passwd *nobody = getpwnam("nobody");
            QVERIFY(nobody);
            for (const QString &path : {data, data + "/Norvane", data + "/Norvane/velora", config, config + "/setting.ini"})
                QCOMPARE(chown(QFile::encodeName(path), nobody->pw_uid, nobody->pw_gid), 0);
            program = QStringList{"setpriv", "--reuid=nobody", "--regid=" + QString::number(nobody->pw_gid),
                                  "--clear-groups"} + program;
        }
        QVERIFY(QFile::setPermissions(config, QFile::ReadOwner | QFile::ExeOwner));

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", base.path());
        env.insert("XDG_DATA_HOME", data);
        env.insert("XDG_CONFIG_HOME", base.filePath("config"));
        child.setProcessEnvironment(env);
        child.start(program.takeFirst(), program + QStringList{"--save", "2", "1", "9"});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitCode(), 0);
        const QByteArray messages = child.readAllStandardError();

        QFile::setPermissions(config, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(readAll(config + "/setting.ini"), original);
        QVERIFY2(messages.contains("***settings not saved"), messages.constData());
    }

    // Storing a preset into style 2 writes its five bands into "knightConfig" and nothing else: the
    // other styles, their names and any key the program does not know stay as they were; the style's
    // name changes only when asked.
    void presetStoredIntoAStyleChangesOnlyThatGroup()
    {
        QVERIFY(QDir().mkpath(m_configDir));
        writeAll(m_ini, "[popularConfig]\n60Hz=1\n\n[knightConfig]\n60Hz=2\n300Hz=3\n\n[rockConfig]\n12000Hz=4\n\n"
                        "[CustomText]\n0=mine\n2=jazzy\n\n[elsewhere]\nkey=value\n");
        PresetStore presets;
        QCOMPARE(presets.save(QStringLiteral("夜间"), {10, 20, 30, 40, 43}), QString());
        QVERIFY(!presets.storeIntoStyle(QStringLiteral("夜间"), 4, false).isEmpty());
        QVERIFY(!presets.storeIntoStyle(QStringLiteral("none"), 2, false).isEmpty());
        const QSettings before(m_ini, QSettings::IniFormat);
        QMap<QString, QVariant> kept;
        for (const QString &key : before.allKeys())
            kept.insert(key, before.value(key));

        QCOMPARE(presets.storeIntoStyle(QStringLiteral("夜间"), 2, false), QString());
        QSettings after(m_ini, QSettings::IniFormat);
        for (const QString &key : after.allKeys()) {
            if (!key.startsWith("knightConfig/"))
                QCOMPARE(after.value(key), kept.value(key));
        }
        QCOMPARE(after.allKeys().size(), kept.size() + 3);
        ConfigFile config;
        QCOMPARE(config.getEqualizerConfig(2), (QVariantList{10, 20, 30, 40, 43}));
        QCOMPARE(config.getEqualizerConfig(0), (QVariantList{1, 37, 32, 34, 41}));
        QCOMPARE(config.getCustomText(2), QStringLiteral("jazzy"));

        QCOMPARE(presets.storeIntoStyle(QStringLiteral("夜间"), 2, true), QString());
        QCOMPARE(config.getCustomText(2), QStringLiteral("夜间"));
        QCOMPARE(config.getCustomText(0), QStringLiteral("mine"));
    }

    void instanceIsOneStoreInTheDataFolder()
    {
        ConfigFile *store = ConfigFile::instance();
        QVERIFY(store);
        QCOMPARE(ConfigFile::instance(), store);
        QVERIFY(!store->parent());
        store->setCustomText(5, "shared");
        QCOMPARE(QSettings(m_ini, QSettings::IniFormat).value("CustomText/5").toString(), QString("shared"));
    }

private:
    const QString m_configDir;
    const QString m_ini;
    const QString m_languageFile;
};

int main(int argc, char *argv[])
{
    // Child mode of the read-only test: one write, made by a user that folder permissions bind.
    if (argc == 5 && qstrcmp(argv[1], "--save") == 0) {
        QCoreApplication app(argc, argv);
        app.setOrganizationName("Norvane");
        app.setApplicationName("velora");
        ConfigFile().saveEqualizerConfig(atoi(argv[2]), atoi(argv[3]), atoi(argv[4]));
        return 0;
    }
    Sandbox sandbox;
    QCoreApplication app(argc, argv);
    app.setOrganizationName("Norvane");
    app.setApplicationName("velora");
    TstConfigFile test(sandbox);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_configfile.moc"
