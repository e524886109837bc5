#include "recorder/takesession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The editing state of a take, without a widget: numbers of cuts, undo and redo, and what an
// export may never overwrite.
class TestTakeSession : public QObject
{
    Q_OBJECT

private slots:
    void cutsUndoAndRedoWalkTheVersions();
};

void TestTakeSession::cutsUndoAndRedoWalkTheVersions()
{
    QTemporaryDir dir;
    const QString take = dir.filePath("clip_0001.wav");
    auto version = [&dir](int n) { return dir.filePath(QString("clip_0001_%1.wav").arg(n)); };
    QFile leftover(version(2));
    QVERIFY(leftover.open(QIODevice::WriteOnly));
    leftover.close();

    TakeSession session;
    QVERIFY(!session.hasTake());
    session.start(take);
    QCOMPARE(session.current(), take);
    QVERIFY(!session.canUndo() && !session.canRedo());
    QCOMPARE(session.nextCutPath(), version(1));
    QCOMPARE(session.nextCutPath(), version(1));  // asking again does not use a number up
    session.applyCut(version(1));
    QCOMPARE(session.nextCutPath(), version(3));   // the leftover _2 is passed over
    session.applyCut(version(3));
    QCOMPARE(session.undoPaths(), QStringList({take, version(1)}));

    QVERIFY(session.undo());
    QVERIFY(session.undo());
    QCOMPARE(session.current(), take);
    QVERIFY(!session.undo());
    QCOMPARE(session.redoPaths(), QStringList({version(3), version(1)}));
    QVERIFY(session.redo());
    QCOMPARE(session.current(), version(1));
    QCOMPARE(session.reachable(), QStringList({take, version(1), version(3)}));
    QCOMPARE(session.cutIndex(), 4);  // undo never lowers it

    // A new cut leaves nothing to redo; the version it can no longer reach is an orphan, the
    // leftover it never made is not.
    session.applyCut(version(4));
    QVERIFY(!session.canRedo());
    QCOMPARE(session.undoPaths(), QStringList({take, version(1)}));
    QCOMPARE(session.orphans(), QStringList(version(3)));

    for (const QString &own : {take, version(1), version(9), dir.path() + "/../" + QDir(dir.path()).dirName() + "/clip_0001.wav"})
        QVERIFY2(session.isOwnFile(own), qPrintable(own));
    for (const QString &other : {dir.filePath("clip_0001.mp3"), dir.filePath("clip_0002.wav"), dir.filePath("clip_0001_x.wav")})
        QVERIFY2(!session.isOwnFile(other), qPrintable(other));

    session.start(dir.filePath("clip_0002.wav"));
    QCOMPARE(session.cutIndex(), 1);
    QVERIFY(session.orphans().isEmpty());
    QVERIFY(!session.canUndo() && !session.canRedo());
}

QTEST_GUILESS_MAIN(TestTakeSession)
#include "tst_takesession.moc"
