#!/usr/bin/env bash
# Pictures of the download-info sheet (search page and artwork page) under a private X server,
# with a home of its own; a local server stands in for the online services.
# Usage: scripts/make-mediainfo-screenshots.sh [build-dir] [output-dir (default: build-dir/screenshots)]
SCREENSHOTS_PROGRAM=corvelle_mediainfo_screenshots exec "$(dirname "$0")/make-screenshots.sh" "$@"
