pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Tarvik.Platform
import Tarvik.Design

// Chooses an appearance theme as a sheet's content: three miniature screens, the current one
// checked; a choice writes its raw value ("Системная", "Светлая", "Тёмная") into `selection` and
// nothing else; "Готово" closes the sheet. Any other text counts as the system theme. No screen
// presents it yet.
//   selection: string (the raw value; the presenter reads it back from selectionChanged)
Rectangle {
    id: sheet

    property string selection
    readonly property int current: {
        const theme = TarvikAppearanceTheme.themeOf(selection)
        return theme === undefined ? TarvikAppearanceTheme.System : theme
    }

    color: Theme.systemGroupedBackground

    ColumnLayout {
        anchors.fill: parent
        anchors.leftMargin: 20
        anchors.rightMargin: 20
        anchors.topMargin: 10
        anchors.bottomMargin: 24
        spacing: 22

        Rectangle {
            Layout.alignment: Qt.AlignHCenter
            implicitWidth: 42
            implicitHeight: 5
            radius: 2.5
            color: Theme.withOpacity(Theme.secondaryLabel, Theme.secondaryLabel.a * 0.22)
        }

        StyledText {
            Layout.fillWidth: true
            text: "Выберите тему"
            size: 30
            weight: Font.Bold
            rounded: true
            horizontalAlignment: Text.AlignHCenter
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 12

            Repeater {
                model: TarvikAppearanceTheme.allCases

                TarvikButton {
                    id: cell

                    required property int modelData
                    readonly property bool chosen: sheet.current === modelData

                    objectName: "themeCell" + modelData
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    Layout.alignment: Qt.AlignTop
                    buttonStyle: TarvikButton.Plain
                    text: TarvikAppearanceTheme.rawValueOf(modelData)
                    Accessible.description: chosen ? "Выбрана" : "Не выбрана"
                    onClicked: {
                        sheet.selection = text
                        Haptics.play(Haptics.SelectionChanged)
                    }

                    contentItem: ColumnLayout {
                        spacing: 12

                        ThemePreview {
                            Layout.fillWidth: true
                            theme: cell.modelData
                        }
                        StyledText {
                            Layout.alignment: Qt.AlignHCenter
                            text: cell.text
                            textStyle: Theme.Subheadline
                            weight: Font.DemiBold
                            Accessible.ignored: true
                        }
                        SymbolImage {
                            objectName: "check"
                            Layout.alignment: Qt.AlignHCenter
                            name: cell.chosen ? "checkmark.circle.fill" : "circle"
                            size: Theme.textStyleSize(Theme.Title3)
                            color: cell.chosen ? Theme.tarPink : Theme.withOpacity(Theme.secondaryLabel, Theme.secondaryLabel.a * 0.3)
                        }
                    }
                }
            }
        }

        TarvikButton {
            id: doneButton

            objectName: "doneButton"
            Layout.fillWidth: true
            buttonStyle: TarvikButton.Plain
            text: "Готово"
            onClicked: Presentation.dismiss()

            background: Rectangle {
                implicitHeight: 52
                radius: 16
                color: Theme.tarPink
            }
            contentItem: StyledText {
                text: doneButton.text
                textStyle: Theme.Headline
                color: Theme.white
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                Accessible.ignored: true
            }
        }

        Item {
            Layout.fillHeight: true
        }
    }
}
