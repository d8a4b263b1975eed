#!/usr/bin/env bash
# Pictures of the photo library's sheet on a library of fixture movies, and of the remote-profiles
# window with its sheets, taken as
# scripts/make-screenshots.sh takes the editor window's.
# Usage: scripts/make-photos-screenshots.sh [build-dir] [output-dir (default: build-dir/screenshots)]
SCREENSHOTS_PROGRAM=corvelle_photos_screenshots exec "$(dirname "$0")/make-screenshots.sh" "$@"
