import QtQuick
import Tarvik.Profile

// A settings row with a value before the chevron (at least 72 high).
//   as SettingsNavigationRow; required value: string
SettingsNavigationRow {
    required value
}
