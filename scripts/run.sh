#!/bin/sh
# Installs what is missing, builds Zenodyne optimised and starts the desktop program on an
# example circuit with its analysis tools. Without a display it says so, writes the example's
# sheet as a PNG image with the program's headless export and prints the command-line
# analysis of the same circuit instead.
set -eu
cd "$(dirname "$0")/.."

example=examples/rc-lowpass-bode.crc

scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target zenodyne zenodyne-cli

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/release/app/zenodyne "$example"
fi

image=build/release/rc-lowpass-bode.png
echo "There is no display (DISPLAY is not set), so the desktop program cannot open a window."
build/release/app/zenodyne --export-image "$example" "$image"
echo "The sheet of $example is in $image."
echo
build/release/cli/zenodyne-cli info "$example"
echo
build/release/cli/zenodyne-cli tf "$example" --source V1 --output Vout
