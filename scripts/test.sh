#!/bin/sh
# Installs what is missing, builds Zenodyne with warnings as errors and runs every test.
set -eu
cd "$(dirname "$0")/.."

# ngspice is the independent simulator that the AC results of the example netlists are checked
# against; the build does not need it.
scripts/install-deps.sh ngspice
cmake --preset dev
cmake --build --preset dev
ctest --preset dev
