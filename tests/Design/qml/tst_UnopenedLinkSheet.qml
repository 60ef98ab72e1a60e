import QtQuick
import QtTest
import Tarvik.Platform
import Tarvik.Design

// A web address that no program opens comes up with "Скопировать"; other addresses, and web
// addresses that did open, bring up nothing.
Item {
    id: root
    width: 393
    height: 852

    UnopenedLinkSheet {
        id: fallback
    }

    SignalSpy {
        id: finished
        target: UrlOpener
        signalName: "openFinished"
    }

    SignalSpy {
        id: shown
        target: fallback.sheet
        signalName: "aboutToShow"
    }

    TestCase {
        name: "UnopenedLinkSheet"
        when: windowShown

        function init() {
            UrlOpener.installedSchemes = []
            UrlOpener.clear()
            shown.clear()
            finished.clear()
        }

        function cleanup() {
            fallback.sheet.close()
            tryCompare(fallback.sheet, "visible", false)
        }

        // Waits until the opener has answered every request made so far.
        function answered(requests) {
            for (const address of requests)
                UrlOpener.openUrl(address)
            tryCompare(finished, "count", requests.length)
        }

        function test_webAddressNobodyOpens() {
            answered(["https://tarvik.example/policy.html"])
            tryCompare(fallback.sheet, "opened", true)
            compare(findChild(fallback.sheet.item, "copiedText").text, "https://tarvik.example/policy.html")
            mouseClick(findChild(fallback.sheet.item, "copyButton"))
            tryCompare(fallback.sheet, "visible", false)
        }

        function test_otherAddressesAreLeftAlone_data() {
            return [
                { tag: "telephone", address: "tel:+74953184277", installed: [] },
                { tag: "mail", address: "mailto:?body=x", installed: [] },
                { tag: "opened", address: "http://tarvik.example/", installed: ["http"] }
            ]
        }

        function test_otherAddressesAreLeftAlone(data) {
            UrlOpener.installedSchemes = data.installed
            answered([data.address])
            compare(shown.count, 0)
        }
    }
}
