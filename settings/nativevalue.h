#ifndef NATIVEVALUE_H
#define NATIVEVALUE_H

#include <QString>

#include <memory>

class QSettings;

// One string value in the per-user native settings store (the registry on Windows, a file under the
// user's configuration folder elsewhere), opened for each read or write and closed again at once.
class NativeValue
{
public:
    NativeValue(const QString &organization, const QString &application, const QString &key);

    QString read() const;   // empty when the value does not exist or cannot be read
    void write(const QString &value) const;

    // Flushes the pending writes of a settings object; logs and returns false when they did not reach
    // the store, so that a lost write never goes unnoticed.
    static bool commit(QSettings &settings);

private:
    std::unique_ptr<QSettings> open() const;

    QString m_organization;
    QString m_application;
    QString m_key;
};

#endif
