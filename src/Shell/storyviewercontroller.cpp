#include "storyviewercontroller.h"

#include <QClipboard>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>

namespace
{
constexpr qreal maxTurnAngle = 89.5;
constexpr int turnMs = 280;
constexpr int reducedTurnMs = 160;
constexpr int slideDownMs = 200;
// Velocity is measured over the last stretch of the drag only, so a finger that stopped before
// lifting has no flick left.
constexpr qint64 velocityWindowMs = 100;
} // namespace

StoryViewerController::StoryViewerController(QObject *parent)
    : QObject(parent)
    , m_clock(&m_ownClock)
{
    m_wake.setSingleShot(true);
    m_wake.setTimerType(Qt::PreciseTimer);
    connect(&m_wake, &QTimer::timeout, this, [this] { runUntil(now(), false); });
}

QVariantList StoryViewerController::stories() const
{
    QVariantList list;
    for (const StoryContent &story : m_stories)
        list.append(QVariant::fromValue(story));
    return list;
}

void StoryViewerController::setStories(const QVariantList &stories)
{
    QList<StoryContent> list;
    for (const QVariant &story : stories)
        list.append(story.value<StoryContent>());
    setStoryList(list);
}

void StoryViewerController::setStoryList(const QList<StoryContent> &stories)
{
    if (stories == m_stories)
        return;
    m_stories = stories;
    Q_EMIT storiesChanged();
    const int selection = std::clamp(m_selection, 0, std::max(count() - 1, 0));
    if (selection != m_selection) {
        setSelection(selection);
        return;
    }
    // Same index, another story under it.
    Q_EMIT currentChanged();
    Q_EMIT likesChanged();
}

void StoryViewerController::setInitialIndex(int index)
{
    if (index == m_initialIndex)
        return;
    m_initialIndex = index;
    Q_EMIT initialIndexChanged();
}

void StoryViewerController::setReduceMotion(bool reduceMotion)
{
    if (reduceMotion == m_reduceMotion)
        return;
    m_reduceMotion = reduceMotion;
    Q_EMIT reduceMotionChanged();
    Q_EMIT shownDragOffsetChanged();
}

void StoryViewerController::setClock(MonotonicClock *clock)
{
    if (!clock)
        clock = &m_ownClock;
    if (clock == m_clock)
        return;
    // The new clock takes over where the old one stands, so what is due stays due at the same time.
    const qint64 current = now();
    if (m_clock)
        disconnect(m_clock, &MonotonicClock::moved, this, nullptr);
    m_clock = clock;
    m_clockOffset = current - clockMilliseconds();
    connect(m_clock, &MonotonicClock::moved, this, [this] { runUntil(now(), true); });
    Q_EMIT clockChanged();
    rearm();
}

void StoryViewerController::setViewerSize(const QSizeF &size)
{
    if (size == m_viewerSize)
        return;
    m_viewerSize = size;
    Q_EMIT geometryChanged();
    Q_EMIT shownDragOffsetChanged();
}

qreal StoryViewerController::cardWidth() const
{
    return std::max(m_viewerSize.width() - 32, 1.0);
}

qreal StoryViewerController::cardHeight() const
{
    return std::max(std::min(cardWidth() * 16 / 9, m_viewerSize.height() - 112), 1.0);
}

qreal StoryViewerController::verticalInset() const
{
    return std::max((m_viewerSize.height() - cardHeight()) / 2, 16.0);
}

StoryContent StoryViewerController::current() const
{
    return m_stories.value(m_selection);
}

bool StoryViewerController::currentLiked() const
{
    return m_selection < count() && m_likedStories.contains(m_stories.at(m_selection).id);
}

void StoryViewerController::start()
{
    setSelection(count() == 0 ? 0 : std::clamp(m_initialIndex, 0, count() - 1));
    setStoryProgress(0);
    if (m_closed)
        return;
    m_ticking = true;
    m_nextTick = now() + tickInterval;
    rearm();
}

