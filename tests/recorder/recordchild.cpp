// A process that records a take with the recorder panel and says where, once two seconds of audio
// are in the file; then it records on until it is killed.
#include "recorder/recordwidget.h"

#include <QApplication>
#include <QAudioRecorder>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    RecordWidget widget;
    widget.show();
    QMetaObject::invokeMethod(&widget, "on_btnRecord_clicked");
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const QString path = widget.recorder()->outputLocation().path();
        if (QFileInfo(path).size() > 44 + 2 * 44100 * 4) {
            std::printf("%s\n", qPrintable(path));
            std::fflush(stdout);
            poll.stop();
        }
    });
    poll.start(100);
    return app.exec();
}
