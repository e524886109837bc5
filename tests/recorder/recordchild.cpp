// A process that records a take with the recorder panel and says where, once two seconds of audio
// are in the file; then it records on until it is killed. With "export <input> <output>" it starts
// exporting input to output instead, says so once the encoder runs, and waits to be killed.
#include "recorder/ffmpegarguments.h"
#include "recorder/ffmpegjob.h"
#include "recorder/recordwidget.h"

#include <QApplication>
#include <QAudioRecorder>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>

namespace {

int exportUntilKilled(QApplication &app, const QString &input, const QString &output)
{
    FfmpegJob job;
    if (!job.start(FfmpegArguments::exportTo(input, output), 0, FfmpegJob::Existing::Replace))
        return 1;
    std::printf("running\n");
    std::fflush(stdout);
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 4 && arguments[1] == "export")
        return exportUntilKilled(app, arguments[2], arguments[3]);
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
