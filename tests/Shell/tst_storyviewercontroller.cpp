#include "storyviewercontroller.h"

#include <QSignalSpy>
#include <QTest>

namespace
{
// The viewer of the phone-sized window: cards 361 wide.
constexpr qreal width = 393;
constexpr qreal height = 852;
constexpr qreal cw = width - 32;

struct Viewer {
    ManualMonotonicClock clock;
    StoryViewerController controller;
    QSignalSpy dismissed{&controller, &StoryViewerController::dismiss};
    QSignalSpy turned{&controller, &StoryViewerController::turned};

    explicit Viewer(int initialIndex = 0, int count = 4, bool reduceMotion = false)
    {
        QList<StoryContent> stories = StoryContent::promotional();
        stories = stories.mid(0, count);
        controller.setStoryList(stories);
        controller.setInitialIndex(initialIndex);
        controller.setReduceMotion(reduceMotion);
        controller.setViewerSize({width, height});
        controller.setClock(&clock);
        controller.start();
    }

    void run(int ms) { clock.advance(std::chrono::milliseconds(ms)); }

    // A finger that goes down at `start` (card coordinates), moves by `translation` in one
    // motion of `ms` and lifts there.
    void drag(QPointF start, QPointF translation, int ms = 0)
    {
        controller.touchDown(start.x(), start.y());
        run(ms);
        const QPointF end = start + translation;
        controller.touchMoved(end.x(), end.y());
        controller.touchUp(end.x(), end.y());
    }

    void tap(qreal x) { drag({x, 300}, {}); }
};
} // namespace

