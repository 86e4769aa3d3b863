#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the application and the tests
# need. Does nothing when they are all present already.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config lld
    qtbase5-dev qtdeclarative5-dev qtquickcontrols2-5-dev qtsystems5-dev libqt5systeminfo5
    qml-module-qtquick-controls2 qml-module-qtquick-layouts qml-module-qtquick-window2
    qml-module-qtqml-models2 qml-module-qttest
    libqt5sql5-sqlite libsqlite3-dev libcpp-httplib-dev libssl-dev libzip-dev zlib1g-dev
    xvfb xauth dbus openssl zip unzip gocryptfs fuse3
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
    sudo_cmd=()
    [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
