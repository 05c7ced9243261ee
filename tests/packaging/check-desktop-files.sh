#!/usr/bin/env bash
# check-desktop-files.sh desktop PACKAGING-DIR | cli-docs DOCS-DIR
# Exit 77 (skipped) when none of a part's checkers is installed.
set -uo pipefail
mode=$1 dir=$2 failed=0 ran=0

fail() { echo "FAIL: $*"; failed=1; }

if [ "$mode" = desktop ]; then
  if command -v appstreamcli >/dev/null; then
    ran=1
    appstreamcli validate --no-net "$dir/io.github.skaldrun.Skaldrun.metainfo.xml" || fail "metainfo"
    # The metainfo names the desktop entry the .deb installs.
    grep -q '<launchable type="desktop-id">skaldrun.desktop</launchable>' \
      "$dir/io.github.skaldrun.Skaldrun.metainfo.xml" || fail "metainfo launchable"
  else
    echo "SKIP: appstreamcli is not installed (Debian: appstream); the metainfo is not validated"
  fi
  if command -v desktop-file-validate >/dev/null; then
    ran=1
    desktop-file-validate "$dir/skaldrun.desktop" || fail "desktop entry"
  else
    echo "SKIP: desktop-file-validate is not installed (Debian: desktop-file-utils)"
  fi
  [ $ran = 1 ] || exit 77
  exit $failed
fi

# cli-docs: the man page renders without a warning; the completions offer what the program takes.
if command -v groff >/dev/null; then
  warnings=$(gzip -dc "$dir/skaldrun-cli.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
  [ -z "$warnings" ] || fail "man page: $warnings"
  gzip -dc "$dir/skaldrun-cli.1.gz" | groff -man -Tutf8 2>/dev/null | grep -q "profile import" ||
    fail "man page lacks the commands"
else
  echo "SKIP: groff is not installed; the man page is not rendered"
fi

# Each case: the words typed so far (the last one being completed) | what bash offers.
source "$dir/skaldrun-cli.bash"
while IFS='|' read -r typed offered; do
  read -ra COMP_WORDS <<<"$typed"
  [[ $typed == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  _skaldrun_cli
  [ "${COMPREPLY[*]}" = "$offered" ] || fail "bash, '$typed': '${COMPREPLY[*]}', not '$offered'"
done <<'CASES'
skaldrun-cli pro|profile
skaldrun-cli s|status search saves
skaldrun-cli profile |list new switch export import
skaldrun-cli --game /srv/valheim profile ex|export
skaldrun-cli config |list get set
skaldrun-cli saves r|restore
skaldrun-cli status |
skaldrun-cli search --sort |popular newest rating name
skaldrun-cli search --so|--sort
skaldrun-cli --json --game /srv list --d|--dry-run --delete
skaldrun-cli profile import --name |
CASES

if command -v zsh >/dev/null; then
  zsh -n "$dir/_skaldrun-cli" || fail "zsh completion doesn't parse"
else
  echo "SKIP: zsh is not installed; its completion is not parsed"
fi
exit $failed
