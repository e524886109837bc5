#include "nativevalue.h"

#include <QDebug>
#include <QSettings>

NativeValue::NativeValue(const QString &organization, const QString &application, const QString &key)
    : m_organization(organization), m_application(application), m_key(key)
{
}

std::unique_ptr<QSettings> NativeValue::open() const
{
    auto store = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             m_organization, m_application);
    // Only the application's own key counts: no organization-wide or system-wide fall-backs.
    store->setFallbacksEnabled(false);
    return store;
}

QString NativeValue::read() const
{
    return open()->value(m_key).toString();
}

void NativeValue::write(const QString &value) const
{
    const auto store = open();
    store->setValue(m_key, value);
    commit(*store);
}

bool NativeValue::commit(QSettings &settings)
{
    settings.sync();
    if (settings.status() != QSettings::AccessError)
        return true;
    qWarning().noquote() << "***settings not saved:" << settings.fileName();
    return false;
}
