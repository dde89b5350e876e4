#!/usr/bin/env bash
# Runs the benchmarks, then compares the program's start-up (process start to the
# Intro page painted) with an empty Qt window, both under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-20}"
bash scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench --target lifetally_bench startup_probe empty_window_probe
./build/bench/bench/lifetally_bench --benchmark_min_time=0.2

data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
cp tools/sample-lifetally.ini "$data/lifetally.ini"
cat > "$data/time.sh" <<'INNER'
#!/usr/bin/env bash
# Median wall time in ms of "$@" over $RUNS runs.
times=()
for _ in $(seq "$RUNS"); do
  s=$(date +%s%N); "$@" >/dev/null 2>&1; e=$(date +%s%N)
  times+=($(( (e - s) / 1000 )))
done
printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%.1f\n", a[int((NR+1)/2)]/1000}'
INNER
chmod +x "$data/time.sh"
RUNS="$runs" xvfb-run -a -s '-screen 0 1280x1024x24' bash -c "
  empty=\$('$data/time.sh' ./build/bench/bench/empty_window_probe)
  app=\$('$data/time.sh' ./build/bench/bench/startup_probe '$data')
  echo \"start-up, median of $runs: empty Qt window \${empty} ms, Lifetally \${app} ms\"
  awk -v a=\"\$app\" -v e=\"\$empty\" 'BEGIN {printf \"ratio %.2f (goal: at most 1.30)\n\", a/e}'
"
