import QtQuick
import Tarvik.Design

// A navigation stack with a root page, as a tab of the shell shows the shop.
NavigationStack {
    width: 393
    height: 852
    initialItem: NavigationPage { title: "Главная" }
}
