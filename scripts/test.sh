#!/bin/sh
# Installs what is missing, then builds and runs every test twice — in the debug build with
# warnings as errors, and under AddressSanitizer and UndefinedBehaviorSanitizer — and fails
# when a tracked C++ file is not formatted as .clang-format says.
set -eu
cd "$(dirname "$0")/.."

# ngspice is the independent simulator that the AC results of the example netlists are checked
# against; the build does not need it.
scripts/install-deps.sh ngspice clang-format
jobs=$(nproc)

for preset in dev asan; do
    echo "== $preset: build and test"
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset" --parallel "$jobs"
done

echo "== format"
scripts/check-format.sh
