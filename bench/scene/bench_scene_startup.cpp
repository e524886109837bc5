// Start-up time from process start to the first frame on screen: the main window with the whole scene,
// against a minimal program whose QQuickWidget shows one Rectangle, both run as fresh processes of this
// executable in the same run. Prints the medians and their ratio.
#include "app/mainwidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const int runs = 7;
const char frameLine[] = "first-frame";

// Reports the first frame of `view` once it has reached the screen: the scene renders off screen
// first; the widget's next paint composes that frame into the window, whose buffers are swapped in the
// same pass, so the report is queued behind that paint.
class FirstFrameWatch : public QObject
{
public:
    explicit FirstFrameWatch(QQuickWidget *view) : QObject(view)
    {
        connect(view->quickWindow(), &QQuickWindow::afterRendering, this, [this] { m_rendered = true; },
                Qt::DirectConnection);
        view->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_rendered && !m_reported) {
            m_reported = true;
            QTimer::singleShot(0, qApp, [] {
                std::printf("%s\n", frameLine);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_rendered = false;
    bool m_reported = false;
};

int runChild(int argc, char *argv[], bool full)
{
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    QQuickWidget *view = nullptr;
    if (full) {
        window = std::make_unique<MainWidget>();
        view = window->findChild<QQuickWidget *>();
    } else {
        auto *minimal = new QQuickWidget;
        minimal->setResizeMode(QQuickWidget::SizeRootObjectToView);
        minimal->setSource(QUrl(QStringLiteral("qrc:/bench/minimal.qml")));
        window.reset(minimal);
        view = minimal;
    }
    if (!view)
        return 2;
    new FirstFrameWatch(view);
    window->show();
    QTimer::singleShot(30000, &app, [] { QCoreApplication::exit(3); });
    return app.exec();
}

// Milliseconds from starting a child to its first-frame line, or a negative number on failure.
double timeOneStart(const QString &program, const QString &mode)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    child.start(program, { QStringLiteral("--child"), mode });
    double elapsed = -1;
    while (elapsed < 0 && child.waitForReadyRead(30000)) {
        while (child.canReadLine()) {
            if (child.readLine().trimmed() == frameLine)
                elapsed = clock.nsecsElapsed() / 1e6;
        }
    }
    if (!child.waitForFinished(30000))
        child.kill();
    return elapsed;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv, qstrcmp(argv[2], "full") == 0);

    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> full, minimal;
    // Alternate the two programs so that a busy moment of the machine falls on both alike.
    for (int i = 0; i < runs; ++i) {
        const double m = timeOneStart(self, QStringLiteral("minimal"));
        const double f = timeOneStart(self, QStringLiteral("full"));
        if (m < 0 || f < 0) {
            std::fprintf(stderr, "a child did not show its first frame\n");
            return 1;
        }
        minimal.push_back(m);
        full.push_back(f);
    }
    const double fullMedian = median(full);
    const double minimalMedian = median(minimal);
    std::printf("scene.startup.full_window: %.1f ms\n", fullMedian);
    std::printf("scene.startup.minimal_quickwidget: %.1f ms\n", minimalMedian);
    std::printf("scene.startup.full_window.ratio: %.2f\n", fullMedian / minimalMedian);
    return 0;
}
