import QtQuick
import Tarvik.Design

// The glass surface look: the ultra-thin material in a rounded rectangle with a fine white
// outline. Use as a background.   radius: real
Rectangle {
    color: Theme.ultraThinMaterial
    border.color: Theme.withOpacity(Theme.white, 0.5)
    border.width: 0.5
}
