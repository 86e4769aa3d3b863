#!/usr/bin/env bash
# Starts the portal simulator and the application under Xvfb and saves a PNG
# of every page at a phone and at a desktop size, in light and dark, in English
# and in Russian.
#   scripts/screenshot-tour.sh [output directory, default build/screenshots]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
out=${1:-build-tour/screenshots}
cmake -S . -B build-tour -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLIX_BUILD_BENCH=OFF >/dev/null
cmake --build build-tour -j "$(nproc)" --target vellix-screenshot-tour
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1400x1000x24" \
    build-tour/bin/vellix-screenshot-tour --out "$out" --size phone:540x960 --size desktop:1280x800 \
    --size phone-ru:540x960:ru_RU --size desktop-ru:1280x800:ru_RU
echo "Pictures in $out"
