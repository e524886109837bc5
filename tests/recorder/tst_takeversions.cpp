#include "audiofiles.h"
#include "recorder/takelist.h"
#include "recorder/takespace.h"
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
    void listedTakeRenamesWithItsVersionsAndKeepsItsNumber();

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

// The take list shows the recorder's takes and the ones renamed from it, never versions or other
// files. A rename carries the take's versions along, refuses a name that is unusable, taken or
// ambiguous without touching a file, and never lets the recorder's numbering reuse or skip a name.
void TestTakeVersions::listedTakeRenamesWithItsVersionsAndKeepsItsNumber()
{
    QTemporaryDir dir;
    const QDir folder(dir.path());
    QVERIFY(audiofiles::makeTake(folder.filePath("clip_0001.wav"), 1.0));
    QVERIFY(audiofiles::makeTake(folder.filePath("clip_0001_1.wav"), 0.5));
    QVERIFY(audiofiles::makeTake(folder.filePath("clip_0001_2.wav"), 0.25));
    QVERIFY(audiofiles::makeTake(folder.filePath("clip_0002.wav"), 2.0));
    QVERIFY(audiofiles::makeTake(folder.filePath("clip_0003.wav"), 0.1));
    QVERIFY(audiofiles::makeTake(folder.filePath("talk.wav"), 0.1));
    QVERIFY(touch(folder.filePath("notes.txt")));
    const auto listed = [&folder] {
        QStringList names;
        for (const TakeList::Take &take : TakeList::takes(folder.path()))
            names << QFileInfo(take.path).fileName() + " " + QString::number(take.durationMs);
        names.sort();
        return names;
    };
    QCOMPARE(listed(), QStringList({"clip_0001.wav 1000", "clip_0002.wav 2000", "clip_0003.wav 100"}));

    // The newest take renamed: the next take still gets a number of its own.
    QString error;
    const QByteArray third = audiofiles::contents(folder.filePath("clip_0003.wav"));
    QCOMPARE(TakeList::rename(folder.filePath("clip_0003.wav"), " interview.WAV ", &error),
             folder.filePath("interview.wav"));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(audiofiles::contents(folder.filePath("interview.wav")), third);
    QCOMPARE(TakeSpace::nextTakePath(folder.path()), folder.filePath("clip_0004.wav"));

    // Names refused, the files as they were: each says why.
    const QStringList before = folder.entryList(QDir::Files, QDir::Name);
    for (const QString &name : {QString(), QString("a/b"), QString("a.b"), QString("x:y"), QString("clip_0099"),
                                QString("clip"), QString("interview"), QString("talk"), QString("clip_0002_1")}) {
        QVERIFY2(TakeList::rename(folder.filePath("clip_0001.wav"), name, &error).isEmpty(), qPrintable(name));
        QVERIFY2(!error.isEmpty(), qPrintable(name));
    }
    // "interview_1" would look like a version of the renamed take.
    QVERIFY(TakeList::rename(folder.filePath("clip_0002.wav"), "interview_1", &error).isEmpty());
    QVERIFY(error.contains("interview.wav"));
    QCOMPARE(folder.entryList(QDir::Files, QDir::Name), before);

    // A take with versions, renamed twice: the versions keep their numbers and audio, and the
    // first take's number stays taken.
    const QByteArray firstCut = audiofiles::contents(folder.filePath("clip_0001_1.wav"));
    QCOMPARE(TakeList::rename(folder.filePath("clip_0001.wav"), "song", &error), folder.filePath("song.wav"));
    QCOMPARE(TakeList::rename(folder.filePath("song.wav"), "song two", &error), folder.filePath("song two.wav"));
    QCOMPARE(TakeList::versionsOf(folder.filePath("song two.wav")),
             QStringList({folder.filePath("song two_1.wav"), folder.filePath("song two_2.wav")}));
    QCOMPARE(audiofiles::contents(folder.filePath("song two_1.wav")), firstCut);
    QCOMPARE(listed(), QStringList({"clip_0002.wav 2000", "interview.wav 100", "song two.wav 1000"}));
    QCOMPARE(folder.entryList(QDir::Files, QDir::Name),
             QStringList({"clip_0002.wav", "interview.wav", "notes.txt", "song two.wav", "song two_1.wav",
                          "song two_2.wav", "talk.wav"}));
    QVERIFY(QFile::remove(folder.filePath("interview.wav")));
    QVERIFY(QFile::remove(folder.filePath("clip_0002.wav")));
    QCOMPARE(TakeSpace::nextTakePath(folder.path()), folder.filePath("clip_0002.wav"));
}

QTEST_GUILESS_MAIN(TestTakeVersions)
#include "tst_takeversions.moc"
