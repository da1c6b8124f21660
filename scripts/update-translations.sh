#!/usr/bin/env bash
# Brings translations/vrm530_en.ts up to date with the interface texts in the
# code (every Ui::tr and QT_TRANSLATE_NOOP("Ui", ...)): new texts appear
# unfinished for a translator (Qt Linguist, or an editor), texts no longer in
# the code go. The build compiles the file and embeds it.
#
#   bash scripts/update-translations.sh
#   bash scripts/update-translations.sh --check   # fails while a text lacks its translation
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
lupdate=/usr/lib/qt6/bin/lupdate
lrelease=/usr/lib/qt6/bin/lrelease

"$lupdate" -locations none -no-obsolete -source-language ru_RU -target-language en_GB \
  app ui cli session link model -ts translations/vrm530_en.ts

if [ "${1:-}" = "--check" ]; then
  report="$("$lrelease" translations/vrm530_en.ts -qm /dev/null)"
  echo "$report"
  echo "$report" | grep -q " 0 unfinished" || { echo "translations: unfinished texts" >&2; exit 1; }
fi
