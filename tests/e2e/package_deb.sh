#!/usr/bin/env bash
# The Debian package end to end: cpack builds it from the build tree into a scratch folder,
# dpkg -x unpacks it into a scratch root, and the unpacked files are checked: the layout below
# /usr/lib/korvan7x, the relative links in /usr/bin, the desktop entry, the icons and the
# metainfo, the dependencies, and korvan7x-cli run from the unpacked tree.
# Usage: package_deb.sh BUILD_DIR
# Exits 77 (skipped) when a packaging tool is missing; scripts/setup.sh installs them.
set -u
build=$(cd "$1" && pwd) || exit 1
app_id=io.github.korvan7x.korvan7x

for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"
        exit 77
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/k7x-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >cpack.txt 2>&1; then
    cat cpack.txt >&2
    echo "FAIL: cpack -G DEB failed" >&2
    exit 1
fi
debs=("$work"/out/korvan7x_*.deb)
[ -f "${debs[0]}" ] || { echo "FAIL: no package in $work/out" >&2; ls -R out >&2; exit 1; }
deb=${debs[0]}

# ---- control data ----
dpkg-deb -f "$deb" Package Version Architecture Section Depends >control.txt
grep -qx 'Package: korvan7x' control.txt || fail "package name ($(cat control.txt))"
grep -qx 'Section: hamradio' control.txt || fail "section"
depends=$(sed -n 's/^Depends: //p' control.txt)
depended=$(tr ',' '\n' <<<"$depends" | awk '{print $1}')  # the package names alone
for package in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6serialport6 libqt6multimedia6 \
        qt6-qpa-plugins qt6-translations-l10n libyaml-cpp0.7; do
    grep -qxF "$package" <<<"$depended" || fail "Depends lacks $package: $depends"
done

# ---- files ----
root=$work/root
dpkg -x "$deb" "$root" || { echo "FAIL: dpkg -x failed" >&2; exit 1; }
lib=$root/usr/lib/korvan7x
for file in Version.ini V100/language/english.ini V100/language/chinese.ini V100/PIC/BK_1.jpg \
        V100/PIC/BK_2.jpg V100/StartE.jpg V100/StartC.jpg; do
    [ -f "$lib/$file" ] || fail "missing /usr/lib/korvan7x/$file"
done
for folder in V100/Init language; do
    [ -d "$lib/$folder" ] || fail "missing folder /usr/lib/korvan7x/$folder"
done
for program in korvan7x korvan7x-cli korvan7x-radio; do
    [ -x "$lib/V100/$program" ] || fail "missing program /usr/lib/korvan7x/V100/$program"
    target=$(readlink "$root/usr/bin/$program")
    [ "$target" = "../lib/korvan7x/V100/$program" ] || fail "/usr/bin/$program links to '$target'"
done
# Nothing of the build or the tests ships.
extra=$(find "$root" -type f -path '*test*' -o -type f -name '*generator*')
[ -z "$extra" ] || fail "files that should not ship: $extra"

desktop=$root/usr/share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate $app_id.desktop"
grep -qx 'Exec=korvan7x %f' "$desktop" || fail "the desktop entry's Exec line"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry's Icon line"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "appstreamcli validate $app_id.metainfo.xml"
icons=$root/usr/share/icons/hicolor
for size in 48 128 256; do
    png=$icons/${size}x$size/apps/$app_id.png
    python3 - "$png" "$size" <<'PY' || fail "icon $png is not a ${size}x$size PNG"
import struct, sys
data = open(sys.argv[1], "rb").read(24)
assert data[:8] == b"\x89PNG\r\n\x1a\n" and data[12:16] == b"IHDR"
assert struct.unpack(">II", data[16:24]) == (int(sys.argv[2]),) * 2
PY
done
grep -q '<svg' "$icons/scalable/apps/$app_id.svg" 2>/dev/null || fail "no scalable icon"

# ---- the unpacked programs run from their links, finding their data files ----
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_STATE_HOME=$work/home/state LC_ALL=C.UTF-8
mkdir -p "$HOME"
"$root/usr/bin/korvan7x-cli" new --mode 2 -o new.dat 2>err.txt || fail "korvan7x-cli new: $(cat err.txt)"
"$root/usr/bin/korvan7x-cli" show new.dat >show.txt 2>err.txt || fail "korvan7x-cli show: $(cat err.txt)"
grep -q '28.000 - 29.700 MHz' show.txt || fail "korvan7x-cli show: no band text"
# The Chinese texts exist only in the installed language file (English is also built in).
summary=$(iconv -f GBK -t UTF-8 "$lib/V100/language/chinese.ini" | sed -n 's/^9130=//p' | tr -d '\r')
LC_ALL=zh_CN.UTF-8 "$root/usr/bin/korvan7x-cli" --help >help.txt 2>&1
grep -qF "$summary" help.txt || fail "korvan7x-cli --help: not in Chinese ($(head -c 200 help.txt))"

[ "$failures" -eq 0 ] && echo "the Debian package $(basename "$deb") passed every check"
exit $((failures > 0))
