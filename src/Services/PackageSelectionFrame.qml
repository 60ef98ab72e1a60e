import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design

// The frame of the package selection sheets: a stack whose one page has `title`, "Готово" to
// close the sheet, and its sections (PackageListSection) scrolling on the grouped background,
// 28 apart.
//   title: string; default property: the sections
NavigationStack {
    id: frame

    property string title
    default property alias sections: column.data

    initialItem: NavigationPage {
        title: frame.title
        color: Theme.systemGroupedBackground
        trailingItems: [
            BarButton {
                objectName: "doneButton"
                text: "Готово"
                font.weight: Font.DemiBold
                onClicked: Presentation.dismiss()
            }
        ]

        Flickable {
            id: scroller

            anchors.fill: parent
            contentWidth: width
            contentHeight: column.implicitHeight + 40
            flickableDirection: Flickable.VerticalFlick
            clip: true
            T.ScrollIndicator.vertical: TarvikScrollIndicator {}

            ColumnLayout {
                id: column

                x: 16
                y: 20
                width: scroller.width - 32
                spacing: 28
            }
        }
    }
}
