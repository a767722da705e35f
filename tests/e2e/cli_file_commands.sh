#!/usr/bin/env bash
# korvan7x-cli file commands end to end: new, show, pack and unpack on real files.
# Usage: cli_file_commands.sh PATH/TO/korvan7x-cli
set -u
cli=$1
source "$(dirname "${BASH_SOURCE[0]}")/cli_checks.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/k7x-cli-files.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

size_of() { stat -c %s "$1"; }

# The bytes of a file from an offset (hexadecimal), as "00 85 28".
bytes_at() { od -An -v -tx1 -j $(($2)) -N "$3" "$1" | tr -s ' \n' ' ' | sed 's/^ //;s/ $//'; }

expect_bytes() {
    local file=$1 offset=$2 want=$3 n
    n=$(wc -w <<<"$want")
    local got
    got=$(bytes_at "$file" "$offset" "$n")
    [ "$got" = "$want" ] || fail "$file at $offset: got '$got', expected '$want'"
}

# ---- new ----
for mode in 0 1 2; do
    expect_exit 0 new --mode "$mode" -o "new$mode.dat"
    [ "$(size_of "new$mode.dat")" -eq 25611 ] || fail "new$mode.dat is $(size_of "new$mode.dat") bytes"
    expect_bytes "new$mode.dat" 0 "4b 4f 52 56 4e 37 58 0$mode 00 56 31 30 30 0a 00"
done
expect_exit 0 new -o default.dat
cmp -s default.dat new0.dat || fail "new without --mode differs from mode 0"

# ---- show ----
expect_exit 0 show new2.dat
grep -q '28.000 - 29.700 MHz' out.txt || fail "show: no band text"
rows=$(awk '/^Channels$/ {on = 1; next} on && NF > 0' out.txt | tail -n +2 | wc -l)
[ "$rows" -eq 10 ] || fail "show: $rows channel rows instead of 10"
grep -Eq '^ +1 +A +1 +28\.85000 ' out.txt || fail "show: channel 1 row"
grep -Eq '^ +409 +MEM +8 +28\.00500 ' out.txt || fail "show: channel 409 row"
grep -Eq '^ +2 +1 +0 +80/4 0/4' out.txt || fail "show: tone tip 2"

# ---- pack ----
expect_exit 0 pack new2.dat -o new2.bin
[ "$(size_of new2.bin)" -eq 7424 ] || fail "new2.bin is $(size_of new2.bin) bytes"
# Channel 1 at 28.85 MHz: BCD, least significant pair first; offset 100; NB and Public set.
expect_bytes new2.bin 0x0000 "00 85 28 64 00 00 00 00 00 00 00 84 00 00 00 00"
expect_bytes new2.bin 0x1900 "01 00"   # present
expect_bytes new2.bin 0x1940 "01 00"   # scanned
expect_bytes new2.bin 0x1A00 "00 85 28 64 00"                 # VFO channel 401
expect_bytes new2.bin 0x1980 "50 01 28"                       # MEM 402, 28.015 MHz
expect_bytes new2.bin 0x19F0 "50 00 28"                       # MEM 409, 28.005 MHz
expect_bytes new2.bin 0x1A1B "01 ff ff 01 00"                 # current MEM, MEM bitmaps, group A
expect_bytes new2.bin 0x1A30 "00 00 00 05 00"                 # common channel: offset 5
expect_bytes new2.bin 0x1A40 "00 04 01 01 03 03 00 00 03 00 01 01 01 00 0a 02 00 00 00 01 a0 02"
expect_bytes new2.bin 0x1A80 "01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f 10 11 12 00"
expect_bytes new2.bin 0x1B00 "01 00 d2 00 d2 00 d2 00 d2 00 00 00 00 00 00 00 0a 0a 0a 0a 0a 0a 0a 00"
expect_bytes new2.bin 0x1C00 "ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff"
expect_exit 0 pack new0.dat -o new0.bin
expect_bytes new0.bin 0x0000 "50 18 27"                       # 27.185 MHz in mode 0

