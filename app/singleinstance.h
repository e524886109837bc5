#ifndef SINGLEINSTANCE_H
#define SINGLEINSTANCE_H

#include <QObject>
#include <QSharedMemory>

// Keeps one running copy: the first copy owns a small shared segment holding its window handle; a later
// start finds the segment, asks that window to come to the front and ends.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // The data tag of an activation request.
    static constexpr quint32 activationTag = 10086;

    explicit SingleInstance(QObject *parent = nullptr);

    // True when another copy already runs (after asking it to come to the front); false when this
    // process is now the first copy and owns the segment.
    bool isRunning(const QString &key);

    // Publishes the shown main window to later starts and begins taking their requests.
    void publishWindow(quintptr handle);

signals:
    // A later start asked this copy's window to come to the front.
    void activationRequested();

private:
    void clearStaleSegment();
    void requestActivation(quint32 handle);
    void listen();

    QSharedMemory m_segment;
};

#endif
