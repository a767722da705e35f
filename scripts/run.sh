#!/usr/bin/env bash
# Sets up and builds, then starts korvan7x from the staged installation under build/stage/.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

program="$build/stage/V100"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || [ -n "${QT_QPA_PLATFORM:-}" ]; then
    exec "$program/korvan7x" "$@"
fi

# No desktop to show a window on: show what the command-line program does instead.
echo "No display found (DISPLAY is not set): korvan7x needs a desktop session." >&2
echo "Meanwhile, a new document made and shown by $program/korvan7x-cli:" >&2
out="${TMPDIR:-/tmp}/korvan7x-new.dat"
"$program/korvan7x-cli" new -o "$out"
exec "$program/korvan7x-cli" show "$out"
