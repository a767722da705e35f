#!/usr/bin/env bash
# The README's "Keeping codeplugs in git", step by step in a scratch repository: with the
# textconv, git diff of a .dat file shows the channel line that changed.
# Usage: cli_git_textconv.sh PATH/TO/korvan7x-cli
set -u
cli=$1
source "$(dirname "${BASH_SOURCE[0]}")/cli_checks.sh"
command -v git >/dev/null || { echo "git is needed" >&2; exit 1; }
work=$(mktemp -d "${TMPDIR:-/tmp}/k7x-cli-git.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
export GIT_CONFIG_GLOBAL=/dev/null GIT_CONFIG_NOSYSTEM=1 HOME=$work

git init -q repo && cd repo || exit 1
git config user.email test@example.org && git config user.name test
expect_exit 0 new --mode 2 -o radio.dat
git add radio.dat && git commit -qm "new codeplug"

# A channel edited through the text form, as a user edits it in a text editor.
expect_exit 0 convert radio.dat radio.yaml
sed -i '0,/Frequency: "28.85000"/s//Frequency: "28.86000"/' radio.yaml
expect_exit 0 convert radio.yaml radio.dat
rm radio.yaml

echo '*.dat diff=korvan7x' >>.gitattributes
git config diff.korvan7x.textconv "$cli show --yaml"
diff=$(git diff radio.dat)
grep -qx -- '-    Frequency: "28.85000"' <<<"$diff" || fail "no removed line in: $diff"
grep -qx -- '+    Frequency: "28.86000"' <<<"$diff" || fail "no added line in: $diff"
[ "$(grep -c '^[-+] ' <<<"$diff")" -eq 2 ] || fail "more than the one channel line changed: $diff"

[ "$failures" -eq 0 ] || exit 1
echo "git textconv: ok"
