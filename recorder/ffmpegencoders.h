#ifndef FFMPEGENCODERS_H
#define FFMPEGENCODERS_H

#include <QObject>
#include <QProcess>
#include <QSet>
#include <QString>

// The audio encoders the installed tool has, asked for once in the background.
class FfmpegEncoders : public QObject
{
    Q_OBJECT

public:
    explicit FfmpegEncoders(QObject *parent = nullptr);
    // A question still running is ended: the panel may go before the tool answered.
    ~FfmpegEncoders() override;

    // Starts the question unless it was asked already.
    void query();
    // Empty until the answer came, and when the tool could not be asked.
    QSet<QString> names() const { return m_names; }
    // The names in a listing of the tool's "-encoders".
    static QSet<QString> parse(const QByteArray &listing);

signals:
    void ready();

private:
    QProcess m_process;
    QSet<QString> m_names;
    bool m_asked = false;
};

#endif // FFMPEGENCODERS_H
