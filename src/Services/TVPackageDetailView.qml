import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design
import Tarvik.Services

// The screen of one partner TV package: channel count, description and price with the connect
// button, a channel search, the channels as a grid of logo tiles (built as they scroll into view)
// and where the list comes from. Connecting is confirmation-only: after a short sending state (none
// for a free package) the shared confirmation sheet opens; nothing is sent. Push it onto a
// NavigationStack.
//   required tvPackage: the package (a tvPackage; "package" is a reserved word)
//   readonly request: its ConfirmationSend
NavigationPage {
    id: view

    required property tvPackage tvPackage
    property alias search: channelModel.search
    readonly property alias request: confirmation
    readonly property bool isFree: view.tvPackage.price === "0 ₽"
    readonly property bool hasChannels: channelModel.packageCount > 0
    readonly property alias channels: channelModel
    readonly property alias grid: grid

    function connect() {
        if (view.isFree)
            confirmation.confirmed = true
        else
            confirmation.send()
    }

    title: view.tvPackage.title
    color: Theme.tarPaper

    TVChannelListModel {
        id: channelModel

        packageID: view.tvPackage.id
    }

    ConfirmationSend {
        id: confirmation
    }

    GridView {
        id: grid

        objectName: "channelGrid"
        readonly property real gap: 10
        property bool scrolledByUser: false

        anchors.fill: parent
        // Margins rather than an inset view, so that the cards' shadows are not cut off.
        topMargin: 20
        leftMargin: 20
        rightMargin: 20 - gap
        bottomMargin: 20
        cellWidth: (width - leftMargin - rightMargin) / 3
        cellHeight: 116 + gap
        clip: true
        model: channelModel
        // No current tile: the view would otherwise scroll to keep one in sight.
        currentIndex: -1
        cacheBuffer: 240
        T.ScrollIndicator.vertical: TarvikScrollIndicator {}
        onMovementStarted: scrolledByUser = true

        // qmllint disable unqualified
        header: ColumnLayout {
            width: grid.width - 40
            spacing: 18
            // The header settles its wrapped texts after the first layout; until the user scrolls,
            // the screen stays at its top.
            onHeightChanged: {
                if (!grid.scrolledByUser)
                    grid.contentY = grid.originY - grid.topMargin
            }

            CardSurface {
                Layout.fillWidth: true
                padding: 18
                contentItem: ColumnLayout {
                    spacing: 14

                    StyledText {
                        Layout.fillWidth: true
                        text: view.tvPackage.channelCount
                        size: 32
                        weight: Font.Bold
                        rounded: true
                        wrapMode: Text.Wrap
                        maximumLineCount: 2
                        elide: Text.ElideRight
                    }
                    StyledText {
                        Layout.fillWidth: true
                        text: view.tvPackage.description
                        color: Theme.secondaryLabel
                        wrapMode: Text.Wrap
                    }
                    Rectangle {
                        Layout.fillWidth: true
                        Layout.preferredHeight: 1
                        color: Theme.separator
                    }
                    ValueLine {
                        title: "Стоимость"
                        value: view.tvPackage.price
                    }
                    PrimaryGlassButton {
                        objectName: "connectButton"
                        Layout.fillWidth: true
                        buttonStyle: TarvikButton.PrimaryGlass
                        title: view.isFree ? "Смотреть" : confirmation.sending ? "Отправляем…" : "Подключить"
                        icon: confirmation.sending ? "hourglass" : "checkmark"
                        enabled: !confirmation.sending
                        onClicked: view.connect()
                    }
                }
            }

            Rectangle {
                objectName: "searchRow"
                Layout.fillWidth: true
                Layout.preferredHeight: 52
                visible: view.hasChannels
                radius: 16
                color: Theme.white

                RowLayout {
                    anchors.fill: parent
                    anchors.leftMargin: 16
                    anchors.rightMargin: 16
                    spacing: 10

                    SymbolImage {
                        name: "magnifyingglass"
                        color: Theme.secondaryLabel
                        Accessible.ignored: true
                    }
                    TextInput {
                        id: searchInput

                        objectName: "searchField"
                        Layout.fillWidth: true
                        // A plain text input is not a Tab stop by itself; a field always is.
                        activeFocusOnTab: true
                        text: view.search
                        font: Theme.font(Theme.Body)
                        color: Theme.label
                        clip: true
                        inputMethodHints: Qt.ImhNoAutoUppercase | Qt.ImhNoPredictiveText
                        onTextEdited: view.search = text
                        Accessible.role: Accessible.EditableText
                        Accessible.name: "Найти канал"

                        StyledText {
                            anchors.fill: parent
                            visible: searchInput.text.length === 0
                            text: "Найти канал"
                            color: Theme.placeholderText
                            Accessible.ignored: true
                        }
                    }
                    SymbolButton {
                        objectName: "clearSearchButton"
                        Layout.preferredWidth: 28
                        Layout.preferredHeight: 28
                        visible: view.search.length > 0
                        symbol: "xmark.circle.fill"
                        text: "Очистить поиск"
                        color: Theme.secondaryLabel
                        onClicked: view.search = ""
                    }
                }
            }

            RowLayout {
                Layout.fillWidth: true

                StyledText {
                    text: "Каналы в подписке"
                    textStyle: Theme.Title2
                    weight: Font.Bold
                }
                Item { Layout.fillWidth: true }
                StyledText {
                    objectName: "channelCount"
                    text: String(channelModel.count)
                    textStyle: Theme.Subheadline
                    weight: Font.Bold
                    color: Theme.tarPink
                }
            }

            EmptyState {
                objectName: "emptyState"
                Layout.fillWidth: true
                minimumHeight: 220
                visible: channelModel.count === 0
                symbol: view.search.length === 0 ? "film.stack" : "tv.slash"
                symbolSize: Theme.textStyleSize(Theme.LargeTitle)
                symbolItem.objectName: "emptyStateSymbol"
                title: view.search.length === 0 ? "Онлайн-кинотеатр" : "Канал не найден"
                titleLabel.objectName: "emptyStateTitle"
                message: view.search.length === 0
                         ? "В этой подписке доступна библиотека фильмов и сериалов без отдельных телеканалов."
                         : "Попробуйте изменить запрос"
            }

            // The grid's first row keeps the layout's spacing below the header.
            Item { Layout.preferredHeight: 0 }
        }

        delegate: Item {
            required property string name
            required property string logo

            width: grid.cellWidth
            height: grid.cellHeight

            TVChannelCard {
                width: parent.width - grid.gap
                height: 116
                name: parent.name
                logo: parent.logo
            }
        }

        footer: StyledText {
            objectName: "sourceNote"
            width: grid.width - 40
            visible: view.hasChannels
            height: visible ? implicitHeight + 12 + 20 : 20
            topPadding: 6
            bottomPadding: 6
            text: "Состав синхронизирован с открытым каталогом 24ТВ. Подключение подписки пока работает в демонстрационном режиме."
            textStyle: Theme.Caption
            color: Theme.secondaryLabel
            wrapMode: Text.Wrap
        }
        // qmllint enable unqualified
    }

    RequestConfirmationSheet {
        request: confirmation
        allowed: view.onScreen
        title: "Заявка принята"
        message: "Специалист Tarvik свяжется с вами и подтвердит подключение подписки «" + view.tvPackage.title + "»."
    }

    RequestErrorAlert {
        request: confirmation
        allowed: view.onScreen
    }
}
