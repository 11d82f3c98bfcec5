#!/bin/sh
# Writes the example circuit sheets anew from what they are made of: the hand-drawn ones from
# the code that draws them (tests/model/examplecircuit_test.cpp), the others by importing the
# netlist beside them and evaluating their tools. Run it after a deliberate change of the file format, the import or an
# example, then review the difference and commit it; the tests only ever compare.
set -eu
cd "$(dirname "$0")/.."

cmake --preset dev
cmake --build --preset dev --target model_tests zenodyne-cli
build/dev/tests/model/model_tests --gtest_also_run_disabled_tests \
    --gtest_filter='ExampleCircuitWriter.*'
for netlist in examples/*.cir; do
    sheet="${netlist%.cir}.crc"
    build/dev/cli/zenodyne-cli import "$netlist" -o "$sheet"
    build/dev/cli/zenodyne-cli eval "$sheet"
done
git status --short examples/
