#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a bounded time (seconds per target,
# default 15). A crash, a sanitizer report or a hang (10 s per input) fails the run.
# Inputs kept in fuzz/regressions/<target>/ are replayed first.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-15}"
bash scripts/install-deps.sh
cmake --preset fuzz >/dev/null
targets=$(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')
cmake --build --preset fuzz --target $targets
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for t in $targets; do
  if [ -d "fuzz/regressions/$t" ] && [ -n "$(ls -A "fuzz/regressions/$t")" ]; then
    "./build/fuzz/fuzz/$t" fuzz/regressions/$t/*
  fi
  mkdir -p "$work/$t"
  cp -r "fuzz/corpus/$t/." "$work/$t/" 2>/dev/null || true
  echo "== $t for ${seconds}s"
  "./build/fuzz/fuzz/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$work/" -print_final_stats=0 "$work/$t" 2>"$work/$t.log" || {
    tail -n 60 "$work/$t.log"
    echo "fuzzer $t failed; crash input kept under $work (copy it into fuzz/regressions/$t/)"
    trap - EXIT
    exit 1
  }
done
echo "fuzzing passed"
