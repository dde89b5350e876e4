#!/usr/bin/env bash
# Fails when a translations/*.ts file is out of date with the sources (run
# scripts/update-translations.sh), or when a shipped language has an entry that is
# unfinished, empty, or left from a text that is gone (vanished, obsolete).
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
cp translations/*.ts "$work/"
bash scripts/update-translations.sh "$work"
for ts in translations/*.ts; do
  if ! cmp -s "$ts" "$work/$(basename "$ts")"; then
    echo "check-translations: $ts is out of date with the sources; run scripts/update-translations.sh" >&2
    diff -u "$ts" "$work/$(basename "$ts")" | head -n 40 >&2 || true
    status=1
  fi
done

for ts in translations/*.ts; do
  for kind in unfinished vanished obsolete; do
    n=$(grep -c "type=\"$kind\"" "$ts" || true)
    [ "$n" -eq 0 ] || { echo "check-translations: $ts has $n $kind entries" >&2; status=1; }
  done
  n=$(grep -cE '<translation>[[:space:]]*</translation>|<translation/>|<numerusform>[[:space:]]*</numerusform>|<numerusform/>' "$ts" || true)
  [ "$n" -eq 0 ] || { echo "check-translations: $ts has $n empty translations" >&2; status=1; }
done
[ "$status" -eq 0 ] && echo "check-translations: every shipped language is up to date and finished"
exit "$status"
