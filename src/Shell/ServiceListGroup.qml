pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// One white card of hub rows: symbol, title, chevron; a divider between rows (none after the
// last). A tap reports the row's item; the hub pushes its destination.
//   required items: list of serviceListItem; opened(item)
Rectangle {
    id: group

    required property var items

    signal opened(var item)

    implicitHeight: rows.implicitHeight
    radius: 20
    color: Theme.white

    Column {
        id: rows
        width: parent.width

        Repeater {
            model: group.items

            Column {
                id: entry

                required property var modelData
                required property int index

                width: rows.width

                TarvikButton {
                    id: rowButton

                    objectName: "serviceRow"
                    width: parent.width
                    implicitHeight: Math.max(56, implicitContentHeight)
                    buttonStyle: TarvikButton.Plain
                    text: entry.modelData.title
                    onClicked: group.opened(entry.modelData)

                    contentItem: RowLayout {
                        spacing: 12
                        opacity: rowButton.down ? 0.45 : 1

                        Item {
                            Layout.leftMargin: 14
                            implicitWidth: 32
                            implicitHeight: 32

                            SymbolImage {
                                anchors.centerIn: parent
                                name: entry.modelData.icon
                                size: 21
                                color: Theme.tarInk
                            }
                        }
                        StyledText {
                            Layout.fillWidth: true
                            text: entry.modelData.title
                            size: 16
                            color: Theme.tarInk
                            maximumLineCount: 1
                            fontSizeMode: Text.HorizontalFit
                            minimumPixelSize: 16 * 0.76
                            elide: Text.ElideRight
                            Accessible.ignored: true
                        }
                        // The spacer of at least 4 before the chevron sits between two spacings.
                        SymbolImage {
                            Layout.leftMargin: 4 + parent.spacing
                            Layout.rightMargin: 14
                            name: "chevron.right"
                            size: 13
                            weight: Font.DemiBold
                            color: Theme.withOpacity(Theme.secondaryLabel, Theme.secondaryLabel.a * 0.35)
                        }
                    }
                }

                Rectangle {
                    objectName: "serviceDivider"
                    visible: entry.index < group.items.length - 1
                    x: 58
                    width: parent.width - x
                    height: 1 / Screen.devicePixelRatio
                    color: Theme.separator
                }
            }
        }
    }
}
