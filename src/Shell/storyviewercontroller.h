#pragma once

#include "monotonicclock.h"
#include "storycontent.h"
#include "storymotion.h"

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QSet>
#include <QSizeF>
#include <QTimer>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <optional>

// What the story viewer does, without drawing it: the current story and its progress, the
// turns between stories, the drag and swipe-down gestures, likes and closing. The view feeds it
// touches in card coordinates and its size, and animates the offsets as `dragMotion` and
// `dismissMotion` say. Time runs on `clock`, the controller's own unless one is given; a clock
// moved by hand runs everything that falls due as it moves, so a test can play a whole story
// without waiting.
class StoryViewerController : public QObject
{
    Q_OBJECT
    QML_ELEMENT

    // StoryContent values; set once, before start().
    Q_PROPERTY(QVariantList stories READ stories WRITE setStories NOTIFY storiesChanged)
    Q_PROPERTY(int count READ count NOTIFY storiesChanged)
    Q_PROPERTY(int initialIndex READ initialIndex WRITE setInitialIndex NOTIFY initialIndexChanged)
    Q_PROPERTY(bool reduceMotion READ reduceMotion WRITE setReduceMotion NOTIFY reduceMotionChanged)
    // Null gives the controller's own clock back.
    Q_PROPERTY(MonotonicClock *clock READ clock WRITE setClock NOTIFY clockChanged)
    // The viewer's area; the card's size and the chrome's inset follow from it.
    Q_PROPERTY(QSizeF viewerSize READ viewerSize WRITE setViewerSize NOTIFY geometryChanged)
    Q_PROPERTY(qreal cardWidth READ cardWidth NOTIFY geometryChanged)
    Q_PROPERTY(qreal cardHeight READ cardHeight NOTIFY geometryChanged)
    Q_PROPERTY(qreal verticalInset READ verticalInset NOTIFY geometryChanged)

    Q_PROPERTY(int selection READ selection NOTIFY selectionChanged)
    Q_PROPERTY(StoryContent current READ current NOTIFY currentChanged)
    Q_PROPERTY(bool currentLiked READ currentLiked NOTIFY likesChanged)
    Q_PROPERTY(qreal storyProgress READ storyProgress NOTIFY storyProgressChanged)
    // Horizontal drag in points (drives the cube turn) and vertical drag (drives the swipe down).
    Q_PROPERTY(qreal dragOffset READ dragOffset NOTIFY dragOffsetChanged)
    Q_PROPERTY(StoryMotion dragMotion READ dragMotion NOTIFY dragOffsetChanged)
    // The drag offset as the view shows it now, on its way to dragOffset; the cube follows it.
    Q_PROPERTY(qreal shownDragOffset READ shownDragOffset WRITE setShownDragOffset NOTIFY shownDragOffsetChanged)
    // The cube at that offset: turn fraction (-1..1), turn angles in degrees and the current
    // card's opacity (it fades instead of turning with reduced motion).
    Q_PROPERTY(qreal turnFraction READ turnFraction NOTIFY shownDragOffsetChanged)
    Q_PROPERTY(qreal currentAngle READ currentAngle NOTIFY shownDragOffsetChanged)
    Q_PROPERTY(qreal nextAngle READ nextAngle NOTIFY shownDragOffsetChanged)
    Q_PROPERTY(qreal previousAngle READ previousAngle NOTIFY shownDragOffsetChanged)
    Q_PROPERTY(qreal currentOpacity READ currentOpacity NOTIFY shownDragOffsetChanged)
    Q_PROPERTY(qreal dismissOffset READ dismissOffset NOTIFY dismissOffsetChanged)
    Q_PROPERTY(StoryMotion dismissMotion READ dismissMotion NOTIFY dismissOffsetChanged)
    Q_PROPERTY(Axis dragAxis READ dragAxis NOTIFY dragAxisChanged)
    Q_PROPERTY(bool isHeld READ isHeld NOTIFY isHeldChanged)
    Q_PROPERTY(bool isTransitioning READ isTransitioning NOTIFY isTransitioningChanged)
    // onDismiss has been emitted; nothing moves any more.
    Q_PROPERTY(bool closed READ isClosed NOTIFY closedChanged)

public:
    enum Axis {
        Undecided = 0,
        Horizontal = 1,
        Vertical = 2,
    };
    Q_ENUM(Axis)

    static constexpr double storyDuration = 5.0;
    static constexpr int tickInterval = 50;
    // A finger that moves no farther than this is a tap; beyond it the drag picks its axis.
    static constexpr qreal tapSlop = 8;

    explicit StoryViewerController(QObject *parent = nullptr);

    QVariantList stories() const;
    void setStories(const QVariantList &stories);
    void setStoryList(const QList<StoryContent> &stories);
    int count() const { return int(m_stories.size()); }
    int initialIndex() const { return m_initialIndex; }
    void setInitialIndex(int index);
    bool reduceMotion() const { return m_reduceMotion; }
    void setReduceMotion(bool reduceMotion);
    MonotonicClock *clock() const { return m_clock; }
    void setClock(MonotonicClock *clock);

    QSizeF viewerSize() const { return m_viewerSize; }
    void setViewerSize(const QSizeF &size);
    qreal cardWidth() const;
    qreal cardHeight() const;
    qreal verticalInset() const;