void StoryViewerController::stop()
{
    m_ticking = false;
    m_turnDue.reset();
    rearm();
}

void StoryViewerController::tick()
{
    if (m_isHeld || m_isTransitioning || m_closed)
        return;
    const qreal step = tickInterval / 1000.0 / storyDuration;
    qreal progress = std::min(m_storyProgress + step, 1.0);
    // A hundred steps of 0.01 must end the story; rounding must not add a 101st.
    if (progress > 1.0 - 1e-9)
        progress = 1.0;
    setStoryProgress(progress);
    if (m_storyProgress >= 1.0)
        advance(+1, cardWidth());
}

void StoryViewerController::advance(int direction, qreal width)
{
    if (m_stories.isEmpty() || m_isTransitioning || m_closed)
        return;
    if (direction >= 1 && m_selection == count() - 1) {
        closeViewer();
        return;
    }
    if (direction < 1 && direction != -1)
        return;

    const int target = m_selection + direction;
    if (target < 0 || target >= count()) {
        setDragOffset(0, StoryMotion::spring(300));
        return;
    }

    setTransitioning(true);
    m_turnDue.reset();
    setDragOffset(direction > 0 ? -width : width, m_reduceMotion ? StoryMotion::easeOut(160) : StoryMotion::spring(340));
    m_turnTarget = target;
    m_turnDue = now() + (m_reduceMotion ? reducedTurnMs : turnMs);
    rearm();
}

void StoryViewerController::finishTurn(int target)
{
    if (target >= 0 && target < count()) {
        setSelection(target);
        setDragOffset(0, StoryMotion::immediate());
        setStoryProgress(0);
        setTransitioning(false);
        Q_EMIT turned();
        return;
    }
    // The stories changed under the turn: settle where we are rather than stay locked.
    setDragOffset(0, StoryMotion::immediate());
    setTransitioning(false);
}

void StoryViewerController::closeViewer()
{
    m_turnDue.reset();
    // The close button, the end of the last story and the end of the slide down can all get
    // here; the presenter hears about it once.
    if (m_closed) {
        rearm();
        return;
    }
    m_closed = true;
    m_ticking = false;
    m_closeDue.reset();
    rearm();
    Q_EMIT closedChanged();
    Q_EMIT dismiss();
}

void StoryViewerController::toggleLike()
{
    if (m_selection >= count())
        return;
    const QUuid id = m_stories.at(m_selection).id;
    if (!m_likedStories.remove(id))
        m_likedStories.insert(id);
    Q_EMIT likesChanged();
}

void StoryViewerController::shareCurrent()
{
    if (m_selection >= count())
        return;
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(m_stories.at(m_selection).title);
}

void StoryViewerController::touchDown(qreal x, qreal y)
{
    m_touching = true;
    m_touchStart = QPointF(x, y);
    m_samples = {{now(), m_touchStart}};
    dragChanged(QPointF());
}

void StoryViewerController::touchMoved(qreal x, qreal y)
{
    if (!m_touching)
        return;
    const QPointF position(x, y);
    m_samples.append({now(), position});
    while (m_samples.size() > 2 && m_samples.constLast().time - m_samples.at(1).time > velocityWindowMs)
        m_samples.removeFirst();
    dragChanged(position - m_touchStart);
}

void StoryViewerController::touchUp(qreal x, qreal y)
{
    if (!m_touching)
        return;
    m_touching = false;
    const QPointF position(x, y);
    m_samples.append({now(), position});
    const QPointF translation = position - m_touchStart;
    dragEnded(m_touchStart.x(), translation, translation + projectedDistance(velocity()));
}

void StoryViewerController::touchCancelled()
{
    if (!m_touching)
        return;
    m_touching = false;
    if (m_isTransitioning || m_closed)
        return;
    setHeld(false);
    setDragAxis(Undecided);
    setDragOffset(0, StoryMotion::spring(340));
    setDismissOffset(0, StoryMotion::spring(340));
}

