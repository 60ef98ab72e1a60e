#include "userdefaults.h"

#include "logging.h"
#include "privatefiles.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

UserDefaults::UserDefaults(const QString &filePath, QObject *parent)
    : QObject(parent)
    , m_settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{
    if (!PrivateFiles::prepare(filePath))
        qCWarning(lcSettings) << "cannot make" << filePath << "private";
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
    const QVariant stored = value(QLatin1String(key.name));
    return stored.isValid() ? stored.toString() : key.fallback();
}

QByteArray UserDefaults::value(const DataKey &key) const
{
    const QVariant stored = m_settings->value(QLatin1String(key.name));
    return stored.isValid() ? stored.toByteArray() : key.fallback();
}

// A typed key that reads as the new value already, be it stored or its default, is left as it
// is: a first launch need not write its file to record a default.
bool UserDefaults::setValue(const BoolKey &key, bool value)
{
    return this->value(key) == value || setValue(QLatin1String(key.name), value);
}

bool UserDefaults::setValue(const StringKey &key, const QString &value)
{
    return this->value(key) == value || setValue(QLatin1String(key.name), value);
}

bool UserDefaults::setValue(const DataKey &key, const QByteArray &value)
{
    return this->value(key) == value || setValue(QLatin1String(key.name), value);
}

namespace
{
bool pastItsBound(const QString &key, const QVariant &value)
{
    const qsizetype bound = Defaults::maxLength(key);
    return bound > 0 && value.typeId() == QMetaType::QString && value.toString().size() > bound;
}
} // namespace

QVariant UserDefaults::value(const QString &key, const QVariant &fallback) const
{
    const QVariant stored = m_settings->value(key, fallback);
    // Left by an earlier version, or by hand: reads as not stored, and the screens stay quick.
    return pastItsBound(key, stored) ? fallback : stored;
}

bool UserDefaults::setValue(const QString &key, const QVariant &value)
{
    if (pastItsBound(key, value)) {
        qCWarning(lcSettings) << "text of" << value.toString().size() << "characters for" << key << "not stored";
        return false;
    }
    if (m_settings->contains(key) && m_settings->value(key) == value)
        return true;
    const qsizetype size = value.typeId() == QMetaType::QString ? value.toString().size() * 2 : value.toByteArray().size();
    if (size > maxValueBytes) {
        qCWarning(lcSettings) << "value of" << size << "bytes for" << key << "not stored";
        return false;
    }
    m_settings->setValue(key, value);
    sync();
    Q_EMIT valueChanged(key);
    return true;
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
    sync();
    Q_EMIT valueChanged(key);
}

void UserDefaults::sync()
{
    m_settings->sync();
    // QSettings writes a new file and renames it over the old one, with the umask's permissions
    // (main() sets an owner-only umask for the app; tests and tools may not).
    QFile::setPermissions(m_settings->fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
