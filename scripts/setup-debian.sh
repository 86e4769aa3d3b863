#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the application and the tests
# need. Does nothing when they are all present already. As root it runs apt
# itself, otherwise through sudo; without sudo it says what to run as root.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config lld ccache
    qtbase5-dev qtdeclarative5-dev qtquickcontrols2-5-dev qtsystems5-dev libqt5systeminfo5
    qtwebengine5-dev qttools5-dev qttools5-dev-tools
    qml-module-qtquick2 qml-module-qtquick-controls2 qml-module-qtquick-layouts qml-module-qtquick-window2
    qml-module-qtqml-models2 qml-module-qttest qml-module-qtwebengine qml-module-qt-labs-platform
    qml-module-qt-labs-settings qml-module-qtquick-dialogs qml-module-qtgraphicaleffects
    qml-module-qt-labs-folderlistmodel libqt5svg5
    libqt5sql5-sqlite libsqlite3-dev libcpp-httplib-dev libssl-dev libzip-dev zlib1g-dev
    gocryptfs fuse3 imagemagick
    xvfb xauth dbus openssl zip unzip
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
((${#missing[@]})) || exit 0

install=(apt-get install -y -qq --no-install-recommends "${missing[@]}")
if [[ $(id -u) -eq 0 ]]; then
    as_root=(env DEBIAN_FRONTEND=noninteractive)
elif command -v sudo >/dev/null; then
    as_root=(sudo env DEBIAN_FRONTEND=noninteractive)
else
    echo "Missing Debian packages: ${missing[*]}" >&2
    echo "There is no sudo here; install them as root, then run this command again:" >&2
    echo "    apt-get update && ${install[*]}" >&2
    exit 1
fi
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" "${install[@]}"
