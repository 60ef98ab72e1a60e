pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Shell

// "Ваши услуги": the home services in one card, each row opening its screen: the partner TV
// service (ServiceRouter.partnerTv) its own screen, every other one the generic service card.
// Push it onto a NavigationStack.
//   required services: list of { serviceId, title, subtitle, icon }
DetailPage {
    id: view

    required property var services

    title: "Ваши услуги"

    CardSurface {
        Layout.fillWidth: true
        padding: 0

        contentItem: ColumnLayout {
            spacing: 0

            Repeater {
                model: view.services

                ColumnLayout {
                    id: entry

                    required property var modelData
                    required property int index

                    Layout.fillWidth: true
                    spacing: 0

                    ServiceRow {
                        objectName: "serviceRow" + entry.index
                        Layout.fillWidth: true
                        icon: entry.modelData.icon
                        title: entry.modelData.title
                        subtitle: entry.modelData.subtitle
                        onClicked: {
                            if (entry.modelData.serviceId === ServiceRouter.partnerTv)
                                view.push(Destinations.televisionService)
                            else
                                view.push(Destinations.homeServiceDetail, {
                                    serviceId: entry.modelData.serviceId,
                                    title: entry.modelData.title,
                                    subtitle: entry.modelData.subtitle,
                                    icon: entry.modelData.icon
                                })
                        }
                    }

                    Rectangle {
                        objectName: "serviceDivider"
                        visible: entry.index < view.services.length - 1
                        Layout.fillWidth: true
                        Layout.leftMargin: 70
                        implicitHeight: 0.5
                        color: Theme.separator
                    }
                }
            }
        }
    }
}
