#!/usr/bin/env bash
# Runs a Qt program as a screen reader would find it: on a display of its own (Xvfb), on a private
# D-Bus session bus whose accessibility bus is up, with Qt's accessibility bridge switched on
# (the offscreen platform has no bridge, and without one Qt Quick sends no accessibility events).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

exec "$here/with-session-bus.sh" bash -c '
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
    export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    exec xvfb-run -a -s "-screen 0 1024x1024x24" "$@"
' bash "$@"
