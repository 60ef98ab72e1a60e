import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design
import Tarvik.Shell

// The services tab: a search field over four cards of services; a row opens its screen on this
// tab's own stack. The search looks into titles and into details and descriptions that are never
// shown.
//   no inputs; readonly hub: its ServicesHub (search text and filtered groups)
NavigationStack {
    id: root

    readonly property alias hub: servicesHub

    ServicesHub {
        id: servicesHub
    }

    initialItem: NavigationPage {
        id: page

        function open(item) {
            const entry = ServiceRouter.entry(item.id)
            page.push(Destinations[entry], Object.assign(Destinations.links(entry), ServiceRouter.properties(item)))
        }

        title: "Сервисы"
        color: Theme.tarPaper

        Flickable {
            anchors.fill: parent
            contentWidth: width
            contentHeight: column.implicitHeight + 6 + 18
            boundsBehavior: Flickable.StopAtBounds

            ColumnLayout {
                id: column

                x: 12
                y: 6
                width: parent.width - 24
                spacing: 14

                Rectangle {
                    Layout.fillWidth: true
                    implicitHeight: 42
                    radius: 14
                    color: Theme.white

                    RowLayout {
                        anchors.fill: parent
                        anchors.leftMargin: 13
                        anchors.rightMargin: 13
                        spacing: 9

                        SymbolImage {
                            name: "magnifyingglass"
                            size: 16
                            color: Theme.secondaryLabel
                        }

                        T.TextField {
                            id: searchField

                            objectName: "serviceSearchField"
                            Layout.fillWidth: true
                            Layout.fillHeight: true
                            verticalAlignment: TextInput.AlignVCenter
                            font: Theme.systemFont(16)
                            color: Theme.label
                            selectionColor: Theme.withOpacity(Theme.tarPink, 0.3)
                            selectedTextColor: Theme.label
                            inputMethodHints: Qt.ImhNoAutoUppercase | Qt.ImhNoPredictiveText
                            placeholderText: "Поиск сервисов"
                            text: servicesHub.searchText
                            onTextChanged: servicesHub.searchText = text

                            StyledText {
                                anchors.fill: parent
                                verticalAlignment: Text.AlignVCenter
                                text: searchField.placeholderText
                                font: searchField.font
                                color: Theme.placeholderText
                                elide: Text.ElideRight
                                visible: searchField.length === 0 && searchField.preeditText.length === 0
                                Accessible.ignored: true
                            }
                        }

                        SymbolButton {
                            objectName: "clearSearchButton"
                            implicitWidth: 28
                            implicitHeight: 42
                            visible: servicesHub.searchText.length > 0
                            buttonStyle: TarvikButton.Plain
                            symbol: "xmark.circle.fill"
                            text: "Очистить поиск"
                            size: 16
                            color: Theme.withOpacity(Theme.secondaryLabel, Theme.secondaryLabel.a * 0.7)
                            onClicked: servicesHub.searchText = ""
                        }
                    }
                }

                EmptyState {
                    objectName: "servicesEmptyState"
                    visible: servicesHub.isEmpty
                    Layout.fillWidth: true
                    verticalPadding: 34
                    spacing: 10
                    symbol: "magnifyingglass"
                    symbolSize: 24
                    symbolColor: Theme.tarInk
                    title: "Ничего не найдено"
                    titleLabel.size: 16
                    titleLabel.weight: Font.DemiBold
                    titleLabel.color: Theme.tarInk
                    message: "Попробуйте изменить запрос"
                    messageLabel.textStyle: Theme.Footnote
                }

                Repeater {
                    model: [servicesHub.primaryItems, servicesHub.serviceItems, servicesHub.promoItems, servicesHub.shopItems]

                    ServiceListGroup {
                        required property var modelData

                        objectName: "serviceGroup"
                        Layout.fillWidth: true
                        visible: modelData.length > 0
                        items: modelData
                        onOpened: item => page.open(item)
                    }
                }
            }
        }
    }
}
