#!/usr/bin/env bash
# Pictures of the map section (every file a named pin, then one file with the location sidebar)
# and of the find-location sheet (a town searched, the map style menu, a favourite turned by the
# direction slider), over the offline base map, taken as scripts/make-screenshots.sh takes the
# editor window's.
# Usage: scripts/make-map-screenshots.sh [build-dir] [output-dir (default: build-dir/screenshots)]
SCREENSHOTS_PROGRAM=corvelle_map_screenshots exec "$(dirname "$0")/make-screenshots.sh" "$@"
