import QtQuick
import QtTest
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Profile
import TarvikTest

Item {
    id: root
    width: 393
    height: 852

    NavigationStack {
        id: stack
        anchors.fill: parent
        initialItem: NavigationPage { title: "Главная" }
    }

    Component {
        id: promoComponent
        PromoCodesView {}
    }

    property string themeSelection: ""

    Sheet {
        id: themeSheet
        sourceComponent: Component {
            ThemePickerSheet {
                selection: root.themeSelection
                onSelectionChanged: root.themeSelection = selection
            }
        }
    }

    Component {
        id: valueRowComponent
        SettingsValueRow {
            width: 353
            icon: "tag.fill"
            tint: Theme.withOpacity(Theme.tarOrange, 0.5)
            title: "Промокоды"
            subtitle: "Коды акций"
            value: "2"
        }
    }

    TestCase {
        name: "SmallScreens"
        when: windowShown

        function test_settingsRows() {
            const row = createTemporaryObject(valueRowComponent, root)
            verify(row)
            compare(row.implicitHeight, 72)
            // Long texts wrap, and the row grows past its minimum; the subtitle has no line limit.
            row.subtitle = "Очень длинное описание строки настроек, которое не помещается в одну строку и переносится"
            tryVerify(() => row.implicitHeight > 72)
            row.subtitle = "Первая строка\nвторая строка"
            const twoLines = row.implicitHeight
            row.subtitle = "Первая строка\nвторая строка\nтретья строка"
            compare(row.subtitleLabel.lineCount, 3)
            verify(!row.subtitleLabel.truncated)
            verify(row.implicitHeight > twoLines)
            let clicks = 0
            row.clicked.connect(() => ++clicks)
            mouseClick(row)
            compare(clicks, 1)
        }

        function test_promoCodes() {
            const page = stack.push(promoComponent, {}, 1)
            tryCompare(stack, "busy", false)
            const alert = findChild(page, "messageAlert")
            const apply = findChild(page, "applyButton")
            mouseClick(apply)
            tryCompare(alert, "opened", true)
            compare(alert.message, "Введите промокод.")
            alert.trigger(alert.buttons[0])
            tryCompare(alert, "visible", false)
            compare(page.message, "")

            const field = findChild(page, "promoCodeField")
            field.forceActiveFocus()
            keyClick(Qt.Key_Space)
            mouseClick(apply)
            tryCompare(alert, "opened", true)
            compare(alert.message, "Промокод отправлен на проверку.")
            grabImage(root).save(Account.screenshotPath("profile-promo"))
            alert.trigger(alert.buttons[0])
            tryCompare(alert, "visible", false)
            compare(page.promoCode, " ")
            stack.popToRoot()
            tryCompare(stack, "busy", false)
        }

        function test_themePicker_data() {
            return [
                { tag: "light", selection: "Светлая", current: TarvikAppearanceTheme.Light },
                { tag: "empty", selection: "", current: TarvikAppearanceTheme.System },
                { tag: "english name", selection: "dark", current: TarvikAppearanceTheme.System },
            ]
        }

        function test_themePicker(data) {
            root.themeSelection = data.selection
            themeSheet.open()
            tryCompare(themeSheet, "opened", true)
            const picker = themeSheet.item
            for (let theme = 0; theme < 3; ++theme) {
                const cell = findChild(picker, "themeCell" + theme)
                compare(cell.chosen, theme === data.current)
                compare(cell.Accessible.description, theme === data.current ? "Выбрана" : "Не выбрана")
            }
            if (data.tag === "light")
                grabImage(root).save(Account.screenshotPath("profile-theme-picker"))
            const before = Haptics.count(Haptics.SelectionChanged)
            mouseClick(findChild(picker, "themeCell" + TarvikAppearanceTheme.Dark))
            compare(root.themeSelection, "Тёмная")
            verify(findChild(picker, "themeCell" + TarvikAppearanceTheme.Dark).chosen)
            compare(Haptics.count(Haptics.SelectionChanged), before + 1)
            verify(themeSheet.opened)
            mouseClick(findChild(picker, "doneButton"))
            tryCompare(themeSheet, "visible", false)
        }
    }
}
