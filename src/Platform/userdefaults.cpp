#include "userdefaults.h"

#include <QDir>
#include <QStandardPaths>

UserDefaults::UserDefaults(const QString &filePath, QObject *parent)
    : QObject(parent)
    , m_settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{
}

UserDefaults::~UserDefaults() = default;

QString UserDefaults::defaultFilePath()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QDir(dir).filePath(QStringLiteral("userdefaults.ini"));
}

QString UserDefaults::filePath() const
{
    return m_settings->fileName();
}

bool UserDefaults::value(const BoolKey &key) const
{
    const QVariant stored = m_settings->value(QLatin1String(key.name));
    return stored.isValid() ? stored.toBool() : key.fallback();
}

QString UserDefaults::value(const StringKey &key) const
{
    const QVariant stored = m_settings->value(QLatin1String(key.name));
    return stored.isValid() ? stored.toString() : key.fallback();
}

QByteArray UserDefaults::value(const DataKey &key) const
{
    const QVariant stored = m_settings->value(QLatin1String(key.name));
    return stored.isValid() ? stored.toByteArray() : key.fallback();
}

void UserDefaults::setValue(const BoolKey &key, bool value)
{
    setValue(QLatin1String(key.name), value);
}

void UserDefaults::setValue(const StringKey &key, const QString &value)
{
    setValue(QLatin1String(key.name), value);
}

void UserDefaults::setValue(const DataKey &key, const QByteArray &value)
{
    setValue(QLatin1String(key.name), value);
}

QVariant UserDefaults::value(const QString &key, const QVariant &fallback) const
{
    return m_settings->value(key, fallback);
}

void UserDefaults::setValue(const QString &key, const QVariant &value)
{
    if (m_settings->contains(key) && m_settings->value(key) == value)
        return;
    m_settings->setValue(key, value);
    m_settings->sync();
    Q_EMIT valueChanged(key);
}

bool UserDefaults::contains(const QString &key) const
{
    return m_settings->contains(key);
}

void UserDefaults::remove(const QString &key)
{
    if (!m_settings->contains(key))
        return;
    m_settings->remove(key);
    m_settings->sync();
    Q_EMIT valueChanged(key);
}

void UserDefaults::sync()
{
    m_settings->sync();
}
