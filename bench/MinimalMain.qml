import QtQuick

Window {
    width: 393
    height: 852
    visible: true
    color: "#F4F5F8"

    Text {
        anchors.centerIn: parent
        text: "Tarvik"
    }
}
