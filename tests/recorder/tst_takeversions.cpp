#include "recorder/takeversions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestTakeVersions : public QObject
{
    Q_OBJECT

private slots:
    void versionsAreNamedAfterTheTake_data();
    void versionsAreNamedAfterTheTake();
    void removesOnlyVersionsOfTheTake();
    void removingEveryNameStillSparesOtherNames();

private:
    static bool touch(const QString &path);
    // Every entry of the folder, as paths, but those kept.
    static QStringList allBut(const QDir &folder, const QStringList &kept);
};

QStringList TestTakeVersions::allBut(const QDir &folder, const QStringList &kept)
{
    QStringList paths;
    for (const QString &name : folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden)) {
        if (!kept.contains(name))
            paths << folder.filePath(name);
    }
    return paths;
}

bool TestTakeVersions::touch(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("x") == 1;
}

void TestTakeVersions::versionsAreNamedAfterTheTake_data()
{
    QTest::addColumn<QString>("take");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("version");
    QTest::newRow("first") << "C:/rec/take.wav" << 1 << "C:/rec/take_1.wav";
    QTest::newRow("no leading zeros") << "/home/u/Music/clip_0001.wav" << 12 << "/home/u/Music/clip_0001_12.wav";
    QTest::newRow("base name to the first dot") << "/r/my.take.wav" << 3 << "/r/my_3.wav";
    QTest::newRow("suffix case kept") << "/r/Take.WAV" << 2 << "/r/Take_2.WAV";
}

void TestTakeVersions::versionsAreNamedAfterTheTake()
{
    QFETCH(QString, take);
    QFETCH(int, n);
    QFETCH(QString, version);
    const TakeVersions versions(take);
    QCOMPARE(versions.versionPath(n), version);
    QVERIFY(versions.isVersionName(QFileInfo(version).fileName()));
    QVERIFY(!versions.isVersionName(QFileInfo(take).fileName()));
}

void TestTakeVersions::removesOnlyVersionsOfTheTake()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QDir folder(dir.path());
    const QStringList names{"take.wav",     "take_1.wav",     "take_2.wav",   "take_3.wav",  "take_4.wav",
                            "take_10.wav",  "take_5.mp3",     "take_x.wav",   "take_.wav",   "mytake_1.wav",
                            "take_1.wav.bak", "take_1a.wav",  "take_2_1.wav", "other.wav",   "Take_6.wav",
                            "take_7.WAV",   "take.1.wav"};
    for (const QString &name : names)
        QVERIFY(touch(folder.filePath(name)));
    QVERIFY(folder.mkdir("take_8.wav"));
    QVERIFY(touch(dir.path() + "/../velora-tidy-target.wav"));
    QVERIFY(QFile::link(dir.path() + "/../velora-tidy-target.wav", folder.filePath("take_9.wav")));

    // A version's name in another folder is another take's.
    QTemporaryDir elsewhere;
    QVERIFY(touch(elsewhere.filePath("take_3.wav")));

    const TakeVersions versions(folder.filePath("take.wav"));
    // Everything offered but take_1, take_2 and take_4.
    const QStringList removed = versions.removeVersions(
        allBut(folder, {"take_1.wav", "take_2.wav", "take_4.wav"}) << elsewhere.filePath("take_3.wav"));

    QCOMPARE(removed, QStringList({folder.filePath("take_10.wav"), folder.filePath("take_3.wav")}));
    QVERIFY(QFile::exists(elsewhere.filePath("take_3.wav")));
    QStringList left = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    QStringList expected = names + QStringList({"take_8.wav", "take_9.wav"});
    expected.removeAll("take_3.wav");
    expected.removeAll("take_10.wav");
    left.sort();
    expected.sort();
    QCOMPARE(left, expected);
    QVERIFY(QFile::exists(dir.path() + "/../velora-tidy-target.wav"));
    QFile::remove(dir.path() + "/../velora-tidy-target.wav");
}

void TestTakeVersions::removingEveryNameStillSparesOtherNames()
{
    QTemporaryDir dir;
    const QDir folder(dir.path());
    for (const char *name : {"clip_0001.wav", "clip_0001_1.wav", "clip_0002.wav", "clip_0002_1.wav", "notes.txt"})
        QVERIFY(touch(folder.filePath(QLatin1String(name))));

    const QStringList removed = TakeVersions(folder.filePath("clip_0002.wav")).removeVersions(allBut(folder, {}));

    QCOMPARE(removed, QStringList(folder.filePath("clip_0002_1.wav")));
    QCOMPARE(folder.entryList(QDir::Files, QDir::Name),
             QStringList({"clip_0001.wav", "clip_0001_1.wav", "clip_0002.wav", "notes.txt"}));
    // A take whose name has nothing before its first dot has no versions to tidy.
    QVERIFY(touch(folder.filePath(".hidden.wav")));
    QVERIFY(touch(folder.filePath("_1.wav")));
    QVERIFY(TakeVersions(folder.filePath(".hidden.wav")).removeVersions(allBut(folder, {})).isEmpty());
    QVERIFY(QFile::exists(folder.filePath("_1.wav")));
}

QTEST_GUILESS_MAIN(TestTakeVersions)
#include "tst_takeversions.moc"
