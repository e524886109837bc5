#include "audiofiles.h"
#include "recorder/clipprompts.h"
#include "recorder/recordwidget.h"
#include "recorder/recoverybar.h"
#include "recorder/takerecovery.h"
#include "recorder/takespace.h"
#include "recorder/wavefile.h"
#include "recorder/waveformwidget.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QToolButton>
#include <QAudioRecorder>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <memory>

// Takes cut short are repaired in place and offered: a take whose recording process was killed for
// real, and takes damaged in other ways beside files that are not the recorder's.
using namespace audiofiles;

namespace {

quint32 sizeAt(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar *>(bytes.constData()) + offset);
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A canonical 16-bit PCM take (as the recorder writes it) of `seconds`, with its sizes replaced.
QByteArray take(double seconds, quint32 riffSize, quint32 dataSize)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.wav");
    makeTake(path, seconds);
    QByteArray bytes = contents(path);
    if (bytes.size() < 44)
        return QByteArray(); // no take was made: nothing to write the sizes into
    uchar size[4];
    qToLittleEndian(riffSize, size);
    bytes.replace(4, 4, reinterpret_cast<const char *>(size), 4);
    qToLittleEndian(dataSize, size);
    bytes.replace(40, 4, reinterpret_cast<const char *>(size), 4);
    return bytes;
}

} // namespace

class TestTakeRecovery : public QObject
{
    Q_OBJECT

private:
    // Starts the recording child with `arguments` and waits for its first line; then kills it.
    static QString killChildAfterItsWord(const QStringList &arguments);

private slots:
    void initTestCase();
    void killedRecordingIsRepairedAndOffered();
    void takesAndJobLeftoversAreFoundWhereverTheyWereWritten();
    void damagedTakesAreRepairedAndOtherFilesLeftAlone();
    void fullDiskRefusesATakeAndFinishesOneInTime();
};

void TestTakeRecovery::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("PULSE_SERVER"), "the recorder's tests need the suite's sound server");
}

// kill -9 in the middle of a take: the next start gives the file the header of the audio it holds,
// leaving the audio as it was, and offers it; opened (with Enter), it is the current take.
void TestTakeRecovery::killedRecordingIsRepairedAndOffered()
{
    QProcess child;
    child.start(QString(VELORA_BINARY_DIR) + "/tests/recorder/velora-recordchild", QStringList());
    QVERIFY(child.waitForReadyRead(30000));
    const QString path = QString::fromLocal8Bit(child.readLine()).trimmed();
    child.kill();
    QVERIFY(child.waitForFinished(5000));
    const QByteArray killed = contents(path);
    QCOMPARE(sizeAt(killed, 40), 0x7FFF0000u);  // what the recorder wrote at the start

    RecordWidget widget;
    widget.show();
    auto *bar = widget.findChild<RecoveryBar *>();
    QTRY_VERIFY(bar->isVisible());
    QCOMPARE(bar->offeredPath(), path);
    QVERIFY(bar->findChild<QLabel *>()->text().startsWith("恢复的录音"));
    const QByteArray repaired = contents(path);
    const quint32 dataBytes = quint32(killed.size() - 44) / 4 * 4;
    QCOMPARE(sizeAt(repaired, 40), dataBytes);
    QCOMPARE(sizeAt(repaired, 4), dataBytes + 36);
    QCOMPARE(repaired.mid(44), killed.mid(44));
    WaveFile reader;
    QVERIFY(reader.readWaveFile(path));
    QVERIFY(qAbs(durationOf(path) * 1000 - reader.durationMs()) <= 1);
    QVERIFY(reader.durationMs() >= 2000);

    // Open, from the keyboard.
    QPushButton *open = bar->findChildren<QPushButton *>().first();
    QApplication::setActiveWindow(&widget);
    open->setFocus(Qt::TabFocusReason);
    QTest::keyClick(open, Qt::Key_Return);
    QTRY_VERIFY(bar->isHidden());
    QCOMPARE(widget.playPath(), path);
    QCOMPARE(widget.recordState(), int(RecorderSession::TakeFinished));
    QCOMPARE(widget.findChild<WaveformWidget *>()->columnCount(), int(dataBytes / 4 / 1920));
    QVERIFY(widget.findChild<WaveformWidget *>()->supportClip());
}

