#!/usr/bin/env bash
# Pictures of the raw section (three files side by side, then narrowed by a search) and of the
# displayed tag list and tag filter sheets, taken as scripts/make-screenshots.sh takes the
# editor window's.
# Usage: scripts/make-raw-screenshots.sh [build-dir] [output-dir (default: build-dir/screenshots)]
SCREENSHOTS_PROGRAM=corvelle_raw_screenshots exec "$(dirname "$0")/make-screenshots.sh" "$@"
