import QtQuick
import Tarvik.Design

// The frame of the package selection sheets: a stack whose one page has `title`, "Готово" to
// close the sheet, and its sections (PackageListSection) scrolling on the grouped background,
// 28 apart.
//   title: string; default property: the sections
NavigationStack {
    id: frame

    property string title
    default property alias sections: page.content

    initialItem: DetailPage {
        id: page

        title: frame.title
        sideMargin: 16
        contentSpacing: 28
        color: Theme.systemGroupedBackground
        trailingItems: [
            BarButton {
                objectName: "doneButton"
                text: "Готово"
                font.weight: Font.DemiBold
                onClicked: Presentation.dismiss()
            }
        ]
    }
}