QString TestTakeRecovery::killChildAfterItsWord(const QStringList &arguments)
{
    QProcess child;
    child.start(QString(VELORA_BINARY_DIR) + "/tests/recorder/velora-recordchild", arguments);
    const bool spoke = child.waitForReadyRead(30000);
    const QString word = QString::fromLocal8Bit(child.readLine()).trimmed();
    child.kill();
    child.waitForFinished(5000);
    return spoke ? word : QString();
}

// Without a Music folder but with a Documents folder takes are written into Documents, numbered on
// from the takes already there (versions and other files do not count): a take killed there is
// repaired and offered too, and the room for a take is measured there. What an export that was
// killed was writing is removed at the next start; other hidden files stay.
void TestTakeRecovery::takesAndJobLeftoversAreFoundWhereverTheyWereWritten()
{
    const QString documents = QDir::home().filePath("Documents");
    QVERIFY(QDir().mkpath(documents));
    QVERIFY(!QFileInfo::exists(QDir::home().filePath("Music")));
    QCOMPARE(TakeSpace::nextTakeFolder(), documents);
    const QByteArray finished = take(0.5, 36 + 88200, 88200);
    for (const char *name : {"clip_0007.wav", "clip_0009_1.wav", "clip_0011.mp3", "clip_x.wav"})
        QVERIFY(write(QDir(documents).filePath(name), finished));
    const QString take = killChildAfterItsWord({});
    QCOMPARE(take, QDir(documents).filePath("clip_0008.wav"));

    QTemporaryDir exports;
    QVERIFY(makeTake(exports.filePath("source.wav"), 1.0));
    const QString ours = [&exports] {
        StandInTool slow("exec /bin/sleep 20\n");
        return killChildAfterItsWord({"export", exports.filePath("source.wav"), exports.filePath("talk.mp3")});
    }();
    QCOMPARE(ours, QString("running"));
    const QStringList hidden = QDir(exports.path()).entryList({".*"}, QDir::Files | QDir::Hidden);
    QCOMPARE(hidden.size(), 1);
    QVERIFY(write(exports.filePath(".notes.abcdef.mp3"), "someone's own"));

    // The start-up of the same program, whose settings the child kept.
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName("velora-recordchild");
    auto restore = qScopeGuard([&name] { QCoreApplication::setApplicationName(name); });
    RecordWidget widget;
    widget.show();
    auto *bar = widget.findChild<RecoveryBar *>();
    QTRY_VERIFY(bar->isVisible());
    QCOMPARE(bar->offeredPath(), take);
    QVERIFY(!TakeRecovery::repairFile(take));
    QCOMPARE(QDir(exports.path()).entryList(QDir::Files | QDir::Hidden), QStringList({".notes.abcdef.mp3", "source.wav"}));
}

void TestTakeRecovery::damagedTakesAreRepairedAndOtherFilesLeftAlone()
{
    QTemporaryDir music;
    const QDir folder(music.path());
    const QByteArray provisional = take(1.0, 0x7FFF0000u, 0x7FFF0000u);
    QVERIFY(write(folder.filePath("clip_0001.wav"), provisional));
    // Cut off mid-frame, and a header garbled to nonsense.
    QVERIFY(write(folder.filePath("clip_0002.wav"), take(2.0, 0x7FFF0000u, 0x7FFF0000u).left(44 + 4 * 1000 + 3)));
    QVERIFY(write(folder.filePath("clip_0003.wav"), take(0.5, 0xFFFFFFFFu, 12345u)));
    // Files that are not takes of the recorder, or need nothing.
    const QByteArray good = take(0.5, 36 + 88200, 88200);
    QVERIFY(write(folder.filePath("clip_0004.wav"), good));
    QVERIFY(write(folder.filePath("notes.wav"), provisional));
    QVERIFY(write(folder.filePath("clip_0001_1.wav"), provisional));
    QByteArray foreign = provisional;
    foreign.replace(12, 4, "LIST");  // another layout than the recorder's
    QVERIFY(write(folder.filePath("clip_0005.wav"), foreign));
    // A finished take to which another editor added a LIST chunk after the audio.
    const QByteArray list = QByteArray("LIST") + QByteArray("\x1a\0\0\0", 4) + "INFOISFT" + QByteArray("\x0e\0\0\0", 4)
        + QByteArray("Lavf59.27.100\0", 14);
    const QByteArray tagged = take(0.5, 36 + 88200 + list.size(), 88200) + list;
    QVERIFY(write(folder.filePath("clip_0006.wav"), tagged));

    const QVector<TakeRecovery::Take> repaired = TakeRecovery::repair({music.path()});
    QStringList names;
    for (const TakeRecovery::Take &t : repaired)
        names << QFileInfo(t.path).fileName();
    names.sort();
    QCOMPARE(names, QStringList({"clip_0001.wav", "clip_0002.wav", "clip_0003.wav"}));
    QCOMPARE(sizeAt(contents(folder.filePath("clip_0001.wav")), 40), 44100u * 4);
    const QByteArray cutShort = contents(folder.filePath("clip_0002.wav"));
    QCOMPARE(cutShort.size(), 44 + 4 * 1000 + 3);  // nothing removed
    QCOMPARE(sizeAt(cutShort, 40), 4000u);
    QCOMPARE(sizeAt(cutShort, 4), 4036u);
    QCOMPARE(sizeAt(contents(folder.filePath("clip_0003.wav")), 40), 22050u * 4);
    QCOMPARE(contents(folder.filePath("clip_0004.wav")), good);
    QCOMPARE(contents(folder.filePath("notes.wav")), provisional);
    QCOMPARE(contents(folder.filePath("clip_0001_1.wav")), provisional);
    QCOMPARE(contents(folder.filePath("clip_0005.wav")), foreign);
    QCOMPARE(contents(folder.filePath("clip_0006.wav")), tagged);
    QVERIFY(TakeRecovery::repair({music.path()}).isEmpty());
}

