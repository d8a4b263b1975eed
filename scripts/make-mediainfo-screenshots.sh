#!/usr/bin/env bash
# Pictures of the download-info sheet (search page and artwork page) under a private X server,
# with a home of its own; a local server stands in for the online services.
# Usage: scripts/make-mediainfo-screenshots.sh [build-dir] [output-dir (default: build-dir/screenshots)]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(realpath -m "${1:-$root/build}")
output=$(realpath -m "${2:-$build_dir/screenshots}")
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing: run scripts/install-deps.sh" >&2; exit 1; }
[ -f "$build_dir/build.ninja" ] || cmake -S "$root" -B "$build_dir" -G Ninja
cmake --build "$build_dir" --target corvelle_mediainfo_screenshots -j "${JOBS:-3}"

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/config" "$home/data" "$home/cache" "$home/run" "$output"
chmod 700 "$home/run"
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache \
       XDG_RUNTIME_DIR=$home/run QT_QPA_PLATFORM=xcb
unset DBUS_SESSION_BUS_ADDRESS
xvfb-run --auto-servernum --server-args="-screen 0 1200x800x24" \
  "$build_dir/tools/corvelle_mediainfo_screenshots" "$output"
echo "Screenshots in $output"
