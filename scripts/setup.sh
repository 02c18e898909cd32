#!/bin/sh
# Installs what building, testing and running Kalvero needs, from Debian's packages.
# Safe to run again: it installs only what is missing. Given package names, it installs those
# instead (scripts/fuzz.sh asks for Clang this way).
set -eu

PACKAGES="${*:-cmake ninja-build g++ make pkg-config clang-format
qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
libgtest-dev libgmock-dev libbenchmark-dev
xvfb xauth xdotool imagemagick fonts-dejavu-core shared-mime-info desktop-file-utils}"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -qq
# shellcheck disable=SC2086
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
