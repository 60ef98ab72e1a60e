pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Shop

// The page of one product: the photo pager with its counter, the name, price and description
// with the specifications behind "Подробнее", sample reviews, and the buy button pinned below.
//   required product: shopProduct
DetailPage {
    id: screen

    required property var product
    property int selectedImage: 0
    property bool detailsExpanded: false
    readonly property bool added: confirmation.added
    readonly property int imageCount: product.imageURLs.length

    title: product.name

    ShopAddConfirmation {
        id: confirmation
        announcement: addedAnnouncement
    }

    // Picture pager.
    Rectangle {
        Layout.fillWidth: true
        implicitHeight: 236
        radius: 24
        color: Theme.withOpacity(Theme.tarPaper, 0.82)

        ListView {
            id: pager
            objectName: "pager"

            anchors.fill: parent
            clip: true
            orientation: ListView.Horizontal
            snapMode: ListView.SnapOneItem
            highlightRangeMode: ListView.StrictlyEnforceRange
            boundsBehavior: Flickable.StopAtBounds
            highlightMoveDuration: 250
            model: screen.product.imageURLs
            currentIndex: screen.selectedImage
            onCurrentIndexChanged: screen.selectedImage = currentIndex

            delegate: Item {
                required property string modelData
                width: pager.width
                height: pager.height

                TarvikCachedRemoteImage {
                    anchors.fill: parent
                    anchors.margins: 16
                    url: parent.modelData
                }
            }
        }

        Row {
            objectName: "pageDots"
            visible: screen.imageCount >= 2
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 10
            spacing: 8

            Repeater {
                model: screen.imageCount

                Rectangle {
                    required property int index
                    width: 7
                    height: 7
                    radius: 3.5
                    color: index === screen.selectedImage ? Theme.tarInk : Theme.withOpacity(Theme.tarInk, 0.25)
                }
            }
        }

        Rectangle {
            visible: screen.imageCount >= 2
            anchors.top: parent.top
            anchors.right: parent.right
            anchors.margins: 12
            width: counter.implicitWidth + 20
            height: counter.implicitHeight + 12
            radius: height / 2
            color: Theme.thinMaterial

            StyledText {
                id: counter
                objectName: "imageCounter"
                anchors.centerIn: parent
                text: (screen.selectedImage + 1) + " / " + screen.imageCount
                textStyle: Theme.Caption
                weight: Font.Bold
            }
        }
    }

    // Main card.
    CardSurface {
        Layout.fillWidth: true
        padding: 18

        contentItem: ColumnLayout {
            spacing: 14

            StyledText {
                Layout.fillWidth: true
                text: screen.product.name
                size: 28
                weight: Font.Black
                rounded: true
                tracking: -0.65
                color: Theme.tarInk
                maximumLineCount: 2
                wrapMode: Text.Wrap
                elide: Text.ElideRight
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 21
            }

            StyledText {
                text: screen.product.price
                size: 34
                weight: Font.Black
                rounded: true
                tracking: -0.8
                color: Theme.tarPink
            }

            StyledText {
                objectName: "description"
                Layout.fillWidth: true
                text: screen.product.description
                textStyle: Theme.Subheadline
                weight: Font.Medium
                color: Theme.withOpacity(Theme.tarInk, 0.58)
                wrapMode: Text.Wrap
                maximumLineCount: screen.detailsExpanded ? 100000 : 3
                elide: Text.ElideRight
            }

            ColumnLayout {
                objectName: "specifications"
                visible: screen.detailsExpanded && screen.product.specifications.length > 0
                Layout.fillWidth: true
                spacing: 14

                Rectangle {
                    Layout.fillWidth: true
                    implicitHeight: 0.5
                    color: Theme.separator
                }

                StyledText {
                    text: "Характеристики"
                    size: 20
                    weight: Font.Black
                    rounded: true
                }

                Repeater {
                    model: screen.detailsExpanded ? screen.product.specifications : []

                    ColumnLayout {
                        required property var modelData
                        readonly property var specifications: screen.product.specifications
                        Layout.fillWidth: true
                        spacing: 14

                        ValueLine {
                            title: parent.modelData.title
                            value: parent.modelData.value
                        }
                        Rectangle {
                            visible: parent.modelData.title !== parent.specifications[parent.specifications.length - 1].title
                            Layout.fillWidth: true
                            implicitHeight: 0.5
                            color: Theme.separator
                        }
                    }
                }
            }

            TarvikButton {
                objectName: "detailsToggle"
                Layout.fillWidth: true
                buttonStyle: TarvikButton.Plain
                padding: 0
                text: screen.detailsExpanded ? "Скрыть" : "Подробнее"
                onClicked: screen.detailsExpanded = !screen.detailsExpanded

                contentItem: Rectangle {
                    implicitHeight: 44
                    radius: 13
                    color: Theme.withOpacity(Theme.tarPink, 0.09)

                    StyledText {
                        anchors.centerIn: parent
                        text: screen.detailsExpanded ? "Скрыть" : "Подробнее"
                        textStyle: Theme.Subheadline
                        weight: Font.Black
                        color: Theme.tarPink
                        Accessible.ignored: true
                    }
                }
            }
        }
    }

    // Reviews card.
    CardSurface {
        objectName: "reviews"
        visible: screen.product.reviews.length > 0
        Layout.fillWidth: true
        padding: 18

        contentItem: ColumnLayout {
            spacing: 14

            StyledText {
                text: "Примеры отзывов"
                textStyle: Theme.Title3
                weight: Font.Bold
            }
            StyledText {
                Layout.fillWidth: true
                text: "Демонстрационный контент — не отзывы реальных покупателей"
                textStyle: Theme.Caption
                color: Theme.secondaryLabel
                wrapMode: Text.Wrap
            }

            Repeater {
                model: screen.product.reviews

                ColumnLayout {
                    id: review
                    required property var modelData
                    readonly property var reviews: screen.product.reviews
                    Layout.fillWidth: true
                    spacing: 14

                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 7

                        RowLayout {
                            Layout.fillWidth: true
                            StyledText {
                                text: review.modelData.author
                                textStyle: Theme.Subheadline
                                weight: Font.Bold
                            }
                            Item { Layout.fillWidth: true }
                            StyledText {
                                text: "★".repeat(Math.max(0, review.modelData.rating))
                                textStyle: Theme.Caption
                                color: Theme.systemOrange
                            }
                        }
                        StyledText {
                            Layout.fillWidth: true
                            text: review.modelData.text
                            textStyle: Theme.Subheadline
                            color: Theme.secondaryLabel
                            wrapMode: Text.Wrap
                        }
                    }
                    Rectangle {
                        visible: review.modelData.id !== review.reviews[review.reviews.length - 1].id
                        Layout.fillWidth: true
                        implicitHeight: 0.5
                        color: Theme.separator
                    }
                }
            }
        }
    }

    // The buy button, pinned below the scrolling content.
    footer: Rectangle {
        color: Theme.tarPaper
        implicitHeight: buyButton.implicitHeight + 18

        Announcement {
            id: addedAnnouncement
        }

        TarvikButton {
            id: buyButton
            objectName: "buyButton"

            x: 20
            y: 10
            width: parent.width - 40
            buttonStyle: TarvikButton.Plain
            padding: 0
            text: "Добавить " + screen.product.name + " в корзину"
            onClicked: {
                ShopCart.add(screen.product)
                confirmation.confirm()
            }

            contentItem: Rectangle {
                implicitHeight: 54
                radius: 16
                color: Theme.tarPink

                StyledText {
                    objectName: "buyLabel"
                    anchors.centerIn: parent
                    width: parent.width - 24
                    horizontalAlignment: Text.AlignHCenter
                    elide: Text.ElideRight
                    text: screen.added ? "Добавлено в корзину" : "Добавить в корзину · " + screen.product.price
                    size: 16
                    weight: Font.Black
                    rounded: true
                    color: Theme.white
                    Accessible.ignored: true
                }
            }
        }
    }
}
