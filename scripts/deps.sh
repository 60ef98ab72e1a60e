#!/usr/bin/env bash
# Installs the Debian 12 packages Tarvik needs to build, test and run; skips what is present.
set -euo pipefail

packages=(
    g++ cmake ninja-build python3 openssl curl clang libclang-rt-14-dev valgrind
    libfontconfig-dev qt6-base-dev qt6-declarative-dev qt6-declarative-dev-tools qt6-webengine-dev
    qt6-httpserver-dev qt6-websockets-dev qt6-svg-dev qt6-positioning-dev qt6-translations-l10n qt6-image-formats-plugins
    qcoro-qt6-dev qtkeychain-qt6-dev libsecret-1-0 libcurl4-openssl-dev
    qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-templates
    qml6-module-qtquick-window qml6-module-qtquick-layouts qml6-module-qtquick-shapes
    qml6-module-qtqml-workerscript qml6-module-qttest qml6-module-qtwebengine
    qml6-module-qt5compat-graphicaleffects qml6-module-qtpositioning qml6-module-qtquick-dialogs
    qml6-module-qtqml qml6-module-qtqml-models
    dbus-daemon dbus-x11 gnome-keyring xvfb xauth xdg-utils libglib2.0-bin at-spi2-core procps util-linux
    fonts-inter fonts-noto-color-emoji fonts-dejavu-core fonts-material-design-icons-iconfont
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
