#!/bin/sh
# Installs the Debian packages Tolvane builds and tests with, only those missing.
set -eu

# qt6-svg-dev draws the scalable icon; appstream to man-db check and build the
# Debian package; dbus-bin, at-spi2-core, orca, speech-dispatcher with
# espeak-ng, openbox and xdotool let a test hear what
# the Orca screen reader speaks as keys walk the window; qt6-base-private-dev
# lets tests see which images the window's icon has drawn and change a
# screen's density while the window is on it. xclip reads the X clipboard as
# another program would, for the copy test.
packages="cmake make g++ qt6-base-dev qt6-base-private-dev qt6-qpa-plugins qt6-svg-dev libgl-dev xvfb xauth valgrind
          appstream desktop-file-utils dpkg-dev file lintian man-db
          dbus-bin at-spi2-core
          orca speech-dispatcher speech-dispatcher-espeak-ng openbox xdotool
          xclip"

missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
        missing="$missing $package"
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
