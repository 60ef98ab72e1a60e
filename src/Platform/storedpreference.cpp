#include "storedpreference.h"

#include "defaultskeys.h"
#include "userdefaults.h"

#include <QQmlInfo>

namespace
{
QPointer<UserDefaults> s_defaults;
}

StoredPreference::StoredPreference(QObject *parent)
    : QObject(parent)
{
    if (s_defaults) {
        connect(s_defaults, &UserDefaults::valueChanged, this, [this](const QString &changed) {
            if (changed == m_key)
                Q_EMIT valueChanged();
        });
    }
}

void StoredPreference::setDefaults(UserDefaults *defaults)
{
    s_defaults = defaults;
}

UserDefaults *StoredPreference::defaults()
{
    return s_defaults;
}

void StoredPreference::setKey(const QString &key)
{
    if (key == m_key)
        return;
    m_key = key;
    if (m_complete)
        warnIfUnknown();
    Q_EMIT keyChanged();
    Q_EMIT valueChanged();
}

void StoredPreference::componentComplete()
{
    m_complete = true;
    warnIfUnknown();
}

const Defaults::Entry *StoredPreference::entry() const
{
    for (const Defaults::Entry &entry : Defaults::entries()) {
        if (m_key == QLatin1String(entry.name))
            return &entry;
    }
    return nullptr;
}

void StoredPreference::warnIfUnknown() const
{
    if (!entry())
        qmlWarning(this) << "StoredPreference: \"" << m_key << "\" is not a stored key";
}

QVariant StoredPreference::value() const
{
    const Defaults::Entry *known = entry();
    if (!known)
        return {};
    const QVariant fallback = known->fallback();
    const QVariant stored = s_defaults ? s_defaults->value(m_key) : QVariant();
    if (!stored.isValid())
        return fallback;
    // Stored values come back as text from the settings file: give them the default's type.
    QVariant typed = stored;
    if (typed.metaType() != fallback.metaType() && typed.canConvert(fallback.metaType()))
        typed.convert(fallback.metaType());
    return typed;
}

void StoredPreference::setValue(const QVariant &value)
{
    if (!s_defaults || !entry())
        return;
    s_defaults->setValue(m_key, value);
}
