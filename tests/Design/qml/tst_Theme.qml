import QtQuick
import QtTest
import Tarvik.Design

Item {
    width: 393
    height: 852

    StyledText { id: headline; textStyle: Theme.Headline; text: "Войти" }
    StyledText { id: greeting; size: 52; weight: Font.Black; tracking: -2; text: "ДОБРЫЙ\nВЕЧЕР" }
    StyledText { id: boldTitle; textStyle: Theme.Title2; weight: Font.Bold; text: "Сервисы" }

    TestCase {
        name: "Theme"
        when: windowShown

        // StyledText takes its style's font from the theme, with a weight, size and tracking of its own
        // over it.
        function test_textStylesReachQml() {
            const style = Theme.font(Theme.Headline)
            compare(headline.font.family, style.family)
            compare(headline.font.pixelSize, style.pixelSize)
            compare(headline.font.weight, style.weight)
            compare(boldTitle.font.pixelSize, Theme.textStyleSize(Theme.Title2))
            compare(boldTitle.font.weight, Font.Bold)
            compare(greeting.font.pixelSize, 52)
            compare(greeting.font.weight, Font.Black)
            compare(greeting.font.letterSpacing, -2)
        }

        function test_opacityKeepsTheColour() {
            const faded = Theme.withOpacity(Theme.tarPink, 0.12)
            compare(faded.r, Theme.tarPink.r)
            compare(faded.b, Theme.tarPink.b)
            verify(Math.abs(faded.a - 0.12) < 0.01)
            compare(Theme.tarPink.a, 1)
        }

        function test_appearanceThemeLookup_data() {
            return [
                { tag: "Системная", text: "Системная", theme: TarvikAppearanceTheme.System },
                { tag: "Светлая", text: "Светлая", theme: TarvikAppearanceTheme.Light },
                { tag: "Тёмная", text: "Тёмная", theme: TarvikAppearanceTheme.Dark },
                { tag: "lower case", text: "светлая", theme: undefined },
                { tag: "empty", text: "", theme: undefined },
            ]
        }

        function test_appearanceThemeLookup(data) {
            compare(TarvikAppearanceTheme.themeOf(data.text), data.theme)
            if (data.theme !== undefined)
                compare(TarvikAppearanceTheme.rawValueOf(data.theme), data.text)
            compare(TarvikAppearanceTheme.allCases.map(t => TarvikAppearanceTheme.rawValueOf(t)), ["Системная", "Светлая", "Тёмная"])
        }
    }
}
