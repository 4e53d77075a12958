#!/usr/bin/env bash
# Every text of the interface has its English: lupdate run over the code into a copy of each
# catalogue must find no text without a translation (type="unfinished") and none the code no
# longer has (type="vanished"/"obsolete"). The fix is scripts/update-translations, then
# translating what it marks unfinished.
set -euo pipefail
ROOT="$1"
LUPDATE="$2"
cd "$ROOT"
source scripts/translation_parts.sh
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
status=0
for part in "${TRANSLATION_PARTS[@]}"; do
  catalogue="i18n/traxen_${part}_en.ts"
  if [ ! -f "$catalogue" ]; then
    echo "$catalogue is missing"; status=1; continue
  fi
  cp "$catalogue" "$work/check.ts"
  read -r -a sources <<<"$(translation_sources "$part")"
  "$LUPDATE" -silent -locations none -source-language et -target-language en -I src "${sources[@]}" -ts "$work/check.ts"
  # A message is <source>…</source> then <translation …>; print the sources of the bad ones.
  bad="$(awk '/<source>/ {src=$0} /<translation type="(unfinished|vanished|obsolete)"/ {print src " -> " $0}' "$work/check.ts")"
  if [ -n "$bad" ]; then
    echo "$catalogue is not up to date with the code (run scripts/update-translations and translate):"
    echo "$bad" | sed -e 's/^[[:space:]]*/  /'
    status=1
  fi
done
exit $status
