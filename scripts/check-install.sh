#!/usr/bin/env bash
# Builds the package, unpacks it into a staging folder and runs the installed program from
# a read-only copy of that folder with an empty home, as a user would after installing:
# the data must land in the home's .config/lifetally/ and the program's folders must stay
# as they were. Each step has a time limit, so a program that never shows or never ends
# fails the check instead of hanging it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/package.sh
bash scripts/install-deps.sh xvfb xauth xdotool

version=$(sed -n 's/^project(lifetally VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb="$PWD/build/package/lifetally_${version}_$(dpkg --print-architecture).deb"
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"

dpkg-deb -x "$deb" "$work/stage"
cp -a "$work/stage" "$work/ro"
chmod -R a-w "$work/ro"
exe="$work/ro/usr/bin/lifetally"
home="$work/home"
mkdir "$home"
listing() { find "$work/ro" -printf '%p %m %s %T@\n' | sort; }
before=$(listing)

# root may write anywhere, read-only or not; the program runs as an ordinary user.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$home"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

fail() { echo "check-install: $*" >&2; exit 1; }

[ "$("$exe" --version)" = "Lifetally $version" ] || fail "--version does not print Lifetally $version"

# One session: start the program, optionally type a name on the Bio page, press Close
# and wait for the program to end. The window is 623 x 419 at a fixed size; the points
# are its Next button, name field and Close button.
session() {
  timeout 90 "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 \
    xvfb-run -a -s '-screen 0 1280x1024x24' bash -c '
      set -eu
      "$1" & pid=$!
      wid=$(timeout 30 xdotool search --sync --onlyvisible --name "^Lifetally\$" | head -n 1)
      [ -n "$wid" ]
      sleep 1
      if [ -n "$2" ]; then
        xdotool mousemove --window "$wid" 403 394 click 1
        sleep 0.5
        xdotool mousemove --window "$wid" 411 110 click 1 key ctrl+a type "$2"
      fi
      xdotool mousemove --window "$wid" 569 394 click 1
      timeout 20 tail --pid="$pid" -f /dev/null
      wait "$pid"' session "$exe" "$1"
}

ini="$home/.config/lifetally/lifetally.ini"
session "Ada Lovelace" || fail "the first run did not end cleanly"
[ -f "$ini" ] || fail "nothing saved in $ini"
grep -qx 'name=Ada Lovelace' "$ini" || fail "the name typed is not in $ini"
# The second run only closes: the name can only still be there if it was read back.
session "" || fail "the second run did not end cleanly"
grep -qx 'name=Ada Lovelace' "$ini" || fail "the second run did not read $ini back"
# The charts, the report and the exports come from the installed outputs library.
out="$work/out"
mkdir "$out"
cp tools/sample-lifetally.ini "$out/s.ini"
[ "$(id -u)" -eq 0 ] && chown -R nobody "$out"
timeout 60 "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 \
  "$exe" --settings "$out/s.ini" --export-report "$out/r.pdf" --export-chart "$out/c.png" ||
  fail "the installed program could not export its report and chart"
head -c 5 "$out/r.pdf" | grep -q '%PDF-' || fail "the exported report is not a PDF"
[ "$(listing)" = "$before" ] || fail "the program changed its installed folders"
echo "check-install: the installed program keeps its data in ~/.config/lifetally/ and exports"
