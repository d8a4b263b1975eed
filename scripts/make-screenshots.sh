#!/usr/bin/env bash
# Pictures of the editor window: the application opens ten files under a private X server,
# with a home and a session bus of its own, so the user's settings and desktop are untouched.
# Usage: scripts/make-screenshots.sh [build-dir] [output-dir (default: build-dir/screenshots)]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(realpath -m "${1:-$root/build}")
output=$(realpath -m "${2:-$build_dir/screenshots}")
for tool in xvfb-run dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/install-deps.sh" >&2; exit 1; }
done
[ -f "$build_dir/build.ninja" ] || cmake -S "$root" -B "$build_dir" -G Ninja
# Another picture-taking program of tools/ may be named in SCREENSHOTS_PROGRAM.
program=${SCREENSHOTS_PROGRAM:-corvelle_screenshots}
cmake --build "$build_dir" --target "$program" -j "${JOBS:-3}"

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/config" "$home/data" "$home/cache" "$home/run" "$output"
chmod 700 "$home/run"
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache \
       XDG_RUNTIME_DIR=$home/run QT_QPA_PLATFORM=xcb
unset DBUS_SESSION_BUS_ADDRESS
xvfb-run --auto-servernum --server-args="-screen 0 1400x900x24" \
  dbus-run-session --config-file="$root/tests/support/dbus-session.conf" -- \
  "$build_dir/tools/$program" "$output"
echo "Screenshots in $output"