# ---- unpack, then pack again: the same image ----
expect_exit 0 unpack new2.bin --mode 2 -o back2.dat
[ "$(size_of back2.dat)" -eq 25611 ] || fail "back2.dat is $(size_of back2.dat) bytes"
expect_bytes back2.dat 7 "02 00"
expect_exit 0 pack back2.dat -o back2.bin
cmp -s new2.bin back2.bin || fail "unpack then pack changed the mode-2 image"
# A new mode-0 document holds channel 401, which mode 0 does not read back from an image:
# only its slot (0x1A00-0x1A0F, cmp counts from 1) may differ, and a second round is stable.
expect_exit 0 unpack new0.bin -o back0.dat
expect_exit 0 pack back0.dat -o back0.bin
outside=$(cmp -l new0.bin back0.bin | awk '$1 < 6657 || $1 > 6672' | wc -l)
[ "$outside" -eq 0 ] || fail "unpack then pack changed the mode-0 image outside the VFO slot"
expect_exit 0 unpack back0.bin -o again0.dat
expect_exit 0 pack again0.dat -o again0.bin
cmp -s back0.bin again0.bin || fail "a second unpack and pack changed the mode-0 image"

# ---- refusals leave the output alone ----
head -c 25610 new2.dat >short.dat
printf 'kept' >existing.bin
expect_exit 1 pack short.dat -o existing.bin
[ "$(cat existing.bin)" = kept ] || fail "a refused pack touched its output file"
[ -s err.txt ] || fail "a refused pack gave no reason"
expect_exit 1 pack short.dat -o fresh.bin
[ -e fresh.bin ] && fail "a refused pack created its output file"

cp new2.dat other-model.dat
printf 'X' | dd of=other-model.dat bs=1 seek=0 conv=notrunc 2>/dev/null
expect_exit 1 show other-model.dat
expect_exit 1 pack other-model.dat -o existing.bin
[ "$(cat existing.bin)" = kept ] || fail "pack of another model touched its output file"

cp new2.dat mode9.dat
printf '\011' | dd of=mode9.dat bs=1 seek=7 conv=notrunc 2>/dev/null
expect_exit 1 show mode9.dat
grep -q 'Country Mode Error!' err.txt || fail "a file of mode 9 was not reported"

cp new2.dat v101.dat
printf 'V101' | dd of=v101.dat bs=1 seek=9 conv=notrunc 2>/dev/null
expect_exit 1 show v101.dat </dev/null

head -c 7423 new2.bin >short.bin
printf 'kept' >existing.dat
expect_exit 1 unpack short.bin -o existing.dat
[ "$(cat existing.dat)" = kept ] || fail "a refused unpack touched its output file"
grep -q 7424 err.txt || fail "a short image was not explained"
cat new2.bin new2.bin >long.bin
expect_exit 1 unpack long.bin -o existing.dat
expect_exit 1 unpack missing.bin -o existing.dat
expect_exit 1 new -o no/such/folder/x.dat

# ---- usage errors ----
expect_exit 2
expect_exit 2 frobnicate
expect_exit 2 new --mode 3 -o x.dat
expect_exit 2 new --mode 1
expect_exit 2 pack new2.dat
expect_exit 2 show
expect_exit 2 show a.dat b.dat
expect_exit 2 show --bogus new2.dat
expect_exit 0 --help
grep -q unpack out.txt || fail "--help does not list unpack"
expect_exit 0 pack --help
[ -e x.dat ] && fail "a usage error wrote a file"

# ---- convert ----
# Each direction between the .dat file and its text forms; back to .dat the file is the same.
while read -r from to; do
    expect_exit 0 convert "$from" "$to"
    [ -s "$to" ] || fail "convert $from $to: nothing written"
done <<'ROWS'
new2.dat new2.yaml
new2.yaml back-yaml.dat
new2.dat new2.json
new2.json back-json.dat
new2.yaml again.yml
ROWS
cmp -s back-yaml.dat new2.dat || fail "convert: .dat through YAML differs"
cmp -s back-json.dat new2.dat || fail "convert: .dat through JSON differs"
cmp -s again.yml new2.yaml || fail "convert: YAML written twice differs"
python3 -m json.tool new2.json >/dev/null || fail "convert: the JSON is not valid JSON"
grep -q 'Frequency: "28.85000"' new2.yaml || fail "convert: channel 1's frequency in MHz"
grep -q 'ChannelNo: 409  # MEM-8' new2.yaml || fail "convert: channel 409's position"
grep -q -- '- 4  # 4 min' new2.yaml || fail "convert: a setting's choice named"

# A fault in a text is named with its place, and nothing is written.
printf 'country_mode: 2\nchannels:\n  - {ChannelNo: 1, RDCT: 88.6}\n' >bad.yaml
expect_exit 1 convert bad.yaml bad.dat
grep -qF 'line 3, column 26: no tone is called "88.6"' err.txt ||
    fail "convert: the fault is not placed ($(head -c 300 err.txt))"
[ -e bad.dat ] && fail "convert: a refused text wrote a file"
expect_exit 2 convert new2.dat new2.txt

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all checks passed"
