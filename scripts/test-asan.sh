#!/usr/bin/env bash
# Builds the `asan` preset into build-asan/ and runs the unit, window and end-to-end tests
# under the address and undefined-behaviour sanitizers; any report fails its test. Run after
# scripts/test.sh (or setup.sh), which installs what the build needs.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