// A small disk as the take folder: too little room refuses a take; room that runs out finishes
// the take while its file can still be completed.
void TestTakeRecovery::fullDiskRefusesATakeAndFinishesOneInTime()
{
    const QString music = QDir::home().filePath("Music");
    QVERIFY(QDir().mkpath(music));
    auto mount = [&music](const char *size) {
        return QProcess::execute("mount", {"-t", "tmpfs", "-o", QString("size=") + size, "tmpfs", music}) == 0;
    };
    auto unmount = qScopeGuard([&music] { QProcess::execute("umount", {music}); });
    if (!mount("50m"))
        QSKIP("no small file system could be mounted here (mounting needs root)");
    QStringList failures;
    ClipPrompts::setFailureReporter([&failures](const QString &, const QString &text) { failures << text; });
    auto restore = qScopeGuard([] { ClipPrompts::setFailureReporter(nullptr); });
    auto widget = std::make_unique<RecordWidget>();
    widget->show();
    auto *record = widget->findChild<QToolButton *>("btnRecord");

    QTest::mouseClick(record, Qt::LeftButton);
    QCOMPARE(widget->recorder()->state(), QMediaRecorder::StoppedState);
    QCOMPARE(failures.size(), 1);
    QVERIFY2(failures[0].contains("不够录 10 分钟"), qPrintable(failures[0]));

    QProcess::execute("umount", {music});
    QVERIFY(mount("120m"));
    QTest::mouseClick(record, Qt::LeftButton);
    QCOMPARE(widget->recorder()->state(), QMediaRecorder::RecordingState);
    QTRY_VERIFY_WITH_TIMEOUT(widget->elapsedMs() >= 1000, 15000);
    // Someone else fills the disk up to a few megabytes.
    QFile filler(music + "/filler");
    QVERIFY(filler.open(QIODevice::WriteOnly));
    const QByteArray block(1 << 20, '\0');
    while (QStorageInfo(music).bytesAvailable() > 8 * (1 << 20))
        QVERIFY(filler.write(block) == block.size() && filler.flush());
    filler.close();
    QTRY_COMPARE_WITH_TIMEOUT(widget->recorder()->state(), QMediaRecorder::StoppedState, 5000);
    QCOMPARE(failures.size(), 2);
    QVERIFY2(failures[1].contains("录音已停止并保存"), qPrintable(failures[1]));
    const QString path = widget->playPath();
    QVERIFY(path.startsWith(music));
    QVERIFY2(!TakeRecovery::repairFile(path), "the take's header was not completed");
    WaveFile reader;
    QVERIFY(reader.readWaveFile(path));
    QVERIFY(reader.durationMs() >= 1000);
    widget.reset();
}

QTEST_MAIN(TestTakeRecovery)
#include "tst_takerecovery.moc"
