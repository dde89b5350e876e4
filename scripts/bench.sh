#!/usr/bin/env bash
# Runs the benchmarks, then compares the program's start-up (process start to the
# Intro page painted) with an empty Qt Widgets window that links QtWidgets alone, both
# under Xvfb, in alternating runs: median times and peak memory.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-21}"
bash scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench --target lifetally_bench startup_steps_bench startup_probe \
    empty_window_probe
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
RUNS="$runs" DATA="$data" xvfb-run -a -s '-screen 0 1280x1024x24' "$data/compare.sh"
