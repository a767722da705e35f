#!/usr/bin/env bash
# Sets up and builds, then runs every test. Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

ctest --preset ci
