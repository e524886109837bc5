#include "recorder/takepath.h"

#include <QtTest>

class TestTakePath : public QObject
{
    Q_OBJECT
private slots:
    void localPath_data();
    void localPath();
};

void TestTakePath::localPath_data()
{
    QTest::addColumn<QUrl>("location");
    QTest::addColumn<QString>("path");

    // A plain path has no scheme, so it is no "local file" to QUrl: its path is the file's.
    QTest::newRow("plain path") << QUrl(QStringLiteral("/root/Music/clip_0001.wav"))
                                << QStringLiteral("/root/Music/clip_0001.wav");
    QTest::newRow("plain path, space and percent") << QUrl(QStringLiteral("/tmp/my takes/a%b 1.wav"))
                                                   << QStringLiteral("/tmp/my takes/a%b 1.wav");
    QTest::newRow("file url") << QUrl(QStringLiteral("file:///home/a/clip_0002.wav"))
                              << QStringLiteral("/home/a/clip_0002.wav");
    QTest::newRow("file url, escaped") << QUrl::fromLocalFile(QStringLiteral("/tmp/x%y #1.wav"))
                                       << QStringLiteral("/tmp/x%y #1.wav");
    QTest::newRow("slash before drive") << QUrl(QStringLiteral("/C:/Users/a/Music/clip_0001.wav"))
                                        << QStringLiteral("C:/Users/a/Music/clip_0001.wav");
    QTest::newRow("slash before bare drive") << QUrl(QStringLiteral("/d:")) << QStringLiteral("d:");
    // Parsed as a scheme, the drive letter comes back in lower case, which Windows does not mind.
    QTest::newRow("bare drive path") << QUrl(QStringLiteral("C:/Users/a/clip_0001.wav"))
                                     << QStringLiteral("c:/Users/a/clip_0001.wav");
    // Not a drive: a colon further on, or a longer first folder.
    QTest::newRow("colon later") << QUrl(QStringLiteral("/CD:/take.wav")) << QStringLiteral("/CD:/take.wav");
    QTest::newRow("relative") << QUrl(QStringLiteral("clip_0001.wav")) << QStringLiteral("clip_0001.wav");
    QTest::newRow("empty") << QUrl() << QString();
    QTest::newRow("remote") << QUrl(QStringLiteral("http://example.com/clip.wav")) << QString();
}

void TestTakePath::localPath()
{
    QFETCH(QUrl, location);
    QFETCH(QString, path);
    QCOMPARE(takeLocalPath(location), path);
}

QTEST_GUILESS_MAIN(TestTakePath)
#include "tst_takepath.moc"