// The story viewer's state machine, on its manual clock.
class StoryViewerControllerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensAtClampedIndex_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("initialIndex");
        QTest::addColumn<int>("selection");
        QTest::newRow("in range") << 4 << 2 << 2;
        QTest::newRow("past the end") << 4 << 9 << 3;
        QTest::newRow("negative") << 4 << -1 << 0;
        QTest::newRow("no stories") << 0 << 3 << 0;
    }
    void opensAtClampedIndex()
    {
        QFETCH(int, count);
        QFETCH(int, initialIndex);
        QFETCH(int, selection);
        Viewer viewer(initialIndex, count);
        QCOMPARE(viewer.controller.selection(), selection);
        QCOMPARE(viewer.controller.storyProgress(), 0.0);
    }

    // Opened at 2 of 4: story 2 runs 5 s (100 ticks), turns to 3, which runs 5 s and closes.
    void storiesRunOutAndCloseOnce()
    {
        Viewer viewer(2);
        viewer.run(4950);
        QCOMPARE(viewer.controller.selection(), 2);
        QVERIFY(qAbs(viewer.controller.storyProgress() - 0.99) < 1e-9);
        QVERIFY(!viewer.controller.isTransitioning());

        viewer.run(50);
        QCOMPARE(viewer.controller.storyProgress(), 1.0);
        QVERIFY(viewer.controller.isTransitioning());
        QCOMPARE(viewer.controller.dragOffset(), -cw);

        viewer.run(279);
        QCOMPARE(viewer.controller.selection(), 2);
        viewer.run(1);
        QCOMPARE(viewer.controller.selection(), 3);
        QCOMPARE(viewer.controller.storyProgress(), 0.0);
        QCOMPARE(viewer.controller.dragOffset(), 0.0);
        QCOMPARE(viewer.turned.count(), 1);

        viewer.run(4950);
        QCOMPARE(viewer.dismissed.count(), 0);
        viewer.run(50);
        QCOMPARE(viewer.dismissed.count(), 1);

        // Nothing after the close calls it again: not the timer, not the close button.
        viewer.run(10000);
        viewer.controller.closeViewer();
        viewer.tap(0.9 * cw);
        QCOMPARE(viewer.dismissed.count(), 1);
        QCOMPARE(viewer.turned.count(), 1);
    }

    void tapZones_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<qreal>("x");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("dismisses");
        QTest::newRow("left third goes back") << 2 << 0.2 * cw << 1 << false;
        QTest::newRow("right third goes on") << 1 << 0.8 * cw << 2 << false;
        QTest::newRow("middle stays") << 1 << 0.5 * cw << 1 << false;
        QTest::newRow("just inside the left third") << 1 << 0.33 * cw << 0 << false;
        QTest::newRow("just inside the right third") << 1 << 0.67 * cw << 2 << false;
        QTest::newRow("left on the first springs back") << 0 << 0.1 * cw << 0 << false;
        QTest::newRow("right on the last closes") << 3 << 0.9 * cw << 3 << true;
    }
    void tapZones()
    {
        QFETCH(int, from);
        QFETCH(qreal, x);
        QFETCH(int, to);
        QFETCH(bool, dismisses);
        Viewer viewer(from);
        viewer.run(1000);
        viewer.tap(x);
        QVERIFY(!viewer.controller.isHeld());
        viewer.run(300);
        QCOMPARE(viewer.controller.selection(), to);
        QCOMPARE(viewer.dismissed.count(), dismisses ? 1 : 0);
        // A tap that moves nowhere keeps the story running from where it was.
        if (to == from && !dismisses)
            QVERIFY(qAbs(viewer.controller.storyProgress() - 0.26) < 1e-9);
    }

    void swipes_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<qreal>("dx");
        QTest::addColumn<int>("ms");
        QTest::addColumn<int>("to");
        // A slow drag ends where the finger lifts; a quick one carries on past it.
        QTest::newRow("left past a quarter") << 1 << -0.25 * cw << 1000 << 2;
        QTest::newRow("left short of a quarter") << 1 << -0.23 * cw << 1000 << 1;
        QTest::newRow("right past a quarter") << 1 << 0.25 * cw << 1000 << 0;
        QTest::newRow("right short of a quarter") << 1 << 0.23 * cw << 1000 << 1;
        QTest::newRow("short quick flick left") << 1 << -40.0 << 50 << 2;
        QTest::newRow("left on the last springs back") << 3 << -0.6 * cw << 1000 << 3;
        QTest::newRow("right on the first springs back") << 0 << 0.6 * cw << 1000 << 0;
    }
    void swipes()
    {
        QFETCH(int, from);
        QFETCH(qreal, dx);
        QFETCH(int, ms);
        QFETCH(int, to);
        Viewer viewer(from);
        viewer.drag({0.5 * cw, 300}, {dx, 4}, ms);
        QCOMPARE(viewer.controller.dragAxis(), StoryViewerController::Undecided);
        if (to == from)
            QCOMPARE(viewer.controller.dragOffset(), 0.0);
        viewer.run(300);
        QCOMPARE(viewer.controller.selection(), to);
        QCOMPARE(viewer.dismissed.count(), 0);
    }

    void swipeDown_data()
    {
        QTest::addColumn<qreal>("dy");
        QTest::addColumn<int>("ms");
        QTest::addColumn<bool>("closes");
        QTest::newRow("100 points") << 100.0 << 1000 << true;
        QTest::newRow("60 points, slow") << 60.0 << 1000 << false;
        QTest::newRow("60 points, flicked") << 60.0 << 40 << true;
        QTest::newRow("upwards") << -200.0 << 40 << false;
    }
    void swipeDown()
    {
        QFETCH(qreal, dy);
        QFETCH(int, ms);
        QFETCH(bool, closes);
        Viewer viewer(1);
        viewer.controller.touchDown(180, 300);
        viewer.run(ms);
        viewer.controller.touchMoved(182, 300 + dy);
        QCOMPARE(viewer.controller.dragAxis(), StoryViewerController::Vertical);
        // Upward drags barely move the card.
        QCOMPARE(viewer.controller.dismissOffset(), dy >= 0 ? dy : dy * 0.12);
        QCOMPARE(viewer.controller.dragOffset(), 0.0);
        viewer.controller.touchUp(182, 300 + dy);

        QCOMPARE(viewer.controller.dismissOffset(), closes ? height : 0.0);
        QCOMPARE(viewer.controller.isTransitioning(), closes);
        viewer.run(199);
        QCOMPARE(viewer.dismissed.count(), 0);
        viewer.run(1);
        QCOMPARE(viewer.dismissed.count(), closes ? 1 : 0);
        QCOMPARE(viewer.controller.selection(), 1);
    }

    // A finger on the card pauses the story; lifted in the middle, or taken away by the system,
    // it lets the story run on from where it stopped.
    void holdPauses_data()
    {
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("lifted") << false;
        QTest::newRow("cancelled") << true;
    }
    void holdPauses()
    {
        QFETCH(bool, cancelled);
        Viewer viewer(1);
        viewer.run(1000);
        viewer.controller.touchDown(0.5 * cw, 300);
        viewer.controller.touchMoved(0.5 * cw + 5, 303);
        viewer.run(3000);
        QVERIFY(viewer.controller.isHeld());
        QVERIFY(qAbs(viewer.controller.storyProgress() - 0.2) < 1e-9);
        if (cancelled)
            viewer.controller.touchCancelled();
        else
            viewer.controller.touchUp(0.5 * cw + 5, 303);
        QVERIFY(!viewer.controller.isHeld());
        viewer.run(1000);
        QVERIFY(qAbs(viewer.controller.storyProgress() - 0.4) < 1e-9);
        QCOMPARE(viewer.controller.selection(), 1);
    }

    // While a turn runs, taps, drags and ticks are ignored, and the turn lands once.
    void turnBlocksInput()
    {
        Viewer viewer(0);
        viewer.tap(0.9 * cw);
        QVERIFY(viewer.controller.isTransitioning());
        viewer.tap(0.9 * cw);
        viewer.controller.touchDown(100, 100);
        QVERIFY(!viewer.controller.isHeld());
        viewer.controller.touchUp(100, 100);
        viewer.controller.advance(+1, cw);
        viewer.run(1000);
        QCOMPARE(viewer.controller.selection(), 1);
        QCOMPARE(viewer.turned.count(), 1);
        // Ticks were ignored until the turn landed at 280 ms; 15 ran after it.
        QVERIFY(qAbs(viewer.controller.storyProgress() - 0.15) < 1e-9);
    }

    void reduceMotion_data()
    {
        QTest::addColumn<bool>("reduceMotion");
        QTest::addColumn<int>("turnMs");
        QTest::addColumn<qreal>("angle");
        QTest::addColumn<qreal>("opacity");
        QTest::newRow("turning") << false << 280 << 44.75 << 1.0;
        QTest::newRow("reduced") << true << 160 << 0.0 << 0.5;
    }
    void reduceMotion()
    {
        QFETCH(bool, reduceMotion);
        QFETCH(int, turnMs);
        QFETCH(qreal, angle);
        QFETCH(qreal, opacity);
        Viewer viewer(1, 4, reduceMotion);
        viewer.controller.setShownDragOffset(-0.5 * cw);
        QCOMPARE(viewer.controller.currentAngle(), angle);
        QCOMPARE(viewer.controller.currentOpacity(), opacity);
        viewer.controller.setShownDragOffset(-2 * cw);
        QCOMPARE(viewer.controller.currentOpacity(), reduceMotion ? 0.2 : 1.0);

        viewer.controller.advance(+1, cw);
        QCOMPARE(viewer.controller.dragMotion().duration, reduceMotion ? 160 : 340);
        viewer.run(turnMs - 1);
        QCOMPARE(viewer.controller.selection(), 1);
        viewer.run(1);
        QCOMPARE(viewer.controller.selection(), 2);
    }

    // Another clock takes over where the first stood: a pending turn lands when it was due.
    void clockHandedOverMidTurn()
    {
        Viewer viewer(0);
        viewer.run(1000);
        viewer.tap(0.9 * cw);
        QVERIFY(viewer.controller.isTransitioning());
        viewer.run(100);
        ManualMonotonicClock later;
        later.advance(std::chrono::hours(1));
        viewer.controller.setClock(&later);
        later.advance(std::chrono::milliseconds(179));
        QVERIFY(viewer.controller.isTransitioning());
        // The first clock no longer drives it.
        viewer.run(1000);
        QVERIFY(viewer.controller.isTransitioning());
        later.advance(std::chrono::milliseconds(1));
        QCOMPARE(viewer.controller.selection(), 1);
        QCOMPARE(viewer.turned.size(), 1);
    }

    // The real clock drives the same steps.
    void realClockRuns()
    {
        StoryViewerController controller;
        controller.setStoryList(StoryContent::promotional());
        // What the turn left, taken as it happens: a late timer may run further ticks right after.
        QList<std::pair<int, qreal>> turns;
        connect(&controller, &StoryViewerController::turned, this,
                [&] { turns.append({controller.selection(), controller.storyProgress()}); });
        controller.start();
        QTRY_VERIFY(controller.storyProgress() >= 0.02);
        controller.advance(+1, cw);
        QTRY_VERIFY(!turns.isEmpty());
        QCOMPARE(turns.constFirst().first, 1);
        QCOMPARE(turns.constFirst().second, 0.0);
    }
};

QTEST_MAIN(StoryViewerControllerTest)
#include "tst_storyviewercontroller.moc"
