pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design
import Tarvik.Services

// The tariff chooser: the plans of one category at a time, one plan to choose (not the current
// one), and the button that opens the change order for it inside the same stack. "Закрыть"
// dismisses the chooser: as a sheet's root page it closes the sheet, pushed it goes back.
// Every chooser builds its plan table afresh.
//   readonly selection: the TariffSelection behind it
DetailPage {
    id: screen

    readonly property alias selection: chooser

    title: "Другой тариф"
    contentSpacing: 14
    trailingItems: [
        CloseBarButton {
            objectName: "closeButton"
        }
    ]

    TariffSelection {
        id: chooser
    }

    Component {
        id: connectionView
        TariffConnectionView {}
    }

    StyledText {
        Layout.fillWidth: true
        text: "Выберите тариф"
        textStyle: Theme.Title2
        weight: Font.Bold
        color: Theme.tarInk
    }

    StyledText {
        Layout.fillWidth: true
        Layout.bottomMargin: 4
        text: "Новый тариф начнёт действовать после подтверждения заявки специалистом."
        textStyle: Theme.Subheadline
        color: Theme.secondaryLabel
        wrapMode: Text.Wrap
    }

    SegmentedPicker {
        objectName: "categoryPicker"
        Layout.fillWidth: true
        Layout.bottomMargin: 4
        label: "Категория тарифа"
        model: chooser.categoryTitles
        currentIndex: chooser.category
        onActivated: index => chooser.category = index
    }

    Repeater {
        model: chooser.visiblePlans

        delegate: TariffPlanRow {
            required property var modelData

            objectName: "planRow_" + modelData.name
            Layout.fillWidth: true
            plan: modelData
            selected: chooser.selectedPlanId === modelData.id
            onClicked: chooser.select(modelData.id)
        }
    }

    PrimaryGlassButton {
        objectName: "connectButton"
        Layout.topMargin: 6
        buttonStyle: TarvikButton.PrimaryGlass
        enabled: chooser.hasSelection
        opacity: chooser.hasSelection ? 1 : 0.45
        title: chooser.hasSelection ? "Подключить " + chooser.selectedPlan.name : "Выберите тариф"
        icon: chooser.hasSelection ? "chevron.right" : "checkmark"
        onClicked: {
            if (chooser.hasSelection)
                screen.push(connectionView, { plan: chooser.selectedPlan })
        }
    }
}
