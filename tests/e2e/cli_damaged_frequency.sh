#!/usr/bin/env bash
# korvan7x-cli with a .dat file whose channel frequency holds a character that is no digit:
# no command writes it out as a frequency. The writing commands refuse and name the channel;
# show and diff print the stored text marked as no frequency.
# Usage: cli_damaged_frequency.sh PATH/TO/korvan7x-cli
set -u
cli=$(realpath "$1")
source "$(dirname "${BASH_SOURCE[0]}")/cli_checks.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/k7x-cli-damaged.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

# The frequency (record offset 6) of the second channel record (file offset 1071 + 60), which
# a new mode-2 document holds for the VFO channel 401, and of the third, "MEM-1".
"$cli" new --mode 2 -o good.dat || fail "new good.dat"
cp good.dat vfo.dat
printf '028X5000' | dd of=vfo.dat bs=1 seek=$((1071 + 60 + 6)) conv=notrunc 2>/dev/null
cp good.dat mem.dat
printf '02?05000' | dd of=mem.dat bs=1 seek=$((1071 + 120 + 6)) conv=notrunc 2>/dev/null

for damaged in "vfo.dat VFO 028X5000" "mem.dat MEM-1 02?05000"; do
    set -- $damaged
    file=$1 channel=$2 stored=$3
    for command in "export-csv $file -o out.csv" "pack $file -o out.bin"; do
        rm -f out.csv out.bin
        expect_exit 1 $command
        grep -qF "channel $channel is damaged (\"$stored\"" err.txt ||
            fail "$command: the channel is not named ($(head -c 300 err.txt))"
        [ -e out.csv ] || [ -e out.bin ] || [ -s out.txt ] && fail "$command: something was written"
    done
    # The text form keeps the damaged characters as they are: back to .dat, the same file.
    expect_exit 0 convert "$file" damaged.yaml
    expect_exit 0 convert damaged.yaml back.dat
    cmp -s "$file" back.dat || fail "convert $file: the damaged frequency did not come back"
    expect_exit 0 show "$file"
    grep -qF "$stored (not a frequency)" out.txt || fail "show $file: no marked text ($(cat out.txt))"
    grep -q '25.61500' out.txt && fail "show $file: a made-up frequency is shown"
    expect_exit 1 diff good.dat "$file"
    grep -qF "$channel Frequency: " out.txt && grep -qF "\"$stored\" (not a frequency)" out.txt ||
        fail "diff $file: no marked text ($(cat out.txt))"
done

[ "$failures" -eq 0 ] && echo "all korvan7x-cli damaged frequency checks passed"
exit $((failures > 0))
