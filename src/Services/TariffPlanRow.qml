import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design
import Tarvik.Services

// One plan of the tariff chooser: the speed tile, name (with "Текущий" for the current plan),
// speed and features, the price, and the choice mark; the current plan cannot be tapped.
//   required plan: TariffPlan; required selected: bool; clicked()
T.AbstractButton {
    id: row

    required property tariffPlan plan
    required property bool selected

    enabled: !plan.isCurrent
    implicitWidth: content.implicitWidth + 32
    implicitHeight: content.implicitHeight + 32
    Accessible.name: plan.name + ", " + plan.price + " ₽ в месяц" + (plan.isCurrent ? ", текущий" : "") // qmllint disable type
    // One choice of several: the chosen plan is the checked one (the chooser makes the choice).
    checkable: true
    autoExclusive: true
    checked: selected

    background: Rectangle {
        radius: 22
        color: Theme.white
        border.width: row.selected ? 2 : 0
        border.color: Theme.tarPink
    }

    contentItem: Item {
        RowLayout {
            id: content

            anchors.fill: parent
            anchors.margins: 16
            spacing: 14
            opacity: row.down ? 0.7 : 1

            Rectangle {
                Layout.preferredWidth: 52
                Layout.preferredHeight: 52
                radius: 14
                color: row.plan.isCurrent ? Theme.tarInk : Theme.withOpacity(Theme.tarPink, 0.12)

                SymbolImage {
                    anchors.centerIn: parent
                    name: "speedometer"
                    size: Theme.textStyleSize(Theme.Title3)
                    weight: Font.Bold
                    color: row.plan.isCurrent ? Theme.white : Theme.tarPink
                }
            }

            // Where the row is narrow, this column gives up room (its texts wrap) and the price and
            // the mark keep theirs.
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 4

                RowLayout {
                    Layout.fillWidth: true
                    spacing: 7

                    StyledText {
                        Layout.fillWidth: true
                        text: row.plan.name
                        textStyle: Theme.Headline
                        color: Theme.tarInk
                        wrapMode: Text.Wrap
                    }

                    StyledText {
                        visible: row.plan.isCurrent
                        text: "Текущий"
                        textStyle: Theme.Caption2
                        weight: Font.Bold
                        color: Theme.systemGreen
                    }
                }

                StyledText {
                    Layout.fillWidth: true
                    text: "до " + row.plan.speed + " Мбит/с" // qmllint disable type
                    textStyle: Theme.Subheadline
                    color: Theme.secondaryLabel
                }

                StyledText {
                    Layout.fillWidth: true
                    text: row.plan.features
                    textStyle: Theme.Caption
                    color: Theme.secondaryLabel
                    wrapMode: Text.Wrap
                    maximumLineCount: 2
                    elide: Text.ElideRight
                }
            }

            ColumnLayout {
                Layout.alignment: Qt.AlignVCenter
                Layout.minimumWidth: implicitWidth
                spacing: 3

                StyledText {
                    objectName: "planPrice"
                    Layout.alignment: Qt.AlignRight
                    text: row.plan.price + " ₽" // qmllint disable type
                    textStyle: Theme.Headline
                    color: Theme.tarInk
                }

                StyledText {
                    Layout.alignment: Qt.AlignRight
                    text: "в месяц"
                    textStyle: Theme.Caption
                    color: Theme.secondaryLabel
                }
            }

            SymbolImage {
                objectName: "planMark"
                Layout.minimumWidth: implicitWidth
                visible: !row.plan.isCurrent
                name: row.selected ? "checkmark.circle.fill" : "circle"
                size: Theme.textStyleSize(Theme.Title3)
                color: row.selected ? Theme.tarPink : Theme.withOpacity(Theme.secondaryLabel, 0.35)
            }
        }
    }
}
