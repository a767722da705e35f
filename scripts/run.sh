#!/usr/bin/env bash
# Sets up and builds, then starts korvan7x from the staged installation under build/stage/.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

program="$build/stage/V100"
if [ -x "$program/korvan7x" ]; then
    exec "$program/korvan7x" "$@"
fi
# Without the desktop program: create a new document and show it.
out="${TMPDIR:-/tmp}/korvan7x-new.dat"
"$program/korvan7x-cli" new -o "$out"
exec "$program/korvan7x-cli" show "$out"
