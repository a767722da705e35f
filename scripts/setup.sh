#!/usr/bin/env bash
# Installs what the build and the tests need (only what is missing, and only from the list
# below), then configures and builds the `ci` preset into build/. Sourced by run.sh and test.sh.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-serialport-dev qt6-multimedia-dev libgl-dev libasound2-dev
    qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev libyaml-cpp-dev
    clang-14 libclang-rt-14-dev clang-format-14
    xvfb xauth socat python3 poppler-utils git
    fonts-wqy-microhei
    dpkg-dev desktop-file-utils appstream
    pulseaudio pulseaudio-utils
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cd "$root"
cmake --preset ci >/dev/null
cmake --build --preset ci
