#!/bin/sh
# Installs what is missing, builds Zenodyne optimised and runs the command-line front end on an
# example circuit: its listing, then the transfer function from its source to its output.
set -eu
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target zenodyne-cli
build/release/cli/zenodyne-cli info examples/rc-lowpass.crc
echo
build/release/cli/zenodyne-cli tf examples/rc-lowpass.crc --source V1 --output Vout
