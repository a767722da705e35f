#!/usr/bin/env bash
# Every C++ source of the product, its tests, benchmarks and fuzz targets is formatted as the
# repository's .clang-format says; prints what differs and fails otherwise.
# Fix with: clang-format-14 -i <file>...
set -euo pipefail
root=$1
formatter=$(command -v clang-format-14 || true)
if [ -z "$formatter" ]; then
    echo "clang-format-14 is missing: scripts/setup.sh installs it" >&2
    exit 1
fi
cd "$root"
find app bench channels cli codeplug fuzz link radiosim settings shell tests \
    -name '*.cpp' -o -name '*.h' | sort | xargs "$formatter" --dry-run --Werror
