import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// A pushed screen that stands in for a section not built yet: the section's title in the bar and
// a short note. `content` adds items under the note (the profile's sign-out, for one).
//   title: string; icon: symbol name; default property: extra items
NavigationPage {
    id: page

    property string icon: "sparkles"
    default property alias content: extras.data

    color: Theme.tarPaper

    ColumnLayout {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 20
        spacing: 18

        CardSurface {
            Layout.fillWidth: true
            padding: 18

            contentItem: ColumnLayout {
                spacing: 10

                SymbolImage {
                    name: page.icon
                    size: 28
                    color: Theme.tarPink
                }
                StyledText {
                    Layout.fillWidth: true
                    text: page.title
                    textStyle: Theme.Title3
                    weight: Font.Bold
                    color: Theme.tarInk
                    wrapMode: Text.Wrap
                }
                StyledText {
                    Layout.fillWidth: true
                    text: "Раздел появится в одном из следующих обновлений приложения."
                    textStyle: Theme.Subheadline
                    color: Theme.secondaryLabel
                    wrapMode: Text.Wrap
                }
            }
        }

        ColumnLayout {
            id: extras
            Layout.fillWidth: true
            spacing: 12
        }
    }
}
