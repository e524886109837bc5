#ifndef TAKEGUARD_H
#define TAKEGUARD_H

#include <QObject>

#include <memory>

// Keeps the system from ending the session or going to sleep before a take that records has been
// finished: while a take records, the system is asked to wait for the program's notice (which the
// main window answers by finishing the take); once the take is finished it may go on.
class TakeGuard : public QObject
{
    Q_OBJECT

public:
    explicit TakeGuard(QObject *parent = nullptr);
    ~TakeGuard() override;

    // Whether the system has been asked to wait and agreed.
    bool isHolding() const;

public slots:
    void setRecording(bool recording);

private:
    struct Lock;
    std::unique_ptr<Lock> m_lock;
};

#endif // TAKEGUARD_H
