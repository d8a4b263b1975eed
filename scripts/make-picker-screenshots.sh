#!/usr/bin/env bash
# Pictures of the tag and tag stream pickers, each open as a sheet with a search typed and a
# choice made, taken as scripts/make-screenshots.sh takes the editor window's.
# Usage: scripts/make-picker-screenshots.sh [build-dir] [output-dir (default: build-dir/screenshots)]
SCREENSHOTS_PROGRAM=corvelle_picker_screenshots exec "$(dirname "$0")/make-screenshots.sh" "$@"
