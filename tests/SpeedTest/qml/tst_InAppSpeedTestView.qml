import QtQuick
import QtTest
import Tarvik.Design
import Tarvik.SpeedTest
import TarvikTest

// The speed-test screen over the stand-in: the start orb, a run seen mid-download, the results,
// a failure with its banner, and leaving or covering the screen, which stops the run.
Item {
    id: root
    width: 393
    height: 852

    NavigationStack {
        id: stack
        anchors.fill: parent
        initialItem: NavigationPage {
            title: "Главная"
        }
    }

    Component {
        id: speedTestPage
        InAppSpeedTestView {}
    }

    Component {
        id: otherPage
        NavigationPage {
            title: "Другой экран"
        }
    }

    TestCase {
        name: "InAppSpeedTestView"
        when: windowShown

        property var view: null

        function init() {
            SpeedTest.clearSwitches()
            SpeedTest.resetHaptics()
            view = stack.push(speedTestPage)
            tryCompare(stack, "busy", false)
        }

        function cleanup() {
            stack.pop(null)
            tryCompare(stack, "busy", false)
            tryVerify(() => SpeedTest.inFlight() === 0, 10000)
        }

        function find(item, name) {
            if (!item)
                return null
            if (item.objectName === name)
                return item
            const kids = item.data !== undefined ? item.data : []
            for (let i = 0; i < kids.length; ++i) {
                const found = find(kids[i], name)
                if (found)
                    return found
            }
            return null
        }

        function shoot(name) {
            grabImage(root).save(SpeedTest.screenshotPath("speedtest-" + name))
        }

        function panelText(name) {
            return find(find(view, name), "panelValue").text
        }

        function metricText(name) {
            return find(find(view, name), "metricValue").text
        }

        function startRun() {
            mouseClick(find(view, "startOrb"))
            verify(view.engine.isRunning)
        }

        function test_freshScreenShowsOnlyTheStartOrb() {
            const orb = find(view, "startOrb")
            verify(orb.visible)
            compare(orb.Accessible.name, "Начать проверку скорости")
            verify(!find(view, "gauge").visible)
            compare(view.engine.status, "Готов к проверке")
            shoot("idle")
        }

        // Only the disc answers a tap; the corners of its square do not.
        function test_startOrbIsRound() {
            const orb = find(view, "startOrb")
            mouseClick(orb, 4, 4)
            verify(!view.engine.isRunning)
            mouseClick(orb, orb.width / 2, orb.height / 2)
            verify(view.engine.isRunning)
        }

        function test_midDownload() {
            SpeedTest.setSwitch(1, 60000, 0, false, false)
            startRun()
            verify(!view.showsStart)
            tryCompare(view.engine, "status", "Измеряем загрузку", 10000)
            compare(panelText("downloadPanel"), "—")
            compare(panelText("uploadPanel"), "—")
            verify(metricText("pingMetric") !== "—")
            verify(metricText("jitterMetric") !== "—")
            compare(find(view, "gaugeValue").text, "0,00")
            compare(find(view, "gaugeStatus").text, "Измеряем загрузку")
            compare(view.activeTint, view.cyan)
            verify(find(view, "progressRow").visible)
            verify(!find(view, "retryOrb").visible)
            compare(find(view, "serviceLabel").text, "Стенд")
            shoot("running")

            // Leaving the screen stops the run and drops the request.
            const engine = view.engine
            stack.pop()
            compare(engine.status, "Проверка остановлена")
            verify(!engine.isRunning)
            tryVerify(() => SpeedTest.inFlight() === 0, 10000)
            compare(SpeedTest.hapticCount(0) + SpeedTest.hapticCount(1), 0)
        }

        function test_results() {
            startRun()
            tryCompare(view.engine, "isRunning", false, 20000)
            compare(view.engine.status, "Проверка завершена")
            compare(panelText("downloadPanel"), view.engine.download.toFixed(1))
            compare(panelText("uploadPanel"), view.engine.upload.toFixed(1))
            compare(view.activeTint, view.violet)
            verify(find(view, "retryOrb").visible)
            compare(find(view, "retryOrb").Accessible.name, "Повторить проверку скорости")
            verify(!find(view, "progressRow").visible)
            verify(!find(view, "errorBanner").visible)
            // The result takes the focus from the orb that started the run: a screen reader reads it.
            tryVerify(() => find(view, "downloadPanel").activeFocus)
            compare(SpeedTest.hapticCount(0), 1)
            wait(800) // the arc and the needle settle
            shoot("results")
        }

        function test_failureDuringUpload() {
            SpeedTest.setSwitch(2, 0, 500, false, false)
            startRun()
            tryCompare(view.engine, "isRunning", false, 20000)
            verify(find(view, "errorBanner").visible)
            compare(find(view, "errorText").text, "Проверьте подключение к интернету и попробуйте ещё раз.")
            verify(panelText("downloadPanel") !== "—")
            compare(panelText("uploadPanel"), "—")
            tryVerify(() => find(view, "errorText").activeFocus)
            verify(find(view, "retryOrb").visible)
            compare(SpeedTest.hapticCount(1), 1)
            wait(800)
            shoot("failed")
        }

        // Covered by another screen before the download ends, the run stops: back on it, the
        // start orb shows again.
        function test_coveredBeforeTheDownloadStops() {
            SpeedTest.setSwitch(0, 60000, 0, false, false)
            startRun()
            stack.push(otherPage)
            tryCompare(stack, "busy", false)
            compare(view.engine.status, "Проверка остановлена")
            verify(!find(view, "downloadPanel").activeFocus) // a screen out of sight takes no focus
            stack.pop()
            tryCompare(stack, "busy", false)
            verify(view.showsStart)
            verify(find(view, "startOrb").visible)
            compare(view.engine.errorMessage, "")
        }

        // The shell hides a tab that another tab replaces: the run stops as when the screen is
        // left, and the tab shows the start orb when it comes back.
        function test_tabSwitchedAwayStops() {
            SpeedTest.setSwitch(0, 60000, 0, false, false)
            startRun()
            stack.visible = false
            compare(view.engine.isRunning, false)
            compare(view.engine.status, "Проверка остановлена")
            tryVerify(() => SpeedTest.inFlight() === 0, 10000)
            stack.visible = true
            verify(view.showsStart)
        }
    }
}
