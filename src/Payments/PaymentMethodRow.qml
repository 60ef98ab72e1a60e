import QtQuick
import Tarvik.Design

// One row of the payment-method list: a tinted circle with the icon, the title over the subtitle,
// and a chevron, or a spinner in the tint while `loading`; on a white rounded card.
//   title, subtitle, symbol (symbol name): string; tint: color; fillOpacity: the circle's (0.12)
//   loading: bool; clicked()
ListRow {
    id: row

    property string symbol
    property color tint: Theme.tarPink
    property real fillOpacity: 0.12
    property bool loading: false

    padding: 16
    pressable: true
    titleLabel.textStyle: Theme.Headline
    titleLabel.color: Theme.tarInk
    titleLabel.wrapMode: Text.Wrap
    contentItem.opacity: down ? 0.6 : 1

    background: Rectangle {
        radius: 18
        color: Theme.white
        opacity: row.down ? 0.7 : 1
    }

    leading: SymbolTile {
        side: 52
        radius: 26
        symbol: row.symbol
        tint: row.tint
        fillOpacity: row.fillOpacity
        symbolSize: Theme.textStyleSize(Theme.Title3)
        symbolWeight: Font.Bold
    }

    accessory: Item {
        implicitWidth: row.loading ? spinner.implicitWidth : chevron.implicitWidth
        implicitHeight: row.loading ? spinner.implicitHeight : chevron.implicitHeight

        ActivityIndicator {
            id: spinner

            objectName: "rowSpinner"
            visible: row.loading
            color: row.tint
            Accessible.ignored: true
        }

        RowChevron {
            id: chevron

            visible: !row.loading
            size: Theme.textStyleSize(Theme.Body)
            weight: Font.Normal
        }
    }
}
