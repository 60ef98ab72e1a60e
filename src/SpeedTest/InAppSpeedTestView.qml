import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design
import Tarvik.SpeedTest

// The speed test, on its own dark page: a single "Начать" orb until a test has run, then the
// download and upload panels, ping and jitter, the speedometer, the route to the speed-test
// service, the error banner, and the progress row or the "Повторить" orb. The screen owns its
// engine; leaving it (popped, covered by another screen, or its tab switched away) stops the run.
// Push it onto the presenter's NavigationStack. No inputs besides the colours.
//   readonly engine: the SpeedTestEngine
NavigationPage {
    id: view

    property color dark: Qt.rgba(11 / 255, 13 / 255, 31 / 255, 1)
    property color panel: Qt.rgba(27 / 255, 29 / 255, 50 / 255, 1)
    property color cyan: Qt.rgba(69 / 255, 232 / 255, 226 / 255, 1)
    property color violet: Qt.rgba(184 / 255, 94 / 255, 244 / 255, 1)
    readonly property alias engine: speedTest
    readonly property color activeTint: speedTest.status.indexOf("отдачу") >= 0 || speedTest.upload !== undefined ? violet : cyan
    readonly property bool showsStart: !speedTest.isRunning && speedTest.download === undefined && speedTest.errorMessage.length === 0

    title: "Speedtest"
    color: dark
    navigationBarHidden: true

    T.StackView.onDeactivating: speedTest.stop()
    // Another tab chosen: the shell hides this one, and the screen has gone from view as surely as
    // when it is popped.
    onVisibleChanged: if (!visible) speedTest.stop()

    SpeedTestEngine {
        id: speedTest
        environment: SpeedTestEnvironment
    }

    // A finished run takes the focus to its outcome, so that a screen reader reads it out (once
    // the screen shows it).
    function announceOutcome() {
        if (!speedTest.isRunning && view.onScreen)
            ScreenReader.announce(speedTest.errorMessage.length > 0 ? errorText : downloadPanel)
    }

    Connections {
        target: speedTest

        function onRunningChanged() {
            if (!speedTest.isRunning)
                Qt.callLater(view.announceOutcome) // qmllint disable type
        }
    }

    // The page's own bar: the app's bar is drawn for light pages.
    Item {
        id: bar

        width: parent.width
        height: 44

        BackBarButton {
            objectName: "backButton"
            anchors.left: parent.left
            anchors.leftMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            visible: view.canGoBack
            onClicked: view.pop()
        }

        StyledText {
            anchors.centerIn: parent
            text: view.title
            textStyle: Theme.Headline
            color: Theme.white
            Accessible.role: Accessible.Heading
        }
    }

    Flickable {
        id: scroll

        objectName: "speedTestScroll"
        y: bar.height
        width: parent.width
        height: parent.height - y
        clip: true
        contentWidth: width
        contentHeight: view.showsStart ? startLayout.height : results.implicitHeight + 14 + 30
        flickableDirection: Flickable.VerticalFlick
        boundsBehavior: Flickable.StopAtBounds
        T.ScrollIndicator.vertical: TarvikScrollIndicator {}

        Item {
            id: startLayout

            visible: view.showsStart
            width: scroll.width
            height: Math.max(610, scroll.height)

            SpeedTestOrbButton {
                objectName: "startOrb"
                anchors.centerIn: parent
                title: "Начать"
                diameter: 238
                tint: view.cyan
                onClicked: speedTest.start()
            }
        }

        ColumnLayout {
            id: results

            visible: !view.showsStart
            x: 14
            y: 14
            width: scroll.width - 28
            spacing: 12

            RowLayout {
                Layout.fillWidth: true
                spacing: 8

                SpeedResultPanel {
                    id: downloadPanel
                    objectName: "downloadPanel"
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    title: "Скачать"
                    icon: "arrow.down.circle"
                    value: speedTest.download
                    tint: view.cyan
                    panel: view.panel
                }

                SpeedResultPanel {
                    objectName: "uploadPanel"
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    title: "Передача"
                    icon: "arrow.up.circle"
                    value: speedTest.upload
                    tint: view.violet
                    panel: view.panel
                }
            }

            Row {
                Layout.alignment: Qt.AlignHCenter
                spacing: 14

                NetworkMetric {
                    objectName: "pingMetric"
                    title: "Ping"
                    value: speedTest.ping
                    unit: "мс"
                    icon: "bolt.circle"
                    tint: Theme.systemYellow
                }

                NetworkMetric {
                    objectName: "jitterMetric"
                    title: "Jitter"
                    value: speedTest.jitter
                    unit: "мс"
                    icon: "waveform.circle"
                    tint: Theme.withOpacity(Theme.white, 0.6)
                }
            }

            SpeedometerGauge {
                objectName: "gauge"
                Layout.fillWidth: true
                Layout.preferredHeight: 286
                value: speedTest.upload !== undefined ? speedTest.upload : speedTest.download !== undefined ? speedTest.download : 0
                tint: view.activeTint
                status: speedTest.status
            }

            Row {
                objectName: "routeLine"
                Layout.alignment: Qt.AlignHCenter
                spacing: 6

                SymbolImage {
                    anchors.verticalCenter: parent.verticalCenter
                    name: "iphone"
                    size: Theme.textStyleSize(Theme.Caption2)
                    color: Theme.withOpacity(Theme.white, 0.55)
                }

                StyledText {
                    anchors.verticalCenter: parent.verticalCenter
                    text: "Устройство"
                    textStyle: Theme.Caption2
                    color: Theme.withOpacity(Theme.white, 0.55)
                }

                Rectangle {
                    anchors.verticalCenter: parent.verticalCenter
                    width: 3
                    height: 3
                    radius: 1.5
                    color: Theme.withOpacity(Theme.white, 0.3)
                }

                SymbolImage {
                    anchors.verticalCenter: parent.verticalCenter
                    name: "server.rack"
                    size: Theme.textStyleSize(Theme.Caption2)
                    color: Theme.withOpacity(Theme.white, 0.55)
                }

                StyledText {
                    objectName: "serviceLabel"
                    anchors.verticalCenter: parent.verticalCenter
                    text: speedTest.environment ? speedTest.environment.serviceLabel : ""
                    textStyle: Theme.Caption2
                    color: Theme.withOpacity(Theme.white, 0.55)
                }
            }

            Rectangle {
                objectName: "errorBanner"
                visible: speedTest.errorMessage.length > 0
                Layout.fillWidth: true
                implicitHeight: bannerRow.implicitHeight + 24
                radius: 14
                color: Theme.withOpacity(Theme.systemRed, 0.22)

                RowLayout {
                    id: bannerRow

                    x: 12
                    y: 12
                    width: parent.width - 24
                    spacing: 8

                    SymbolImage {
                        name: "wifi.exclamationmark"
                        size: Theme.textStyleSize(Theme.Caption)
                        color: Theme.white
                    }

                    StyledText {
                        id: errorText
                        objectName: "errorText"
                        Layout.fillWidth: true
                        text: speedTest.errorMessage
                        textStyle: Theme.Caption
                        color: Theme.white
                        wrapMode: Text.Wrap
                    }
                }
            }

            RowLayout {
                objectName: "progressRow"
                visible: speedTest.isRunning
                Layout.alignment: Qt.AlignHCenter
                Layout.minimumHeight: 52
                spacing: 7

                ActivityIndicator {
                    color: view.activeTint
                    running: speedTest.isRunning
                }

                StyledText {
                    text: speedTest.status
                    textStyle: Theme.Caption
                    color: Theme.withOpacity(Theme.white, 0.7)
                }
            }

            SpeedTestOrbButton {
                objectName: "retryOrb"
                visible: !speedTest.isRunning
                Layout.alignment: Qt.AlignHCenter
                title: "Повторить"
                diameter: 112
                tint: view.activeTint
                onClicked: speedTest.start()
            }

            StyledText {
                Layout.fillWidth: true
                text: "Тест использует около 12 МБ трафика. Результат зависит от текущей нагрузки сети."
                textStyle: Theme.Caption2
                color: Theme.withOpacity(Theme.white, 0.45)
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
            }
        }
    }
}
