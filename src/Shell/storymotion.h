#pragma once

#include <QEasingCurve>
#include <QObject>
#include <QtQml/qqmlregistration.h>

// How the story viewer's view should move an offset to its new value: at once (duration 0) or
// over `duration` ms along `easing` (a QEasingCurve::Type, which QML's Easing shares).
class StoryMotion
{
    Q_GADGET
    QML_VALUE_TYPE(storyMotion)
    Q_PROPERTY(int duration MEMBER duration)
    Q_PROPERTY(int easing MEMBER easing)

public:
    int duration = 0;
    int easing = QEasingCurve::Linear;

    static StoryMotion immediate() { return {}; }
    static StoryMotion easeOut(int ms) { return {ms, QEasingCurve::OutQuad}; }
    static StoryMotion easeIn(int ms) { return {ms, QEasingCurve::InQuad}; }
    // A well damped spring (damping fraction about 0.9 leaves no visible overshoot) settles
    // like an ease-out over its response time.
    static StoryMotion spring(int responseMs) { return {responseMs, QEasingCurve::OutCubic}; }

    friend bool operator==(const StoryMotion &, const StoryMotion &) = default;
};
