#!/usr/bin/env bash
# Runs the benchmarks, then compares the program's start-up with an empty Qt Widgets
# window that links QtWidgets alone, both under Xvfb, in alternating runs: median times
# and peak memory. Two ways: from process start to the Intro page painted (the probes),
# and from outside as a user sees it, from starting the real executable until the X
# server maps its window (map_timer waits for the server's MapNotify), with the sample
# file and with every row filled.
# Usage: scripts/bench.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-21}"
bash scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench --target lifetally_bench startup_steps_bench startup_probe \
    empty_window_probe map_timer lifetally lifetally_outputs
./build/bench/bench/lifetally_bench --benchmark_min_time=0.2
QT_QPA_PLATFORM=offscreen ./build/bench/bench/startup_steps_bench --benchmark_min_time=0.2

data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
cp tools/sample-lifetally.ini "$data/lifetally.ini"
cat > "$data/compare.sh" <<'INNER'
#!/usr/bin/env bash
# Alternates the two probes $RUNS times; prints the medians and the peak memory.
empty=./build/bench/bench/empty_window_probe
app=./build/bench/bench/startup_probe
us() { local s e; s=$(date +%s%N); "$@" >/dev/null 2>&1; e=$(date +%s%N); echo $(( (e - s) / 1000 )); }
median() { sort -n | awk '{a[NR]=$1} END {printf "%.1f", a[int((NR+1)/2)]/1000}'; }
: >"$DATA/empty.t"; : >"$DATA/app.t"
for _ in $(seq "$RUNS"); do
  us "$empty" >>"$DATA/empty.t"
  us "$app" "$DATA" >>"$DATA/app.t"
done
e=$(median <"$DATA/empty.t"); a=$(median <"$DATA/app.t")
me=$(LT_PROBE_RSS=1 "$empty" 2>&1 >/dev/null | awk '/maxrss_kb/ {print $2}')
ma=$(LT_PROBE_RSS=1 "$app" "$DATA" 2>&1 >/dev/null | awk '/maxrss_kb/ {print $2}')
echo "start-up, median of $RUNS alternating runs: empty Qt window ${e} ms, Lifetally ${a} ms"
awk -v a="$a" -v e="$e" 'BEGIN {printf "ratio %.2f (goal: at most 1.30)\n", a/e}'
awk -v a="$ma" -v e="$me" 'BEGIN {printf "peak memory: empty %.1f MB, Lifetally %.1f MB, %.1f MB more (goal: at most 15)\n", e/1024, a/1024, (a-e)/1024}'
INNER
chmod +x "$data/compare.sh"

# The real executable in a fresh folder of its own, with its outputs library, and with the
# sample file or a file whose three tables are full (50 rows each) beside it as
# lifetally.ini.
mkdir -p "$data/sample" "$data/full"
for set in sample full; do cp build/bench/lifetally build/bench/lifetally-outputs.so "$data/$set/"; done
cp tools/sample-lifetally.ini "$data/sample/lifetally.ini"
{
  printf '[DOB]\nDate=3/1/1960\n[Name]\nname=Ada Lovelace\n[Income]\nincome=2500000\n'
  for t in "Hours Hour HrMin" "Money Money Amount" "Freq Freq Amount"; do
    read -r section row field <<<"$t"
    printf '[%s]\nCount=51\n' "$section"
    for i in $(seq 50); do
      case $field in
        HrMin) amount="$((i % 9 + 1)) Hrs $((i % 4 * 15)) Mins"; per=Day ;;
        Amount) amount=$([ "$section" = Money ] && echo "\$$i.50" || echo "$i"); per=Week ;;
      esac
      printf '[%s%d]\nDesc=Activity %d\n%s=%s\nPer=%s\nStart=%d/1/%d\nEnd=Now\n' \
        "$row" "$i" "$i" "$field" "$amount" "$per" "$((i % 12 + 1))" "$((1970 + i))"
    done
  done
} >"$data/full/lifetally.ini"

cat > "$data/outside.sh" <<'INNER'
#!/usr/bin/env bash
# Alternates the empty window and the real executable $RUNS times for each data set,
# each timed by map_timer from its start to its window's MapNotify on the X server (no
# process polls meanwhile); prints the medians, the ratio, and the peak memory of each
# left running a second after its map (every page made).
empty=./build/bench/bench/empty_window_probe
timer=./build/bench/bench/map_timer
median() { sort -n | awk '{a[NR]=$1} END {printf "%.1f", a[int((NR+1)/2)]}'; }
for set in sample full; do
  : >"$DATA/empty.v"; : >"$DATA/app.v"
  for _ in $(seq "$RUNS"); do
    LT_PROBE_STAY=1 "$timer" "$empty" >>"$DATA/empty.v" || exit 1
    "$timer" "$DATA/$set/lifetally" >>"$DATA/app.v" || exit 1
  done
  e=$(cut -d' ' -f2 "$DATA/empty.v" | median); a=$(cut -d' ' -f2 "$DATA/app.v" | median)
  ec=$(cut -d' ' -f1 "$DATA/empty.v" | median); ac=$(cut -d' ' -f1 "$DATA/app.v" | median)
  rows=$([ "$set" = full ] && echo "150 filled rows" || echo "the sample file")
  echo "window mapped (X server's MapNotify), median of $RUNS alternating runs, $rows:" \
    "empty Qt window ${e} ms, Lifetally ${a} ms (first window created at ${ec} and ${ac} ms)"
  awk -v a="$a" -v e="$e" 'BEGIN {printf "ratio %.2f (goal: at most 1.30)\n", a/e}'
  me=$(LT_PROBE_STAY=1 "$timer" --stay 1000 "$empty" | cut -d' ' -f3)
  ma=$("$timer" --stay 1000 "$DATA/$set/lifetally" | cut -d' ' -f3)
  awk -v a="$ma" -v e="$me" 'BEGIN {printf "peak memory a second after the map: empty %.1f MB, Lifetally %.1f MB, %.1f MB more (goal: at most 15)\n", e/1024, a/1024, (a-e)/1024}'
done
INNER
chmod +x "$data/outside.sh"
# -noreset: the server would otherwise reset whenever the last window goes, and a program
# started during the reset could not connect.
RUNS="$runs" DATA="$data" xvfb-run -a -s '-screen 0 1280x1024x24 -noreset' \
    bash -c '"$DATA/compare.sh" && "$DATA/outside.sh"'

