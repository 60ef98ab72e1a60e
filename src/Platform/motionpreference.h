#pragma once

#include <QDBusConnection>
#include <QObject>

class QDBusVariant;

// The desktop's wish for less motion: the Settings portal's org.gnome.desktop.interface
// enable-animations, read at start and followed as it changes. Absent (no portal, no such key)
// means animations stay on.
class MotionPreference : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool reduceMotion READ reduceMotion NOTIFY reduceMotionChanged)

public:
    explicit MotionPreference(QObject *parent = nullptr, QDBusConnection bus = QDBusConnection::sessionBus());

    bool reduceMotion() const { return m_reduceMotion; }
    // Asks the portal (once) and follows its changes.
    void start();

Q_SIGNALS:
    void reduceMotionChanged();

private Q_SLOTS:
    void settingChanged(const QString &group, const QString &key, const QDBusVariant &value);

private:
    void setAnimationsEnabled(const QVariant &value);

    QDBusConnection m_bus;
    bool m_reduceMotion = false;
};
