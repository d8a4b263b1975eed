#!/usr/bin/env bash
# Pictures of the preset manager, with a library of two groups, and of each page of its entry
# sheet, taken as scripts/make-screenshots.sh takes the editor window's.
# Usage: scripts/make-preset-screenshots.sh [build-dir] [output-dir (default: build-dir/screenshots)]
SCREENSHOTS_PROGRAM=corvelle_preset_screenshots exec "$(dirname "$0")/make-screenshots.sh" "$@"
