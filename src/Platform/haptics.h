#pragma once

#include <QHash>
#include <QObject>

// Haptic feedback of the app. This platform has no actuator, so playing does nothing but is
// counted by kind, which lets tests observe what a screen would have played.
class Haptics : public QObject
{
    Q_OBJECT

public:
    enum Kind {
        NotificationSuccess,
        NotificationError,
        ImpactLight,
        ImpactSoft,
        SelectionChanged,
    };
    Q_ENUM(Kind)

    explicit Haptics(QObject *parent = nullptr);

    Q_INVOKABLE void play(Haptics::Kind kind);
    Q_INVOKABLE int count(Haptics::Kind kind) const;
    // Plays of every kind together.
    Q_INVOKABLE int total() const;
    Q_INVOKABLE void reset();

Q_SIGNALS:
    void played(Haptics::Kind kind);

private:
    QHash<Kind, int> m_counts;
};
