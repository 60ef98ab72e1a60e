import QtQuick
import Tarvik.Design

// The inline navigation bar of a NavigationPage: centred title, a back button when the page
// can go back, the page's leading and trailing items. Built by NavigationPage; not used alone.
Item {
    id: bar

    property string title
    // Whether assistive technology reads the title (not where something else says it already).
    property bool titleRead: true
    property bool showsBackButton: false
    property list<Item> leadingItems
    property list<Item> trailingItems

    // The title, a heading for assistive technology.
    readonly property alias titleItem: titleText

    signal backClicked()

    // As on the platform: a title too wide to stand beside the back button's label takes the
    // label's room, and the button shows its chevron alone. (Measured from the parts' own sizes,
    // which do not change with that choice.)
    readonly property real leadingWidthWithBackLabel: {
        const items = leadingItemsRow.implicitWidth
        if (!showsBackButton)
            return items
        return back.labeledWidth + (items > 0 ? leading.spacing + items : 0)
    }
    readonly property bool compactBackButton: showsBackButton
        && titleText.implicitWidth > trailing.x - 8 - (leading.x + leadingWidthWithBackLabel + 8)

    implicitHeight: 44

    Row {
        id: leading
        anchors.left: parent.left
        anchors.leftMargin: bar.showsBackButton ? 8 : 16
        anchors.verticalCenter: parent.verticalCenter
        spacing: 16

        BackBarButton {
            id: back
            visible: bar.showsBackButton
            showsLabel: !bar.compactBackButton
            onClicked: bar.backClicked()
        }

        Row {
            id: leadingItemsRow
            anchors.verticalCenter: parent.verticalCenter
            spacing: 16
            children: bar.leadingItems // qmllint disable type
        }
    }

    Row {
        id: trailing
        anchors.right: parent.right
        anchors.rightMargin: 16
        anchors.verticalCenter: parent.verticalCenter
        spacing: 16
        children: bar.trailingItems // qmllint disable type
    }

    // Centred like the platform's inline title; a title too wide for that slides towards the free
    // side and is cut only when it does not fit between the bar items at all.
    StyledText {
        id: titleText
        objectName: "navigationTitle"
        readonly property real leftEdge: leading.x + leading.width + 8
        readonly property real rightEdge: trailing.x - 8
        readonly property real centred: (bar.width - width) / 2
        anchors.verticalCenter: parent.verticalCenter
        x: Math.max(leftEdge, Math.min(centred, rightEdge - width))
        width: Math.max(0, Math.min(implicitWidth, rightEdge - leftEdge))
        text: bar.title
        textStyle: Theme.Headline
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
        Accessible.role: Accessible.Heading
        Accessible.ignored: text.length === 0 || !bar.titleRead
    }
}
