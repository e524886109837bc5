#include "singleinstance.h"

#include <cstring>

SingleInstance::SingleInstance(QObject *parent) : QObject(parent) {}

bool SingleInstance::isRunning(const QString &key)
{
    useKey(key); // detaches from any earlier key
    // Creation is atomic across processes: exactly one start can win it. A segment left by a killed
    // copy is cleared first; a failed creation clears once more, because only then does the file
    // exist by which such a segment is found.
    for (int attempt = 0; attempt < 2; ++attempt) {
        clearStaleSegment();
        if (m_segment.create(sizeof(quint32)))
            return false;
    }
    if (!m_segment.attach())
        return true;
    const quint32 handle = takeStoredHandle(m_segment);
    // A zero handle means the first copy has not shown its window yet: there is nothing to raise.
    if (handle != 0)
        requestActivation(handle);
    return true;
}

quint32 SingleInstance::takeStoredHandle(QSharedMemory &segment)
{
    quint32 handle = 0;
    if (segment.lock()) {
        if (const void *data = segment.constData())
            std::memcpy(&handle, data, sizeof handle);
        segment.unlock();
    }
    segment.detach();
    return handle;
}

void SingleInstance::publishWindow(quintptr handle)
{
    // Take requests before announcing the window, so that no start finds a handle nobody answers for.
    listen();
    if (!m_segment.lock())
        return;
    if (void *data = m_segment.data()) {
        const quint32 value = quint32(handle);
        std::memcpy(data, &value, sizeof value);
    }
    m_segment.unlock();
}

void SingleInstance::setCommandHandler(std::function<QByteArray(const QByteArray &)> handler)
{
    m_commandHandler = std::move(handler);
}
