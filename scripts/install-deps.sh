#!/bin/sh
# Installs the Debian packages that building and testing Zenodyne needs, when they are missing.
set -eu

# qt6-base-dev and qt6-svg-dev build the desktop program (Widgets, PrintSupport, Test, Svg).
packages="cmake ninja-build g++ make libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev qt6-base-dev qt6-svg-dev $*"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    if [ "$(id -u)" -eq 0 ]; then
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
    else
        sudo apt-get update
        sudo DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
    fi
fi
