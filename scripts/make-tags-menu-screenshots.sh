#!/usr/bin/env bash
# Pictures of the Tags menu over the tags section, each of its submenus, the stream picker of the
# chosen-stream deletion and the question asked before writing into the files, taken as
# scripts/make-screenshots.sh takes the editor window's.
# Usage: scripts/make-tags-menu-screenshots.sh [build-dir] [output-dir (default: build-dir/screenshots)]
SCREENSHOTS_PROGRAM=corvelle_tags_menu_screenshots exec "$(dirname "$0")/make-screenshots.sh" "$@"
