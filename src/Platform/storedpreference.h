#pragma once

#include <QObject>
#include <QPointer>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

class UserDefaults;

// One stored preference, bound by key, for QML: reads follow every write made anywhere in the app.
//   StoredPreference { id: signedIn; key: "tarvikSignedIn" }   ...   signedIn.value = false
// The default comes from the key table; unknown keys read as undefined.
class StoredPreference : public QObject
{
    Q_OBJECT
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

Q_SIGNALS:
    void keyChanged();
    void valueChanged();

private:
    QVariant fallback() const;

    QString m_key;
};
