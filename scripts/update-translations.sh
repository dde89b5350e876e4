#!/usr/bin/env bash
# Brings translations/*.ts up to date with the sources: new texts are added unfinished,
# texts gone from the sources are dropped. Run it after changing a text, then translate
# with Qt Linguist (linguist translations/lifetally_de.ts). English, the language of the
# sources, keeps only the plural forms of its counted texts.
# Usage: scripts/update-translations.sh [folder]   (folder: where to write, for the check)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-translations}
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
[ -x "$lupdate" ] || bash scripts/install-deps.sh qt6-l10n-tools

# The languages CMake builds, from its one list.
languages=$(sed -n 's/^set(LT_LANGUAGES \(.*\))$/\1/p' cmake/translations.cmake)
[ -n "$languages" ] || { echo "update-translations: no LT_LANGUAGES in cmake/translations.cmake" >&2; exit 1; }
options=(-silent -no-obsolete -locations none -source-language en)
for language in $languages; do
  "$lupdate" "${options[@]}" -target-language "$language" src -ts "$out/lifetally_$language.ts"
done
"$lupdate" "${options[@]}" -target-language en -pluralonly src -ts "$out/lifetally_en.ts"
