import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design
import Tarvik.Account
import Tarvik.Services

// "Ваш тариф": the subscriber's tariff as the account store holds it, what it includes, and the
// button that opens the tariff chooser as a sheet. It only reads the store and redraws when the
// store publishes a new account.
NavigationPage {
    id: screen

    readonly property accountData account: AccountStore.account
    readonly property string speed: account.tariffSpeed
    property bool changePresented: false

    color: Theme.black

    Flickable {
        id: scroller

        anchors.fill: parent
        contentWidth: width
        contentHeight: stack.implicitHeight
        flickableDirection: Flickable.VerticalFlick
        T.ScrollIndicator.vertical: TarvikScrollIndicator {}

        // Below the content the page stays white when the scroll bounces up.
        Rectangle {
            y: stack.height
            width: parent.width
            height: Math.max(0, scroller.height)
            color: Theme.white
        }

        ColumnLayout {
            id: stack

            width: scroller.width
            spacing: 0

            // The header.
            Rectangle {
                Layout.fillWidth: true
                implicitHeight: hero.implicitHeight + 54 + 44

                gradient: Gradient {
                    orientation: Gradient.Horizontal
                    GradientStop { position: 0; color: Theme.black }
                    GradientStop { position: 1; color: Qt.rgba(0.08, 0.08, 0.10, 1) }
                }

                ColumnLayout {
                    id: hero

                    x: 20
                    y: 54
                    width: parent.width - 40
                    spacing: 12

                    StyledText {
                        Layout.fillWidth: true
                        text: "Ваш тариф"
                        size: 34
                        weight: Font.Black
                        rounded: true
                        tracking: -0.8
                        color: Theme.white
                    }

                    StyledText {
                        objectName: "accountLine"
                        Layout.fillWidth: true
                        text: "Лицевой счёт " + screen.account.shownAccountNumber
                        textStyle: Theme.Subheadline
                        weight: Font.Medium
                        color: Theme.withOpacity(Theme.white, 0.58)
                        elide: Text.ElideRight
                    }
                }
            }

            // The content sheet, pulled up over the header's bottom.
            Item {
                Layout.fillWidth: true
                Layout.topMargin: -22
                implicitHeight: content.implicitHeight + 22 + 30

                RoundedCornerShape {
                    anchors.fill: parent
                    radius: 28
                    corners: RoundedCornerShape.TopLeft | RoundedCornerShape.TopRight
                    color: Theme.white
                }

                ColumnLayout {
                    id: content

                    x: 16
                    y: 22
                    width: parent.width - 32
                    spacing: 18

                    // The current tariff.
                    Rectangle {
                        objectName: "currentTariffCard"
                        Layout.fillWidth: true
                        implicitHeight: current.implicitHeight + 36
                        radius: 24
                        color: Theme.withOpacity(Theme.tarPaper, 0.76)

                        ColumnLayout {
                            id: current

                            x: 18
                            y: 18
                            width: parent.width - 36
                            spacing: 16

                            RowLayout {
                                Layout.fillWidth: true
                                spacing: 12

                                ColumnLayout {
                                    Layout.fillWidth: true
                                    Layout.alignment: Qt.AlignTop
                                    spacing: 6

                                    StyledText {
                                        text: "Текущий тариф"
                                        textStyle: Theme.Caption
                                        weight: Font.DemiBold
                                        color: Theme.withOpacity(Theme.tarInk, 0.52)
                                    }

                                    StyledText {
                                        objectName: "tariffName"
                                        Layout.fillWidth: true
                                        text: screen.account.tariffName
                                        size: 28
                                        weight: Font.Black
                                        rounded: true
                                        tracking: -0.65
                                        color: Theme.tarInk
                                        wrapMode: Text.Wrap
                                        maximumLineCount: 2
                                        elide: Text.ElideRight
                                    }
                                }

                                Rectangle {
                                    Layout.alignment: Qt.AlignTop
                                    implicitWidth: badge.implicitWidth + 22
                                    implicitHeight: 30
                                    radius: 15
                                    color: Theme.withOpacity(Theme.systemGreen, 0.12)

                                    StyledText {
                                        id: badge

                                        objectName: "statusBadge"
                                        anchors.centerIn: parent
                                        text: "Активен"
                                        textStyle: Theme.Caption
                                        weight: Font.Black
                                        color: Theme.systemGreen
                                    }
                                }
                            }

                            StyledText {
                                objectName: "tariffPrice"
                                Layout.fillWidth: true
                                text: screen.account.tariffPrice
                                size: 36
                                weight: Font.Black
                                rounded: true
                                tracking: -1
                                color: Theme.tarInk
                                fontSizeMode: Text.HorizontalFit
                                minimumPixelSize: Math.floor(36 * 0.66)
                                maximumLineCount: 1
                                elide: Text.ElideRight
                            }

                            RowLayout {
                                Layout.fillWidth: true
                                spacing: 10

                                TariffMiniStatusCard {
                                    objectName: "speedStatus"
                                    Layout.fillWidth: true
                                    Layout.preferredWidth: 1
                                    title: "Скорость"
                                    value: screen.speed
                                    tint: Theme.tarPink
                                }

                                TariffMiniStatusCard {
                                    objectName: "tvStatus"
                                    Layout.fillWidth: true
                                    Layout.preferredWidth: 1
                                    title: "24ТВ"
                                    value: screen.account.televisionConnected ? "Подключено" : "Не подключено"
                                    tint: Theme.tarOrange
                                }
                            }
                        }
                    }

                    // What the tariff includes.
                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 12

                        StyledText {
                            text: "Входит в тариф"
                            size: 23
                            weight: Font.Bold
                            rounded: true
                            tracking: -0.35
                            color: Theme.tarInk
                        }

                        RowLayout {
                            Layout.fillWidth: true
                            spacing: 10

                            HomeMiniPartnerCard {
                                objectName: "internetIncluded"
                                Layout.fillWidth: true
                                Layout.preferredWidth: 1
                                icon: "wifi"
                                title: "Интернет"
                                subtitle: screen.speed
                                tint: Theme.tarPink
                            }

                            HomeMiniPartnerCard {
                                objectName: "tvIncluded"
                                Layout.fillWidth: true
                                Layout.preferredWidth: 1
                                icon: "play.tv.fill"
                                title: "24ТВ"
                                subtitle: screen.account.televisionConnected ? "Каналы и кино" : "Не подключено"
                                tint: Theme.tarOrange
                            }

                            HomeMiniPartnerCard {
                                Layout.fillWidth: true
                                Layout.preferredWidth: 1
                                icon: "headphones"
                                title: "Поддержка"
                                subtitle: "24/7 онлайн"
                                tint: Theme.tarInk
                            }
                        }
                    }

                    // The way to another tariff.
                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 12

                        TarvikButton {
                            id: changeButton

                            objectName: "changeTariffButton"
                            Layout.fillWidth: true
                            buttonStyle: TarvikButton.Plain
                            text: "Выбрать другой тариф"
                            onClicked: screen.changePresented = true

                            background: Rectangle {
                                implicitHeight: 54
                                radius: 18
                                color: Theme.tarPink
                            }

                            contentItem: StyledText {
                                text: changeButton.text
                                size: 16
                                weight: Font.Black
                                rounded: true
                                tracking: 0.2
                                color: Theme.white
                                horizontalAlignment: Text.AlignHCenter
                                verticalAlignment: Text.AlignVCenter
                                opacity: changeButton.down ? 0.7 : 1
                                Accessible.ignored: true
                            }
                        }

                        StyledText {
                            Layout.fillWidth: true
                            text: "Можно добавить 24ТВ и мобильную связь при выборе нового тарифа."
                            textStyle: Theme.Caption
                            weight: Font.Medium
                            color: Theme.withOpacity(Theme.tarInk, 0.52)
                            horizontalAlignment: Text.AlignHCenter
                            wrapMode: Text.Wrap
                        }
                    }
                }
            }
        }
    }

    Sheet {
        objectName: "chooserSheet"
        presented: screen.changePresented
        onClosed: screen.changePresented = false
        sourceComponent: Component {
            NavigationStack {
                initialItem: TariffSelectionView {}
            }
        }
    }
}
