#!/bin/sh
# Fails, naming the files, when a tracked C++ file differs from what clang-format makes of it.
set -eu
cd "$(dirname "$0")/.."

if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
    files=$(git ls-files '*.h' '*.cpp')
else
    files=$(find . -path ./build -prune -o \( -name '*.h' -o -name '*.cpp' \) -print)
fi
unformatted=""
for file in $files; do
    if ! clang-format --dry-run --Werror "$file" > /dev/null 2>&1; then
        unformatted="$unformatted $file"
    fi
done
if [ -n "$unformatted" ]; then
    echo "Not formatted (run clang-format -i on them):$unformatted"
    exit 1
fi
echo "All C++ files are formatted."
