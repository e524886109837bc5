#include "diagnosticlog.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QStandardPaths>
#include <QTextStream>

namespace {

struct LogSettings
{
    QString directory;
    int maxFiles = 0;
    LogClock clock = nullptr;
};

// The page the keep-open handler writes to, kept across messages.
struct KeptPage
{
    QMutex mutex;
    QFile file;
    QTextStream stream;
    quint32 written = 0;
};

// Allocated once and never freed: messages raised while the process tears down its statics must still
// find the handlers' state alive.
LogSettings &settings()
{
    static LogSettings *s = new LogSettings;
    return *s;
}

KeptPage &keptPage()
{
    static KeptPage *p = new KeptPage;
    return *p;
}

QMutex &perMessageMutex()
{
    static QMutex *m = new QMutex;
    return *m;
}

const quint32 reopenThreshold = 512;

struct Entry
{
    QString line;     // time stamp and message, as the debugger output gets it
    QString html;     // the page's div for it
    QString pageName; // the hour's page
};

Entry makeEntry(QtMsgType type, const QString &msg)
{
    const LogClock clock = settings().clock;
    const QDateTime now = clock ? clock() : QDateTime::currentDateTime();
    const int severity = (type >= QtDebugMsg && type <= QtInfoMsg) ? int(type) : int(QtDebugMsg);
    Entry e;
    e.line = QStringLiteral("%1 %2").arg(now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")), msg);
    // Messages carry file names and device strings: as markup they could break or script the page.
    e.html = QStringLiteral("<div class=\"%1\">%2</div>\r\n")
                 .arg(QString(QLatin1Char("dwcfi"[severity])), e.line.toHtmlEscaped());
    e.pageName = QStringLiteral("%1/%2_log.html")
                     .arg(settings().directory, now.toString(QStringLiteral("yyyy-MM-dd_hh")));
    return e;
}

// Opens a page for appending; a page that did not exist yet starts with the header.
bool openPage(QFile &file, QTextStream &stream, const QString &name)
{
    file.setFileName(name);
    const bool existed = file.exists();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    stream.setDevice(&file);
    stream.setCodec("UTF-8");
    if (!existed)
        stream << logPageHeader() << "\r\n";
    return true;
}

void writeKept(const Entry &e)
{
    KeptPage &page = keptPage();
    QMutexLocker lock(&page.mutex);
    // A page that failed to open is tried again with the next message rather than dropping the hour.
    if (page.file.fileName() != e.pageName || !page.file.isOpen()) {
        page.file.close();
        if (!openPage(page.file, page.stream, e.pageName))
            return;
    }
    page.stream << e.html;
    page.stream.flush();
    page.written += quint32(e.html.size());
    if (page.written >= reopenThreshold) {
        page.file.close();
        page.file.open(QIODevice::WriteOnly | QIODevice::Append);
    }
}

void writeOnce(const Entry &e)
{
    QMutexLocker lock(&perMessageMutex());
    QFile file;
    QTextStream stream;
    if (!openPage(file, stream, e.pageName))
        return;
    stream << e.html;
    stream.flush();
    file.close();
}

// A message raised by the file work below (a warning of the file layer) never comes back into the
// handler to wait on its own mutex: while a handler runs, Qt sends that thread's further messages
// straight to stderr.
void handle(QtMsgType type, const QString &msg, void (*write)(const Entry &))
{
    const Entry e = makeEntry(type, msg);
    write(e);
    writeDebuggerOutput(e.line);
}

// A new installation starts from a closed page, so that a directory made anew is written to, not a
// page file that was deleted under the open handle.
void closeKeptPage()
{
    KeptPage &page = keptPage();
    QMutexLocker lock(&page.mutex);
    page.file.close();
    page.file.setFileName(QString());
}

void prune(const QString &directory, int maxFiles)
{
    QDir dir(directory);
    QStringList files = dir.entryList(QDir::Files, QDir::Name);
    // A file that cannot be removed is dropped from the list all the same, so this always ends.
    while (files.size() > maxFiles)
        dir.remove(files.takeFirst());
}

} // namespace

void installLog(const QString &dirName, int maxFiles, bool keepOpen)
{
    // The directory is known before the handler goes in, so no message can land on a page without it.
    settings().directory =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QLatin1Char('/') + dirName;
    settings().maxFiles = maxFiles;
    closeKeptPage();
    qInstallMessageHandler(keepOpen ? keepOpenHandler : perMessageHandler);
    QDir().mkpath(settings().directory);
    prune(settings().directory, maxFiles);
}

void keepOpenHandler(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    handle(type, msg, writeKept);
}

void perMessageHandler(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    handle(type, msg, writeOnce);
}

QString logDirectory()
{
    return settings().directory;
}

void setLogClock(LogClock clock)
{
    settings().clock = clock;
}

QString logPageHeader()
{
    return QStringLiteral(
        "\n"
        "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\"?>\n"
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" "
        "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\n"
        "<html xmlns=\"http://www.w3.org/1999/xhtml\">\n"
        "<head>\n"
        "<title>Brenwick log file</title>\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />\n"
        "<style type=\"text/css\" id=\"logCss\">\n"
        "body { background: #18242b; color: #afc6d1; margin-right: 20px; margin-left: 20px; "
        "font-size: 14px; font-family: Arial, sans-serif, sans; }\n"
        "a { text-decoration: none; }\n"
        "a:link { color: #a0b2bb; }\n"
        "a:active { color: #f59504; }\n"
        "a:visited { color: #adc7d4; }\n"
        "a:hover { color: #e49115; }\n"
        "h1 { text-align: center; }\n"
        "h2 { color: #ebe5e5; }\n"
        ".d, .w, .c, .f, .i { padding: 3px; overflow: auto; }\n"
        ".d { background-color: #0f1011; color: #a8c1ce; }\n"
        ".i { background-color: #294453; color: #a8c1ce; }\n"
        ".w { background-color: #7993a0; color: #1b2329; }\n"
        ".c { background-color: #ff952b; color: #1d2930; }\n"
        ".f { background-color: #fc0808; color: #19242b; }\n"
        "</style>\n"
        "</head>\n"
        "<body>\n"
        "<h1><a href=\"https://norvane.example/velora\">Quadel Tablet Logger</a> </h1>\n"
        "<script type=\"text/JavaScript\">\n"
        "function objHide(obj) {\n"
        "    obj.style.display = \"none\";\n"
        "}\n"
        "function objShow(obj) {\n"
        "    obj.style.display = \"block\";\n"
        "}\n"
        "function selectType() {\n"
        "    var value = document.getElementById(\"typeSelect\").value;\n"
        "    var types = [\"d\", \"i\", \"w\", \"c\", \"f\"];\n"
        "    for (var t = 0; t < types.length; t++) {\n"
        "        var items = document.getElementsByClassName(types[t]);\n"
        "        for (var n = 0; n < items.length; n++) {\n"
        "            if (value == 'a' || value == types[t])\n"
        "                objShow(items[n]);\n"
        "            else\n"
        "                objHide(items[n]);\n"
        "        }\n"
        "    }\n"
        "}\n"
        "</script>\n"
        "<select id=\"typeSelect\" onchange=\"selectType()\">\n"
        "<option value=\"a\" selected=\"selected\">All</option>\n"
        "<option value=\"d\">Debug</option>\n"
        "<option value=\"i\">Info</option>\n"
        "<option value=\"w\">Warning</option>\n"
        "<option value=\"c\">Critical</option>\n"
        "<option value=\"f\">Fatal</option>\n"
        "</select>\n");
}
