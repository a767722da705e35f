#!/usr/bin/env bash
# korvan7x-cli channel tables end to end: export-csv, import-csv, refused rows and --partial.
# Usage: cli_csv_commands.sh PATH/TO/korvan7x-cli
set -u
cli=$1
source "$(dirname "${BASH_SOURCE[0]}")/cli_checks.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/k7x-cli-csv.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

header='Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE'

# ---- export ----
expect_exit 0 new --mode 2 -o ham.dat
expect_exit 0 export-csv ham.dat -o ham.csv
[ "$(head -n 1 ham.csv | tr -d '\r')" = "$header" ] || fail "export: header $(head -n 1 ham.csv)"
[ "$(wc -l <ham.csv)" -eq 11 ] || fail "export: $(wc -l <ham.csv) lines instead of 11"
grep -q $'^1,A-1,28.850000,,0.100000,,' ham.csv || fail "export: channel 1 row"
grep -q $'^409,MEM-8,28.005000,' ham.csv || fail "export: channel 409 row"

# ---- import: our own file back, and a file of another program ----
expect_exit 0 import-csv ham.dat ham.csv -o same.dat
expect_exit 0 export-csv same.dat -o same.csv
cmp -s ham.csv same.csv || fail "import of the export changed the channels"

printf '\xEF\xBB\xBF# 10 m\r\n%s\r\n' "$header" >tenm.csv
printf '5,RPT,29.620000,-,0.100000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,10.00,,,,,,,\r\n' >>tenm.csv
printf '"6","AM, local",28.305000,,0,,88.5,88.5,023,NN,023,Tone->Tone,AM,5.00,S,,,,,,\r\n' >>tenm.csv
expect_exit 0 import-csv ham.dat tenm.csv -o tenm.dat
expect_exit 0 show tenm.dat
grep -Eq '^ +5 +A +5 +29\.62000 ' out.txt || fail "import: channel 5 missing"
grep -Eq '^ +6 +A +6 +28\.30500 ' out.txt || fail "import: channel 6 missing"

# ---- refused rows: nothing written without --partial ----
cp tenm.csv mixed.csv
printf '7,,146.520000,,0,,,,,,,,FM\r\n8,,28.400000,,0,Tone,69.3,,,,,,FM\r\n' >>mixed.csv
expect_exit 1 import-csv ham.dat mixed.csv -o mixed.dat
[ -e mixed.dat ] && fail "refused rows: the output was written"
grep -q 'Line 5:.*146.520000' err.txt || fail "refused rows: line 5 not listed ($(cat err.txt))"
grep -q 'Line 6:.*69.3' err.txt || fail "refused rows: line 6 not listed"
expect_exit 0 import-csv ham.dat mixed.csv -o mixed.dat --partial
expect_exit 0 show mixed.dat
grep -Eq '^ +6 +A +6 +28\.30500 ' out.txt || fail "--partial: channel 6 missing"
grep -Eq '^ +7 +A +7 ' out.txt && fail "--partial: channel 7 taken"

# ---- files that are no channel table ----
printf 'Dear friend,\nhere are my channels\n' >prose.csv
head -c 2000 /dev/urandom >noise.csv
printf '%s\n' "$header" >empty.csv
head -c 11000000 /dev/zero | tr '\0' '1' >huge.csv
for case in 'prose.csv:no header row' 'noise.csv:not text' 'empty.csv:no channel rows' \
            'huge.csv:larger than' 'missing.csv:missing.csv'; do
    f=${case%%:*}
    expect_exit 1 import-csv ham.dat "$f" -o out.dat
    [ -e out.dat ] && fail "$f: the output was written"
    grep -q "${case#*:}" err.txt || fail "$f: message '$(cat err.txt)'"
done

# ---- usage ----
expect_exit 2 import-csv ham.dat
expect_exit 2 export-csv ham.dat

[ "$failures" -eq 0 ] || { echo "$failures failures" >&2; exit 1; }
echo "all passed"
