#include "singleinstance.h"

#include "win32shell.h"

void SingleInstance::useKey(const QString &key)
{
    // A named segment lives in the session's own namespace: one running copy per session.
    m_segment.setKey(key);
}

void SingleInstance::clearStaleSegment()
{
    // The system removes the segment with the last process holding it: nothing outlives a crash.
}

void SingleInstance::requestActivation(quint32 handle)
{
    win32shell::sendActivation(win32shell::windowFromStoredHandle(handle), activationTag);
}

void SingleInstance::listen()
{
    // Requests arrive as window messages to the main window itself.
}

SingleInstance::Delivery SingleInstance::sendCommand(const QString &key, const QByteArray &request, QByteArray *answer,
                                                     int startMs, int workMs)
{
    // The running copy's window handle, read from its segment without taking the segment over.
    QSharedMemory segment(key);
    if (!segment.attach(QSharedMemory::ReadOnly))
        return Delivery::NoWindow;
    const quint32 handle = takeStoredHandle(segment);
    std::string reply;
    const auto delivery = win32shell::sendCommand(win32shell::windowFromStoredHandle(handle), commandTag, answerTag,
                                                  request.toStdString(), &reply, unsigned(startMs + workMs));
    if (delivery == win32shell::CommandDelivery::NoWindow)
        return Delivery::NoWindow;
    if (delivery == win32shell::CommandDelivery::NoAnswer)
        return Delivery::NoAnswer;
    *answer = QByteArray::fromStdString(reply);
    return Delivery::Answered;
}
