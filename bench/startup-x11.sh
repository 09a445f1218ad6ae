#!/usr/bin/env bash
# Process start to start window mapped, on a real X server (Xvfb), for the drill and for the
# minimal Qt Widgets program linking the same modules, interleaved.
#   bench/startup-x11.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-20}
wait_tool="$build/bench/window_wait"
title="ROVOROREZOVERED.1"

if [ -z "${DISPLAY:-}" ]; then
  Xvfb :58 -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb' EXIT
  export DISPLAY=:58
  sleep 1
fi
unset QT_QPA_PLATFORM

drill=()
minimal=()
# one warm-up run each, not counted (the first start reads the libraries from disk)
"$wait_tool" "$title" "$build/src/rovororezovered" >/dev/null
"$wait_tool" "$title" "$build/bench/bench_minimal_qt" >/dev/null
for _ in $(seq "$runs"); do
  drill+=("$("$wait_tool" "$title" "$build/src/rovororezovered")")
  minimal+=("$("$wait_tool" "$title" "$build/bench/bench_minimal_qt")")
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
d=$(median "${drill[@]}")
m=$(median "${minimal[@]}")
echo "runs: $runs, interleaved"
echo "drill, process start to start window mapped: median $d ms"
echo "minimal Qt Widgets program, same modules:    median $m ms"
awk -v d="$d" -v m="$m" 'BEGIN {printf "ratio: %.2f (target at most 1.20)\n", d / m}'
