#!/usr/bin/env bash
# Builds the application and runs it; without a display it runs under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"

app=(build/bin/VellixOfficeAurora)
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    app=(xvfb-run -a -s "-screen 0 1080x1920x24" "${app[@]}")
fi
exec "${app[@]}"
