pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// The smart-intercom service: what it offers, how to start with the Dorlink app, what the
// building needs, the way to the shop for an extra key, and two help answers. Reads nothing and
// keeps no state.
//   shopDestination: the shop's screen (a Component or its address) that the extra-key card
//   pushes; whoever opens this screen gives it (the shell: its destinations table's shop)
DetailPage {
    id: screen

    property var shopDestination: null

    readonly property var steps: [
        { number: "1", title: "Скачайте Dorlink", subtitle: "Приложение для управления домофоном" },
        { number: "2", title: "Введите номер телефона", subtitle: "Тот, который оставляли в УК при получении ключей" },
        { number: "3", title: "Подтвердите аккаунт", subtitle: "После этого можно свободно управлять доступом" }
    ]
    readonly property var benefits: [
        { icon: "globe.europe.africa.fill", title: "Доступ из любой точки", subtitle: "Открывайте дверь, находясь в любой точке мира" },
        { icon: "key.fill", title: "Гостевой доступ", subtitle: "Создайте временный или одноразовый код для курьера" },
        { icon: "video.fill", title: "Видеозвонок", subtitle: "Видите и слышите гостя у двери прямо в приложении" },
        { icon: "clock.arrow.circlepath", title: "История звонков", subtitle: "Контролируйте, кто и когда приходил" }
    ]
    readonly property var help: [
        { title: "Что делать, если нет интернета?", text: "Дверь всегда можно открыть электронным ключом. Удалённое управление временно недоступно." },
        { title: "Я потерял ключ, что делать?", text: "Обратитесь к нам — мы заблокируем потерянный ключ в целях безопасности." }
    ]

    title: "Умный домофон"

    component SectionHeading: StyledText {
        textStyle: Theme.Title2
        weight: Font.Bold
    }

    // A row of a card: a tile on the leading side, then the title over the subtitle, padded 16;
    // a divider indented by `indent` under every row but the last.
    component TileRow: Item {
        id: tileRow
        default property alias tile: tileHolder.data
        property string title
        property string subtitle
        property real indent: 0
        property bool last: false
        Layout.fillWidth: true
        implicitHeight: rowContent.implicitHeight + 32

        RowLayout {
            id: rowContent
            x: 16
            y: 16
            width: parent.width - 32
            spacing: 14

            Item {
                id: tileHolder
                implicitWidth: childrenRect.width
                implicitHeight: childrenRect.height
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 3
                StyledText {
                    Layout.fillWidth: true
                    text: tileRow.title
                    weight: Font.DemiBold
                    wrapMode: Text.Wrap
                }
                StyledText {
                    Layout.fillWidth: true
                    text: tileRow.subtitle
                    textStyle: Theme.Caption
                    color: Theme.secondaryLabel
                    wrapMode: Text.Wrap
                }
            }
        }
        Divider {
            objectName: "divider"
            visible: !tileRow.last
            anchors.bottom: parent.bottom
            indent: tileRow.indent
        }
    }

    // Hero card.
    CardSurface {
        Layout.fillWidth: true
        padding: 18

        contentItem: RowLayout {
            spacing: 16

            Rectangle {
                Layout.alignment: Qt.AlignTop
                implicitWidth: 64
                implicitHeight: 64
                radius: 18
                color: Theme.tarPink

                SymbolImage {
                    anchors.centerIn: parent
                    name: "door.left.hand.open"
                    size: 28
                    weight: Font.DemiBold
                    color: Theme.white
                }
            }
            ColumnLayout {
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignTop
                spacing: 5
                StyledText {
                    Layout.fillWidth: true
                    text: "Домофон, который всегда с вами в телефоне"
                    textStyle: Theme.Title3
                    weight: Font.Bold
                    color: Theme.tarInk
                    wrapMode: Text.Wrap
                }
                StyledText {
                    Layout.fillWidth: true
                    text: "Открывайте дверь из любой точки мира, создавайте цифровые ключи для гостей и всегда видите, кто звонит вам в квартиру."
                    textStyle: Theme.Subheadline
                    color: Theme.secondaryLabel
                    wrapMode: Text.Wrap
                }
            }
        }
    }

    SectionHeading { text: "Как это работает?" }

    CardSurface {
        objectName: "stepsCard"
        Layout.fillWidth: true

        contentItem: ColumnLayout {
            spacing: 0

            Repeater {
                model: screen.steps

                TileRow {
                    id: step
                    required property var modelData
                    required property int index
                    title: modelData.title
                    subtitle: modelData.subtitle
                    indent: 66
                    last: index === screen.steps.length - 1

                        Rectangle {
                            width: 36
                            height: 36
                            radius: 18
                            color: Theme.tarPink

                            StyledText {
                                anchors.centerIn: parent
                                text: step.modelData.number
                                textStyle: Theme.Headline
                                weight: Font.Bold
                                color: Theme.white
                            }
                        }
                }
            }
        }
    }

    SectionHeading { text: "Ваши выгоды" }

    CardSurface {
        objectName: "benefitsCard"
        Layout.fillWidth: true

        contentItem: ColumnLayout {
            spacing: 0

            Repeater {
                model: screen.benefits

                TileRow {
                    id: benefit
                    required property var modelData
                    required property int index
                    title: modelData.title
                    subtitle: modelData.subtitle
                    indent: 68
                    last: index === screen.benefits.length - 1

                        Rectangle {
                            width: 38
                            height: 38
                            radius: 12
                            color: Theme.withOpacity(Theme.tarPink, 0.12)

                            SymbolImage {
                                anchors.centerIn: parent
                                name: benefit.modelData.icon
                                size: Theme.textStyleSize(Theme.Headline)
                                color: Theme.tarPink
                            }
                        }
                }
            }
        }
    }

    // Requirements card.
    CardSurface {
        Layout.fillWidth: true
        padding: 18

        contentItem: ColumnLayout {
            spacing: 10
            StyledText {
                text: "Что нужно для подключения?"
                textStyle: Theme.Headline
            }
            StyledText {
                Layout.fillWidth: true
                text: "Для управления со смартфона требуется наша система в подъезде и электронный ключ в вашей квартире. Уточнить, подключен ли ваш дом к умной домофонии TARVIK, можно в обслуживающей УК."
                textStyle: Theme.Subheadline
                color: Theme.secondaryLabel
                wrapMode: Text.Wrap
            }
        }
    }

    // The extra-key card: the whole card opens the shop.
    TarvikButton {
        objectName: "extraKeyLink"
        Layout.fillWidth: true
        buttonStyle: TarvikButton.Plain
        padding: 0
        text: "Нужен дополнительный ключ?"
        Accessible.description: "Закажите его в разделе «Оборудование»"
        onClicked: if (screen.shopDestination) screen.push(screen.shopDestination)

        contentItem: CardSurface {
            padding: 18

            contentItem: RowLayout {
                spacing: 14

                Rectangle {
                    implicitWidth: 44
                    implicitHeight: 44
                    radius: 13
                    color: Theme.withOpacity(Theme.tarPink, 0.12)

                    SymbolImage {
                        anchors.centerIn: parent
                        name: "key.horizontal.fill"
                        size: Theme.textStyleSize(Theme.Title3)
                        color: Theme.tarPink
                    }
                }
                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 3
                    StyledText {
                        Layout.fillWidth: true
                        text: "Нужен дополнительный ключ?"
                        textStyle: Theme.Headline
                        color: Theme.tarInk
                        wrapMode: Text.Wrap
                    }
                    StyledText {
                        Layout.fillWidth: true
                        text: "Закажите его в разделе «Оборудование»"
                        textStyle: Theme.Caption
                        color: Theme.secondaryLabel
                        wrapMode: Text.Wrap
                    }
                }
                RowChevron {
                    size: Theme.textStyleSize(Theme.Body)
                    weight: Font.Normal
                    color: Theme.secondaryLabel
                }
            }
        }
    }

    SectionHeading { text: "Помощь" }

    CardSurface {
        objectName: "helpCard"
        Layout.fillWidth: true

        contentItem: ColumnLayout {
            spacing: 0

            Repeater {
                model: screen.help

                Item {
                    id: answer
                    required property var modelData
                    required property int index
                    Layout.fillWidth: true
                    implicitHeight: answerText.implicitHeight + 32

                    ColumnLayout {
                        id: answerText
                        x: 16
                        y: 16
                        width: parent.width - 32
                        spacing: 7
                        StyledText {
                            Layout.fillWidth: true
                            text: answer.modelData.title
                            weight: Font.DemiBold
                            wrapMode: Text.Wrap
                        }
                        StyledText {
                            Layout.fillWidth: true
                            text: answer.modelData.text
                            textStyle: Theme.Subheadline
                            color: Theme.secondaryLabel
                            wrapMode: Text.Wrap
                        }
                    }
                    Divider {
                        objectName: "divider"
                        visible: answer.index < screen.help.length - 1
                        anchors.bottom: parent.bottom
                        indent: 16
                    }
                }
            }
        }
    }
}
