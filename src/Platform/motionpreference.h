#pragma once

#include <QDBusConnection>
#include <QObject>

#include <optional>

class QDBusVariant;

// The desktop's wish for less motion: the Settings portal's org.gnome.desktop.interface
// enable-animations, read at start and followed as it changes. Absent (no portal, no such key)
// means animations stay on.
class MotionPreference : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool reduceMotion READ reduceMotion NOTIFY reduceMotionChanged)

public:
    // On the session bus, connected to by start(): connecting waits for the bus.
    explicit MotionPreference(QObject *parent = nullptr);
    MotionPreference(QObject *parent, QDBusConnection bus);

    bool reduceMotion() const { return m_reduceMotion; }
    // Asks the portal (once) and follows its changes.
    void start();

Q_SIGNALS:
    void reduceMotionChanged();

private Q_SLOTS:
    void settingChanged(const QString &group, const QString &key, const QDBusVariant &value);

private:
    void setAnimationsEnabled(const QVariant &value);

    std::optional<QDBusConnection> m_bus;
    bool m_reduceMotion = false;
};
