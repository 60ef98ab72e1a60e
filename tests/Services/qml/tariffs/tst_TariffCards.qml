import QtQuick
import QtQuick.Layouts
import QtTest
import Tarvik.Design
import Tarvik.Services
import TarvikTest
import "../../../common/qml/finder.js" as Finder

// The tariff overview kit's metric card and included row, which no screen places yet.
Rectangle {
    id: root
    width: 393
    height: 852
    color: Theme.tarPaper

    ColumnLayout {
        x: 20
        y: 40
        width: parent.width - 40
        spacing: 14

        RowLayout {
            Layout.fillWidth: true
            spacing: 12
            TariffMetricCard {
                id: speed
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                icon: "speedometer"
                title: "Скорость"
                value: "500 Мбит/с"
                tint: Theme.tarPink
            }
            TariffMetricCard {
                id: price
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                icon: "rublesign"
                title: "Стоимость"
                value: "890 ₽/мес."
                tint: Theme.tarOrange
            }
        }

        CardSurface {
            Layout.fillWidth: true
            contentItem: ColumnLayout {
                spacing: 0
                TariffIncludedRow {
                    id: internet
                    Layout.fillWidth: true
                    icon: "wifi"
                    title: "Интернет"
                    subtitle: "500 Мбит/с"
                    tint: Theme.tarPink
                }
                TariffIncludedRow {
                    id: television
                    Layout.fillWidth: true
                    icon: "play.tv.fill"
                    title: "24ТВ"
                    subtitle: "Каналы и кино, онлайн-кинотеатры и передачи для всей семьи на любом экране дома"
                    tint: Theme.tarOrange
                }
            }
        }
    }

    TestCase {
        name: "TariffCards"
        when: windowShown

        function within(item, outer) {
            const r = item.mapToItem(outer, 0, 0, item.width, item.height)
            return r.x >= -0.5 && r.y >= -0.5 && r.x + r.width <= outer.width + 0.5 && r.y + r.height <= outer.height + 0.5
        }

        // A value too long for the card shrinks, down to three quarters of its size, on one line;
        // what still does not fit is cut, never wrapped onto a second line.
        function test_metricValueStaysOnOneLine() {
            const value = Finder.find(speed, "metricValue")
            const normal = value.font.pixelSize
            compare(value.lineCount, 1)
            verify(!value.truncated)
            verify(within(value, speed))
            speed.value = "1000 Мбит/с по оптике"
            tryVerify(() => value.fontInfo.pixelSize < normal)
            verify(value.fontInfo.pixelSize >= Math.floor(normal * 0.75))
            compare(value.lineCount, 1)
            speed.value = "Очень длинное значение, которое не поместится никак"
            tryVerify(() => value.truncated)
            compare(value.lineCount, 1)
            verify(within(value, speed))
            speed.value = "500 Мбит/с"
        }

        // The tile 16 in, the check at the trailing edge 16 in, a long subtitle wrapped between.
        function test_includedRow() {
            const tile = Finder.find(television, "includedTile")
            const check = Finder.find(television, "includedCheck")
            tryVerify(() => !isPolishScheduled(television.children[0]))
            compare(tile.width, 38)
            compare(tile.height, 38)
            compare(tile.mapToItem(television, 0, 0).x, 16)
            compare(check.mapToItem(television, check.width, 0).x, television.width - 16)
            const subtitle = Finder.find(television, candidate => candidate.text === television.subtitle)
            verify(subtitle.lineCount > 1)
            verify(!subtitle.truncated)
            verify(subtitle.mapToItem(television, subtitle.width, 0).x <= check.mapToItem(television, 0, 0).x - 14 + 0.5)
            verify(television.height > internet.height)
            Finder.shoot(this, root, "services-tariff-cards", Account)
        }
    }
}
