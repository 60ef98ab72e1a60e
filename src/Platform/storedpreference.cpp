#include "storedpreference.h"

#include "defaultskeys.h"
#include "userdefaults.h"

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
    Q_EMIT keyChanged();
    Q_EMIT valueChanged();
}

QVariant StoredPreference::fallback() const
{
    for (const Defaults::Entry &entry : Defaults::entries()) {
        if (m_key == QLatin1String(entry.name))
            return entry.fallback();
    }
    return {};
}

QVariant StoredPreference::value() const
{
    if (!s_defaults || m_key.isEmpty())
        return fallback();
    const QVariant stored = s_defaults->value(m_key);
    if (!stored.isValid())
        return fallback();
    // Stored values come back as text from the settings file: give them the default's type.
    QVariant typed = stored;
    const QVariant def = fallback();
    if (def.isValid() && typed.metaType() != def.metaType() && typed.canConvert(def.metaType()))
        typed.convert(def.metaType());
    return typed;
}

void StoredPreference::setValue(const QVariant &value)
{
    if (!s_defaults || m_key.isEmpty())
        return;
    s_defaults->setValue(m_key, value);
}
