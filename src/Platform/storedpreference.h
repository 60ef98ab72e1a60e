#pragma once

#include <QObject>
#include <QPointer>
#include <QQmlParserStatus>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

class UserDefaults;
namespace Defaults
{
struct Entry;
}

// One stored preference, bound by key, for QML: reads follow every write made anywhere in the app.
//   StoredPreference { id: email; key: Defaults.verifiedEmail }   ...   email.value = ""
// The key and its default come from the key table (defaultskeys.h); a key that is not in it is
// an error as soon as the element is made, and it reads nothing and stores nothing.
class StoredPreference : public QObject, public QQmlParserStatus
{
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    QML_ELEMENT
    Q_PROPERTY(QString key READ key WRITE setKey NOTIFY keyChanged)
    Q_PROPERTY(QVariant value READ value WRITE setValue NOTIFY valueChanged)

public:
    explicit StoredPreference(QObject *parent = nullptr);

    // The store every StoredPreference reads; set by main() or a test before QML runs.
    static void setDefaults(UserDefaults *defaults);
    static UserDefaults *defaults();

    QString key() const { return m_key; }
    void setKey(const QString &key);
    QVariant value() const;
    void setValue(const QVariant &value);

    void classBegin() override {}
    void componentComplete() override;

Q_SIGNALS:
    void keyChanged();
    void valueChanged();

private:
    // The key's entry in the table; nothing for a key that is not in it.
    const Defaults::Entry *entry() const;
    void warnIfUnknown() const;

    QString m_key;
    bool m_complete = false;
};
