pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design

// The shell's tab bar: a symbol over a short title per tab, the selected one in the tint. Its
// look is the app's: translucent white (material plus white at 0.54) with a faint white hairline
// on top. Nothing behind it is blurred on this platform; the material stands in for the blur.
//   required tabs: list of { title, symbol }; currentIndex: int; tabClicked(index)
Item {
    id: bar

    required property var tabs
    property int currentIndex: 0

    signal tabClicked(int index)

    implicitHeight: 49
    // Assistive technology sees the tabs in a tab list.
    Accessible.role: Accessible.PageTabList
    Accessible.name: "Разделы"

    Rectangle {
        anchors.fill: parent
        color: Theme.ultraThinMaterial
    }
    Rectangle {
        anchors.fill: parent
        color: Theme.withOpacity(Theme.white, 0.54)
    }
    Rectangle {
        width: parent.width
        height: 1 / Screen.devicePixelRatio
        color: Theme.withOpacity(Theme.white, 0.45)
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0

        Repeater {
            model: bar.tabs

            // A tab button: assistive technology sees a tab, checked and selected while shown.
            T.TabButton {
                id: tab

                required property var modelData
                required property int index
                readonly property bool selected: index === bar.currentIndex
                readonly property color labelColor: selected ? Theme.tarPink : Theme.systemGray

                objectName: "tab" + index
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.preferredWidth: 1
                text: modelData.title
                // Not exclusive: the shown tab alone checks a tab, whatever a tap did.
                autoExclusive: false
                checked: selected
                onClicked: {
                    bar.tabClicked(index)
                    // The tap checked this tab itself; the shown tab decides.
                    checked = Qt.binding(() => tab.selected)
                }

                contentItem: Column {
                    topPadding: 2
                    spacing: -1

                    SymbolImage {
                        anchors.horizontalCenter: parent.horizontalCenter
                        name: tab.modelData.symbol
                        size: 19
                        color: tab.labelColor
                    }
                    StyledText {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: tab.modelData.title
                        size: 10
                        weight: Font.Medium
                        color: tab.labelColor
                        Accessible.ignored: true
                    }
                }
            }
        }
    }
}
