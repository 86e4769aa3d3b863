#!/usr/bin/env bash
# Builds the application and the portal simulator, starts the simulator with
# the demo data on 127.0.0.1:8765 and the secure-storage service on a private
# bus that stands in for the system bus, and runs the application against them.
# Without a display the application runs under Xvfb. It builds in build-demo/,
# apart from the test builds, through ccache.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
source scripts/ccache-env.sh
cmake -S . -B build-demo -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLIX_BUILD_TESTS=OFF -DVELLIX_BUILD_BENCH=OFF >/dev/null
cmake --build build-demo -j "$(nproc)" --target VellixOfficeAurora vellix-portal-simulator vellix-securestorage vellix_qml

port=${VELLIX_DEMO_PORT:-8765}
build-demo/bin/vellix-portal-simulator --port "$port" > /tmp/vellix-demo-simulator.out &
simulator=$!
bus_address_file=$(mktemp)
dbus-daemon --session --nofork --print-address=3 3> "$bus_address_file" &
bus=$!
trap 'kill "$simulator" "${sstore:-}" 2>/dev/null; wait "${sstore:-}" 2>/dev/null; kill "$bus" 2>/dev/null;
      wait "$simulator" "$bus" 2>/dev/null || true; rm -f "$bus_address_file"' EXIT
for _ in $(seq 50); do
    [[ -s "$bus_address_file" ]] && break
    sleep 0.1
done
DBUS_SYSTEM_BUS_ADDRESS=$(head -n 1 "$bus_address_file")
export DBUS_SYSTEM_BUS_ADDRESS
build-demo/bin/vellix-securestorage > /tmp/vellix-demo-securestorage.out 2> /tmp/vellix-demo-securestorage.log &
sstore=$!
for _ in $(seq 50); do
    grep -q "listening on" /tmp/vellix-demo-simulator.out && break
    sleep 0.1
done

# Pre-fill the portal address unless the user has chosen one already.
config_dir="${XDG_CONFIG_HOME:-$HOME/.config}/com.vellix/VellixOfficeAurora"
config="$config_dir/appConfig.ini"
mkdir -p "$config_dir"
if ! grep -q '^portal_address=' "$config" 2>/dev/null; then
    grep -q '^\[General\]' "$config" 2>/dev/null || printf '[General]\n' >> "$config"
    sed -i "/^\[General\]/a portal_address=http://127.0.0.1:$port" "$config"
fi
echo "Portal simulator on http://127.0.0.1:$port; sign in as demo@vellix.local / demo"

app=(build-demo/bin/VellixOfficeAurora)
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    app=(xvfb-run -a -s "-screen 0 1080x1920x24" "${app[@]}")
fi
"${app[@]}"
