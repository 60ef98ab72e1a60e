#pragma once

#include "defaultskeys.h"

#include <QObject>
#include <QSettings>

#include <memory>

// The app's user-defaults store: small typed values kept between runs in one settings file.
// Every key and its default is declared in defaultskeys.h.
class UserDefaults : public QObject
{
    Q_OBJECT

public:
    // Stores in `filePath`; by default the app's configuration folder (test mode honoured).
    explicit UserDefaults(const QString &filePath = defaultFilePath(), QObject *parent = nullptr);
    ~UserDefaults() override;

    static QString defaultFilePath();
    QString filePath() const;

    bool value(const BoolKey &key) const;
    QString value(const StringKey &key) const;
    QByteArray value(const DataKey &key) const;
    // Each write says whether the value is now stored; a value over maxValueBytes, or a text over
    // its key's maxLength, is refused and the stored one stays. Callers that report success to the
    // user check it. A stored text over its key's maxLength reads as not stored.
    bool setValue(const BoolKey &key, bool value);
    bool setValue(const StringKey &key, const QString &value);
    bool setValue(const DataKey &key, const QByteArray &value);

    // The largest value stored. The settings file is read whole at every start; the largest value
    // of the app, the cached account, is some tens of kilobytes.
    static constexpr qsizetype maxValueBytes = 512 * 1024;

    // Untyped access, for keys built at run time (the account cache) and for QML, with the same
    // bounds.
    QVariant value(const QString &key, const QVariant &fallback = {}) const;
    bool setValue(const QString &key, const QVariant &value);
    bool contains(const QString &key) const;
    void remove(const QString &key);

    // Writes pending changes to disk.
    void sync();

Q_SIGNALS:
    void valueChanged(const QString &key);

private:
    std::unique_ptr<QSettings> m_settings;
};
