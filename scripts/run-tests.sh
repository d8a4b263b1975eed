#!/usr/bin/env bash
# Runs every test under the offscreen platform inside a private D-Bus session,
# so notification and secret-service tests never touch the user's own session.
set -euo pipefail
build_dir=${1:-build}
jobs=${2:-$(nproc)}
export QT_QPA_PLATFORM=offscreen
run() { ctest --test-dir "$build_dir" --output-on-failure -j "$jobs"; }
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
  export -f run
  export build_dir jobs
  exec dbus-run-session --config-file="$(dirname "$0")/../tests/support/dbus-session.conf" -- bash -c run
fi
run
