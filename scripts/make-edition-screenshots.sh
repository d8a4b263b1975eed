#!/usr/bin/env bash
# Pictures of the tag editing sheet on each of its steps, the update-dates and tag value
# synchronisation sheets and the Tags section's editing sidebar, taken as
# scripts/make-screenshots.sh takes the editor window's.
# Usage: scripts/make-edition-screenshots.sh [build-dir] [output-dir (default: build-dir/screenshots)]
SCREENSHOTS_PROGRAM=corvelle_edition_screenshots exec "$(dirname "$0")/make-screenshots.sh" "$@"