QPointF StoryViewerController::velocity() const
{
    if (m_samples.size() < 2)
        return {};
    const Sample &last = m_samples.constLast();
    // The oldest sample still inside the window before the last one.
    const Sample *first = &m_samples.constFirst();
    for (const Sample &sample : m_samples) {
        if (last.time - sample.time <= velocityWindowMs) {
            first = &sample;
            break;
        }
    }
    const qint64 elapsed = last.time - first->time;
    if (elapsed <= 0)
        return {};
    return (last.position - first->position) * (1000.0 / elapsed);
}

QPointF StoryViewerController::projectedDistance(QPointF velocity)
{
    constexpr qreal deceleration = 0.998; // per millisecond
    return velocity / 1000.0 * deceleration / (1.0 - deceleration);
}

void StoryViewerController::dragChanged(QPointF translation)
{
    if (m_isTransitioning || m_closed)
        return;
    setHeld(true);
    const qreal tx = translation.x();
    const qreal ty = translation.y();
    if (m_dragAxis == Undecided && std::max(std::abs(tx), std::abs(ty)) > tapSlop)
        setDragAxis(std::abs(ty) > std::abs(tx) ? Vertical : Horizontal);

    if (m_dragAxis == Vertical) {
        // Upward drags barely move.
        setDismissOffset(ty >= 0 ? ty : ty * 0.12, StoryMotion::immediate());
        setDragOffset(0, StoryMotion::immediate());
        return;
    }
    const bool pastFirst = m_selection == 0 && tx > 0;
    const bool pastLast = m_selection == count() - 1 && tx < 0;
    setDragOffset(pastFirst || pastLast ? tx * 0.22 : tx, StoryMotion::immediate());
}

void StoryViewerController::dragEnded(qreal startX, QPointF translation, QPointF predicted)
{
    if (m_isTransitioning || m_closed)
        return;
    setHeld(false);
    const Axis axis = m_dragAxis;
    setDragAxis(Undecided);
    const qreal tx = translation.x();
    const qreal ty = translation.y();
    const qreal cw = cardWidth();

    if (axis == Vertical) {
        const qreal height = m_viewerSize.height();
        if (ty > 90 || predicted.y() > 0.22 * height) {
            setTransitioning(true);
            setDismissOffset(height, StoryMotion::easeIn(slideDownMs));
            m_closeDue = now() + slideDownMs;
            rearm();
        } else {
            setDismissOffset(0, StoryMotion::spring(340));
        }
        return;
    }

    if (std::abs(tx) < tapSlop && std::abs(ty) < tapSlop) {
        if (startX < 0.34 * cw)
            advance(-1, cw);
        else if (startX > 0.66 * cw)
            advance(+1, cw);
        else
            setDragOffset(0, StoryMotion::easeOut(160));
        return;
    }

    if (predicted.x() < -0.24 * cw && m_selection < count() - 1)
        advance(+1, cw);
    else if (predicted.x() > 0.24 * cw && m_selection >= 1)
        advance(-1, cw);
    else
        setDragOffset(0, StoryMotion::spring(340));
}

qint64 StoryViewerController::now() const
{
    return m_stepTime ? *m_stepTime : clockMilliseconds() + m_clockOffset;
}

qint64 StoryViewerController::clockMilliseconds() const
{
    // A given clock that has gone leaves the controller on its own.
    const MonotonicClock *clock = m_clock ? m_clock.data() : &m_ownClock;
    return std::chrono::duration_cast<std::chrono::milliseconds>(clock->now()).count();
}

