#ifndef VIRTUALCARDPROCESS_H
#define VIRTUALCARDPROCESS_H

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// A real velora-virtualcard process for tests: plugged in by start(), pulled out by stop() (a clean
// end) or kill() (kill -9). The card runs with --log and --trace; its output goes to a file,
// so a test reads exactly what the card printed before answering the calls it made, with no event
// loop and no pipe to drain.
class VirtualCardProcess
{
public:
    VirtualCardProcess();
    ~VirtualCardProcess(); // kills a card still running
    VirtualCardProcess(const VirtualCardProcess &) = delete;
    VirtualCardProcess &operator=(const VirtualCardProcess &) = delete;

    // Whether the card prints every library call ("call ..." lines, on by default); a benchmark turns
    // them off. Takes effect at the next start().
    void setTrace(bool trace) { m_trace = trace; }

    // Starts the card with these options and waits until its socket listens. False when it does not
    // come up in time or ends; errorText() then holds what it said.
    bool start(const QStringList &options = {}, int timeoutMs = 10000);
    // SIGTERM: the card removes its socket file and ends.
    bool stop(int timeoutMs = 5000);
    // SIGKILL: the card vanishes, its socket file stays behind and refuses connections.
    bool kill(int timeoutMs = 5000);
    // Waits for the card to end by itself (for example after --pull-after).
    bool waitForFinished(int timeoutMs = 5000);

    bool isRunning() const;
    int exitCode() const;
    QString socketPath() const { return m_socketPath; }
    QString errorText() const;

    // Every line the card printed so far.
    QStringList logLines();
    // The lines printed since the last call (all of them the first time).
    QStringList takeLogLines();
    // The library calls among `lines`: "GetGpioEx_ById 0C76 1000 2 1 -> 0 : 01", without "call ".
    static QStringList calls(const QStringList &lines);

    // The velora-virtualcard executable of this build.
    static QString program();
    // The bus folder of this process's runtime folder (where cards of this test appear).
    static QString busFolder();

private:
    void readLog();

    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_socketPath;
    QStringList m_lines;
    qint64 m_logOffset = 0;
    int m_taken = 0;
    bool m_trace = true;
};

#endif // VIRTUALCARDPROCESS_H
