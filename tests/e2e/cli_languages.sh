#!/usr/bin/env bash
# korvan7x-cli speaks the language of the setup file (else of the system's locale at the first
# run), and English from inside the program when the language file is not installed; its list
# of ports follows the setup file's ports section.
# Usage: cli_languages.sh PATH/TO/korvan7x-cli STAGED_LAYOUT
# The program is copied into an installation of its own in a temporary folder, since it finds
# its language files and its setup file from where its executable lies.
set -u
cli=$1
stage=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/k7x-cli-languages.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

root=$work/install
mkdir -p "$root/V100/language" "$root/language"
cp "$cli" "$root/V100/korvan7x-cli"
cp "$stage/Version.ini" "$root/"
cp "$stage/V100/language/english.ini" "$stage/V100/language/chinese.ini" "$root/V100/language/"
# Kept aside for the expected texts, whatever the installation holds at the time.
cp "$stage/V100/language/english.ini" "$work/english.ini"
iconv -f GBK -t UTF-8 "$stage/V100/language/chinese.ini" >"$work/chinese.utf8.ini" ||
    fail "chinese.ini is not GBK"
program=$root/V100/korvan7x-cli
cd "$work" || exit 1

# The text of a number in a language file (as UTF-8), with %1, %2 filled in.
text_of() {
    local file=$1 number=$2
    shift 2
    local text
    text=$(sed -n "s/^$number=//p" "$file" | head -n 1 | tr -d '\r')
    [ -n "$text" ] || fail "no text $number in $file"
    local i=1
    for value in "$@"; do
        text=${text//"%$i"/"$value"}
        i=$((i + 1))
    done
    printf '%s' "$text"
}
english() { text_of "$work/english.ini" "$@"; }
chinese() { text_of "$work/chinese.utf8.ini" "$@"; }

# The setup file the desktop program leaves behind; no file at all is a first run.
setup() {
    if [ "$1" = none ]; then
        rm -f "$root/language/mysetup.ini"
    else
        printf '[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nCurrentLanguage=%s\r\n' "$1" \
            >"$root/language/mysetup.ini"
    fi
}

# Runs the program under a locale; stdout and stderr land in out.txt and err.txt.
run() {
    local locale=$1 want=$2
    shift 2
    env -u LANG -u LC_MESSAGES -u XDG_STATE_HOME LC_ALL="$locale" XDG_CONFIG_HOME="$work/config" \
        HOME="$work" "$program" "$@" </dev/null >out.txt 2>err.txt
    local got=$?
    [ "$got" -eq "$want" ] || fail "korvan7x-cli $* ($locale) exited $got, expected $want"
}

# The whole text must appear in the file.
expect_in() {
    local file=$1 text=$2 what=$3
    grep -qF -- "$text" "$file" || fail "$what: '$text' missing from $(cat "$file")"
}

# ---- Chinese, as the setup file says, whatever the locale ----
setup 2
run C 2 frobnicate
expect_in err.txt "korvan7x-cli: $(chinese 9116 frobnicate)" "unknown command"
expect_in err.txt "$(chinese 9115 korvan7x-cli)" "help hint"
grep -q '未知命令' err.txt || fail "the Chinese text is not Chinese: $(cat err.txt)"

# The Chinese sentence puts the command before the option.
run C 2 show --bogus x.dat
expect_in err.txt "$(chinese 9117 --bogus show)" "unknown option"
expect_in err.txt "$(chinese 9173 'korvan7x-cli show [--yaml] [--json] FILE.dat')" "command usage"

run C 0 --help
expect_in out.txt "$(chinese 9112)" "help: heading"
expect_in out.txt "$(chinese 9130)" "help: the new command"
expect_in out.txt "$(chinese 9114)" "help: exit status"

# A damaged file: the reason names the size found.
run C 0 new -o good.dat
head -c 100 good.dat >short.dat
run C 1 show short.dat
expect_in err.txt "$(chinese 9002)" "unreadable file message"
expect_in err.txt "$(chinese 9191 short.dat "$(chinese 9194 100 25611)")" "damage reason"

# The serial adapter words its problems in the same language.
run C 1 read --port "$work/no-such-device" -o radio.dat
expect_in err.txt "$(chinese 9003)" "port message"
expect_in err.txt "$(chinese 9100 "$work/no-such-device")" "device"
expect_in err.txt "$(chinese 9101)" "no such device"
expect_in err.txt "$(chinese 9127 "$(chinese 9160)" "$(chinese 9150)")" "failure line"
[ -e radio.dat ] && fail "a failed read created its output file"

# ---- the setup file's language counts over the locale's ----
setup 1
run zh_CN.UTF-8 2 frobnicate
expect_in err.txt "korvan7x-cli: $(english 9116 frobnicate)" "English by the setup file"

# ---- the first run takes the locale's language ----
setup none
run zh_CN.UTF-8 2 frobnicate
expect_in err.txt "$(chinese 9116 frobnicate)" "Chinese locale at the first run"
run en_US.UTF-8 2 frobnicate
expect_in err.txt "$(english 9116 frobnicate)" "English locale at the first run"

# ---- the ports list names each port's device, a port named in the setup file by a link too ----
ln -s /dev/null "$work/radio-cable"
printf '[language]\r\nIsFirstRun=0\r\ncomPort=3\r\nCurrentLanguage=1\r\n[ports]\r\nCOM3=%s\r\n' \
    "$work/radio-cable" >"$root/language/mysetup.ini"
run C 0 ports
expect_in out.txt "$(english 22002)3 — /dev/null  (named in $root/language/mysetup.ini)  (default)" \
    "the port named in the setup file"

# ---- no language file: the English texts built into the program, the same as the file ----
setup 2
rm "$root/V100/language/chinese.ini"
run C 2 frobnicate
expect_in err.txt "korvan7x-cli: $(english 9116 frobnicate)" "built-in English, no chinese.ini"
rm -r "$root/V100/language"
setup 1
run C 2 new --mode 5 -o x.dat
expect_in err.txt "$(english 9121 5)" "built-in English, no language folder"
run C 1 read --port "$work/no-such-device" -o radio.dat
expect_in err.txt "$(english 9003)" "built-in port message"
expect_in err.txt "$(english 9101)" "built-in device text"
expect_in err.txt "$(english 9127 "$(english 9160)" "$(english 9150)")" "built-in failure line"
grep -q '(text [0-9]*)' err.txt && fail "a text is missing from the built-in ones: $(cat err.txt)"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all checks passed"