void StoryViewerController::runUntil(qint64 time, bool byHand)
{
    // Run everything due up to `time`, in the order it falls due; each step may schedule or
    // cancel the others.
    for (;;) {
        std::optional<qint64> due;
        const auto consider = [&due](std::optional<qint64> at) {
            if (at && (!due || *at < *due))
                due = at;
        };
        consider(m_turnDue);
        consider(m_closeDue);
        if (m_ticking)
            consider(m_nextTick);
        if (!due || *due > time)
            break;
        if (byHand)
            m_stepTime = *due;

        if (m_turnDue == due) {
            m_turnDue.reset();
            finishTurn(m_turnTarget);
        } else if (m_closeDue == due) {
            m_closeDue.reset();
            closeViewer();
        } else {
            m_nextTick += tickInterval;
            // A late wake-up of a clock that runs on its own runs one step, not a burst of missed ones.
            if (!byHand) {
                while (m_nextTick <= time)
                    m_nextTick += tickInterval;
            }
            tick();
        }
    }
    m_stepTime.reset();
    rearm();
}

void StoryViewerController::rearm()
{
    m_wake.stop();
    if (m_clock && !m_clock->movesOnItsOwn())
        return;
    std::optional<qint64> due = m_turnDue;
    if (m_closeDue && (!due || *m_closeDue < *due))
        due = m_closeDue;
    if (m_ticking && (!due || m_nextTick < *due))
        due = m_nextTick;
    if (due)
        m_wake.start(int(std::max<qint64>(*due - now(), 0)));
}

void StoryViewerController::setShownDragOffset(qreal offset)
{
    if (offset == m_shownDragOffset)
        return;
    m_shownDragOffset = offset;
    Q_EMIT shownDragOffsetChanged();
}

qreal StoryViewerController::turnFraction() const
{
    return std::clamp(m_shownDragOffset / cardWidth(), -1.0, 1.0);
}

qreal StoryViewerController::currentAngle() const
{
    if (m_reduceMotion)
        return 0;
    return std::clamp(turnFraction() * -maxTurnAngle, -maxTurnAngle, maxTurnAngle);
}

qreal StoryViewerController::nextAngle() const
{
    if (m_reduceMotion)
        return 0;
    return std::min((turnFraction() + 1) * maxTurnAngle, maxTurnAngle);
}

qreal StoryViewerController::previousAngle() const
{
    if (m_reduceMotion)
        return 0;
    return std::max((1 - turnFraction()) * -maxTurnAngle, -maxTurnAngle);
}

qreal StoryViewerController::currentOpacity() const
{
    if (!m_reduceMotion)
        return 1;
    return std::max(1 - std::abs(turnFraction()), 0.2);
}

void StoryViewerController::setSelection(int selection)
{
    if (selection == m_selection)
        return;
    m_selection = selection;
    Q_EMIT selectionChanged();
    Q_EMIT currentChanged();
    Q_EMIT likesChanged();
}

void StoryViewerController::setStoryProgress(qreal progress)
{
    if (progress == m_storyProgress)
        return;
    m_storyProgress = progress;
    Q_EMIT storyProgressChanged();
}

void StoryViewerController::setDragOffset(qreal offset, StoryMotion motion)
{
    // Emitted even when the value stays: a new motion may have to stop a running one.
    m_dragOffset = offset;
    m_dragMotion = motion;
    Q_EMIT dragOffsetChanged();
}

void StoryViewerController::setDismissOffset(qreal offset, StoryMotion motion)
{
    m_dismissOffset = offset;
    m_dismissMotion = motion;
    Q_EMIT dismissOffsetChanged();
}

void StoryViewerController::setDragAxis(Axis axis)
{
    if (axis == m_dragAxis)
        return;
    m_dragAxis = axis;
    Q_EMIT dragAxisChanged();
}

void StoryViewerController::setHeld(bool held)
{
    if (held == m_isHeld)
        return;
    m_isHeld = held;
    Q_EMIT isHeldChanged();
}

void StoryViewerController::setTransitioning(bool transitioning)
{
    if (transitioning == m_isTransitioning)
        return;
    m_isTransitioning = transitioning;
    Q_EMIT isTransitioningChanged();
}
