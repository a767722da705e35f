#!/usr/bin/env bash
# korvan7x-cli commands for scripts end to end: diff's exit status and lines, show --json's
# validity and values against the bytes of the file, show --yaml read back by convert.
# Usage: cli_script_commands.sh PATH/TO/korvan7x-cli
set -u
cli=$(realpath "$1")
source "$(dirname "${BASH_SOURCE[0]}")/cli_checks.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/k7x-cli-script.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

# Writes bytes (Python bytes literal) into a file at an offset.
patch_file() {
    python3 - "$1" "$2" "$3" <<'PY'
import sys
path, offset, data = sys.argv[1], int(sys.argv[2], 0), eval(sys.argv[3])
with open(path, "r+b") as f:
    f.seek(offset)
    f.write(data)
PY
}

"$cli" new --mode 2 -o a.dat || fail "new a.dat"
"$cli" new --mode 0 -o mode0.dat || fail "new mode0.dat"
cp a.dat same.dat

# ---- diff ----
expect_exit 0 diff a.dat same.dat
[ -s out.txt ] && fail "diff of equal files printed: $(head -c 200 out.txt)"

expect_exit 1 diff a.dat mode0.dat
grep -qx 'Header.CountryMode: 2 -> 0' out.txt || fail "diff: no country mode line ($(head -c 300 out.txt))"

# DTMF code 1's digits (file offset 283 + 2): a quote, a backslash, a control character and a
# single-byte e-acute, which JSON must escape.
cp a.dat dtmf.dat
patch_file dtmf.dat 285 'b"1\"\\\x01\xe9" + b" " * 11'
expect_exit 1 diff a.dat dtmf.dat
grep -qxF 'Dtmf.Codes[0].Digits: "" -> "1\"\\\u0001\u00e9"' out.txt ||
    fail "diff: no DTMF digits line ($(head -c 300 out.txt))"

# The NB field (record offset 26) of the first channel record (file offset 1071): channel 1.
cp a.dat channel.dat
patch_file channel.dat $((1071 + 26)) 'b"\x05\x00"'
expect_exit 1 diff a.dat channel.dat
[ "$(wc -l <out.txt)" -eq 1 ] || fail "diff: one change gave $(wc -l <out.txt) lines"
grep -Eqx 'A-1 NB: -?[0-9]+ -> 5' out.txt || fail "diff: no channel line ($(cat out.txt))"

expect_exit 2 diff a.dat missing.dat
grep -q 'missing.dat' err.txt || fail "diff: the missing file is not named"
expect_exit 2 diff a.dat

# ---- show --json ----
expect_exit 0 show --json dtmf.dat
python3 -m json.tool out.txt >/dev/null || fail "show --json: not valid JSON"
LC_ALL=C grep -q '[^ -~]' out.txt && fail "show --json: bytes outside printable ASCII"
python3 - out.txt dtmf.dat <<'PY' || fail "show --json: values differ from the file"
import json, struct, sys
doc = json.load(open(sys.argv[1]))
raw = open(sys.argv[2], "rb").read()
assert list(doc) == ["model", "country_mode", "file_version", "settings", "channels", "dtmf",
                     "keys", "tone_tips", "spare_entries"], list(doc)
assert doc["model"] == raw[0:7].decode().rstrip(), doc["model"]
assert doc["country_mode"] == 2
channels = doc["channels"]
assert struct.unpack_from("<h", raw, 13)[0] == len(channels)
# Digits that are no printable text come as the stored bytes.
assert bytes(doc["dtmf"]["Codes"][0]["Digits"]) == raw[285:301], doc["dtmf"]["Codes"][0]
assert doc["settings"]["Setting"][16] == struct.unpack_from("<h", raw, 103 + 2 * 16)[0]
by_number = {c["ChannelNo"]: c for c in channels}
for i in range(len(channels)):
    record = raw[1071 + 60 * i: 1071 + 60 * (i + 1)]
    number, = struct.unpack_from("<h", record, 0)
    stored = record[6:14].decode()
    c = by_number[number]
    assert c["Frequency"] == "%d.%s" % (int(stored[:3]), stored[3:]), (number, c["Frequency"])
    assert c["OffSetFre"] == struct.unpack_from("<h", record, 14)[0]
    assert c["TSQ"] == struct.unpack_from("<h", record, 44)[0]
assert [c["ChannelNo"] for c in channels] == sorted(by_number)
PY

# ---- show --yaml ----
expect_exit 0 show --yaml dtmf.dat
mv out.txt dtmf.yaml
expect_exit 0 convert dtmf.yaml dtmf-back.dat
cmp -s dtmf.dat dtmf-back.dat || fail "show --yaml: convert does not bring back the file"

expect_exit 1 show --json missing.dat
[ -s out.txt ] && fail "show --json of a missing file printed on stdout"

[ "$failures" -eq 0 ] && echo "all korvan7x-cli script command checks passed"
exit $((failures > 0))