    int selection() const { return m_selection; }
    StoryContent current() const;
    bool currentLiked() const;
    qreal storyProgress() const { return m_storyProgress; }
    qreal dragOffset() const { return m_dragOffset; }
    StoryMotion dragMotion() const { return m_dragMotion; }
    qreal dismissOffset() const { return m_dismissOffset; }
    StoryMotion dismissMotion() const { return m_dismissMotion; }
    Axis dragAxis() const { return m_dragAxis; }
    bool isHeld() const { return m_isHeld; }
    bool isTransitioning() const { return m_isTransitioning; }
    bool isClosed() const { return m_closed; }

    // The viewer appears: opens at the initial index, clamped to the stories, and starts the
    // progress. stop(): it disappears; a pending turn is dropped.
    Q_INVOKABLE void start();
    Q_INVOKABLE void stop();

    // One step of the progress timer.
    Q_INVOKABLE void tick();
    // Moves by `direction` (-1 or +1) stories, turning the cube by `width`; +1 on the last
    // story closes the viewer.
    Q_INVOKABLE void advance(int direction, qreal width);
    // Emits onDismiss (once for the viewer's life) and drops a pending turn.
    Q_INVOKABLE void closeViewer();
    Q_INVOKABLE void toggleLike();
    // Hands the current story's title to the system: this platform's sharing target is the clipboard.
    Q_INVOKABLE void shareCurrent();

    // Touches on the card, in the card's own coordinates (x from its leading edge).
    Q_INVOKABLE void touchDown(qreal x, qreal y);
    Q_INVOKABLE void touchMoved(qreal x, qreal y);
    Q_INVOKABLE void touchUp(qreal x, qreal y);
    // The system took the touch away: the finger counts as lifted, without a tap or a swipe.
    Q_INVOKABLE void touchCancelled();

    qreal shownDragOffset() const { return m_shownDragOffset; }
    void setShownDragOffset(qreal offset);
    qreal turnFraction() const;
    qreal currentAngle() const;
    qreal nextAngle() const;
    qreal previousAngle() const;
    qreal currentOpacity() const;

    // How far a flick carries on after the finger lifts, at the platform's normal deceleration.
    static QPointF projectedDistance(QPointF velocity);

Q_SIGNALS:
    void storiesChanged();
    void initialIndexChanged();
    void reduceMotionChanged();
    void clockChanged();
    void geometryChanged();
    void selectionChanged();
    void currentChanged();
    void likesChanged();
    void storyProgressChanged();
    void dragOffsetChanged();
    void shownDragOffsetChanged();
    void dismissOffsetChanged();
    void dragAxisChanged();
    void isHeldChanged();
    void isTransitioningChanged();
    void closedChanged();

    // The viewer is done; its presenter removes it.
    void dismiss();
    // A turn to another story has landed (the view plays the selection haptic).
    void turned();

private:
    struct Sample {
        qint64 time;
        QPointF position;
    };

    // The gesture itself, by translation; `predicted` is where the finger's flick would end.
    void dragChanged(QPointF translation);
    void dragEnded(qreal startX, QPointF translation, QPointF predicted);

    qint64 now() const;
    qint64 clockMilliseconds() const;
    // Runs what is due up to `time`; `byHand`: the clock was moved on by hand and every step due
    // meanwhile runs, each at its own time.
    void runUntil(qint64 time, bool byHand);
    void rearm();
    void finishTurn(int target);

    void setSelection(int selection);
    void setStoryProgress(qreal progress);
    void setDragOffset(qreal offset, StoryMotion motion);
    void setDismissOffset(qreal offset, StoryMotion motion);
    void setDragAxis(Axis axis);
    void setHeld(bool held);
    void setTransitioning(bool transitioning);
    QPointF velocity() const;

    QList<StoryContent> m_stories;
    int m_initialIndex = 0;
    bool m_reduceMotion = false;
    QSizeF m_viewerSize{393, 852};

    int m_selection = 0;
    QSet<QUuid> m_likedStories;
    qreal m_storyProgress = 0;
    qreal m_dragOffset = 0;
    StoryMotion m_dragMotion;
    qreal m_shownDragOffset = 0;
    qreal m_dismissOffset = 0;
    StoryMotion m_dismissMotion;
    Axis m_dragAxis = Undecided;
    bool m_isHeld = false;
    bool m_isTransitioning = false;
    bool m_closed = false;

    // The clock and what is due on it. The offset keeps the controller's time running on when
    // another clock takes over.
    ElapsedMonotonicClock m_ownClock;
    QPointer<MonotonicClock> m_clock;
    qint64 m_clockOffset = 0;
    std::optional<qint64> m_stepTime; // the due time of the step running on a clock moved by hand
    QTimer m_wake;
    bool m_ticking = false;
    qint64 m_nextTick = 0;
    std::optional<qint64> m_turnDue; // the pending end of a turn
    int m_turnTarget = 0;
    std::optional<qint64> m_closeDue; // the end of the slide down

    // The finger on the card.
    bool m_touching = false;
    QPointF m_touchStart;
    QList<Sample> m_samples;
};
