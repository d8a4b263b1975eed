#!/usr/bin/env bash
# Pictures of the keyword window, with a library three levels deep and with the keyword sheet
# open, taken as scripts/make-screenshots.sh takes the editor window's.
# Usage: scripts/make-keyword-screenshots.sh [build-dir] [output-dir (default: build-dir/screenshots)]
SCREENSHOTS_PROGRAM=corvelle_keyword_screenshots exec "$(dirname "$0")/make-screenshots.sh" "$@"
