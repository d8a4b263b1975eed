#!/usr/bin/env bash
# Installs every Debian package Corvelle needs to build, run, test and benchmark.
# This is the one list: anything installed by hand elsewhere does not exist on the next machine.
set -euo pipefail

PACKAGES=(
  # toolchain
  g++ cmake ninja-build pkg-config ccache make
  # Qt 6
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-multimedia-dev qt6-svg-dev qt6-image-formats-plugins qt6-qpa-plugins
  libqt6svg6 libqt6opengl6-dev libgl-dev libvulkan-dev
  qtkeychain-qt6-dev
  # tag database and media
  libimage-exiftool-perl libraw-dev libffmpegthumbnailer-dev libavutil-dev
  # places: the towns of the gazetteer (GeoNames) for addresses from positions and back
  libtimezonemap-data
  # the offline base map: Natural Earth land, lakes and borders, and the Blue Marble picture
  marble-qt-data
  # icon theme the symbol map points into
  adwaita-icon-theme hicolor-icon-theme
  # desktop integration used at run time
  dbus dbus-x11 xdg-utils desktop-file-utils shared-mime-info
  # tests and benchmarks: fixture generation, reference tools, a secret service for the keychain
  ffmpeg ffmpegthumbnailer imagemagick gnome-keyring xvfb xauth
  # tests: the locale sources from which a test builds a legacy-encoding locale (localedef)
  locales
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
