pragma ComponentBehavior: Bound
import QtQuick
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

                ListRow {
                    objectName: "serviceRow"
                    width: parent.width
                    horizontalPadding: 14
                    minimumHeight: 56
                    spacing: 12
                    // The spacer of at least 4 before the chevron sits between two spacings.
                    accessorySpacing: 12 + 4 + 12
                    pressable: true
                    title: entry.modelData.title
                    titleLabel.size: 16
                    titleLabel.color: Theme.tarInk
                    titleLabel.maximumLineCount: 1
                    titleLabel.fontSizeMode: Text.HorizontalFit
                    titleLabel.minimumPixelSize: 16 * 0.76
                    titleLabel.elide: Text.ElideRight
                    contentItem.opacity: down ? 0.45 : 1
                    onClicked: group.opened(entry.modelData)

                    leading: SymbolImage {
                        width: 32
                        height: 32
                        name: entry.modelData.icon
                        size: 21
                        color: Theme.tarInk
                    }

                    accessory: RowChevron {
                        size: 13
                        weight: Font.DemiBold
                        color: Theme.withOpacity(Theme.secondaryLabel, Theme.secondaryLabel.a * 0.35)
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
