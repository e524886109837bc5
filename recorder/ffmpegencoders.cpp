#include "ffmpegencoders.h"

#include "ffmpegjob.h"

#include <QRegularExpression>

FfmpegEncoders::FfmpegEncoders(QObject *parent) : QObject(parent)
{
    m_process.setStandardInputFile(QProcess::nullDevice());
    connect(&m_process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this, [this] {
        m_names = parse(m_process.readAllStandardOutput());
        emit ready();
    });
}

FfmpegEncoders::~FfmpegEncoders()
{
    m_process.disconnect(this);
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(1000);
}

void FfmpegEncoders::query()
{
    const QString program = FfmpegJob::programPath();
    if (m_asked || program.isEmpty())
        return;
    m_asked = true;
    m_process.start(program, {"-hide_banner", "-encoders"});
}

// Audio encoders are the lines whose six flag letters start with "A": " A....D flac   FLAC ...".
QSet<QString> FfmpegEncoders::parse(const QByteArray &listing)
{
    QSet<QString> names;
    const QRegularExpression audioLine(QStringLiteral("^\\s*A[A-Z.]{5}\\s+(\\w\\S*)"), QRegularExpression::MultilineOption);
    for (auto it = audioLine.globalMatch(QString::fromLocal8Bit(listing)); it.hasNext();)
        names.insert(it.next().captured(1));
    return names;
}
