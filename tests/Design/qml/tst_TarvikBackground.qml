import QtQuick
import QtTest
import Tarvik.Design
import Tarvik.Platform

Item {
    id: root
    width: 393
    height: 852

    TarvikBackground {
        id: background
        anchors.fill: parent
    }

    TarvikButton {
        id: above
        x: 100
        y: 400
        width: 200
        height: 60
        text: "Войти"
    }

    TestCase {
        name: "TarvikBackground"
        when: windowShown

        function init() {
            background.paletteIndex = 0
            background.reduceMotion = false
            Haptics.reset()
        }

        function test_tapsCyclePalettesWithOneHapticEach_data() {
            return [{ tag: "motion", reduceMotion: false }, { tag: "reduce motion", reduceMotion: true }]
        }

        function test_tapsCyclePalettesWithOneHapticEach(data) {
            background.reduceMotion = data.reduceMotion
            const seen = []
            for (let tap = 1; tap <= 3; ++tap) {
                mouseClick(background, 40, 700)
                seen.push(background.paletteIndex)
                compare(Haptics.count(Haptics.ImpactLight), tap)
            }
            compare(seen, [1, 2, 0])
            compare(Haptics.total(), 3)
        }

        function test_tapOnContentAboveDoesNotCycle() {
            mouseClick(above)
            compare(background.paletteIndex, 0)
            compare(Haptics.total(), 0)
        }
    }
}
