#!/usr/bin/env bash
# Start-up as the pupil sees it, on a fresh X server (Xvfb, black root, no window manager): the
# drill and a bare Qt Widgets program linking the same modules, started alternately. For each,
# from just before the process starts: when its window is mapped, and when the screen shows it
# fully drawn (bench/first_frame.cpp says what that is for each). Prints medians, spread and
# the ratio of the drill to the bare program.
#   bench/startup-x11.sh [BUILD_DIR] [ROUNDS] [look]
# With "look", the bare program is the one with the drill's first look (bench_minimal_look),
# timed to its drawing by the drill's own rule.
set -euo pipefail
build=${1:-build}
rounds=${2:-21}
tool="$build/bench/first_frame"
drill="$build/src/rovororezovered"
bare="$build/bench/bench_minimal_qt"
rule=bare target=1.15
if [ "${3:-}" = look ]; then
  bare="$build/bench/bench_minimal_look"
  rule=drill target=1.10
fi
for program in "$tool" "$drill" "$bare"; do
  [ -x "$program" ] || { echo "missing $program: build with -DBUILD_BENCHMARKS=ON" >&2; exit 2; }
done

# A display of its own, black, without a window manager; gone when the script ends.
exec 3< <(Xvfb -displayfd 1 -br -screen 0 1280x1024x24 -nolisten tcp -noreset 2>/dev/null)
read -r -t 15 number <&3 || { echo "Xvfb did not start" >&2; exit 2; }
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=":$number"
unset QT_QPA_PLATFORM AT_SPI_BUS_ADDRESS

# One start of each first, not counted: it reads the libraries from disk.
"$tool" drill "$drill" >/dev/null
"$tool" "$rule" "$bare" >/dev/null

drill_map=() drill_drawn=() bare_map=() bare_drawn=()
for _ in $(seq "$rounds"); do
  read -r m d < <("$tool" drill "$drill")
  drill_map+=("$m") drill_drawn+=("$d")
  read -r m d < <("$tool" "$rule" "$bare")
  bare_map+=("$m") bare_drawn+=("$d")
done

# Median, quartiles, least and most of a list of numbers.
stats() {
  printf '%s\n' "$@" | sort -n | awk '
    { a[NR] = $1 }
    function q(p,   i) { i = 1 + (NR - 1) * p; return a[int(i)] + (i - int(i)) * (a[int(i) + 1] - a[int(i)]) }
    END { printf "%6.1f   %6.1f-%-6.1f  %6.1f-%-6.1f", q(0.5), q(0.25), q(0.75), a[1], a[NR] }'
}
median() { printf '%s\n' "$@" | sort -n | awk '{ a[NR] = $1 } END { print (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2) }'; }

echo "rounds: $rounds, interleaved, on $(nproc) cores"
echo "ms from process start             median   quartiles      range"
echo "drill, start window mapped        $(stats "${drill_map[@]}")"
echo "bare Qt program, window mapped    $(stats "${bare_map[@]}")"
echo "drill, start window drawn         $(stats "${drill_drawn[@]}")"
echo "bare Qt program, window drawn     $(stats "${bare_drawn[@]}")"
awk -v d="$(median "${drill_map[@]}")" -v b="$(median "${bare_map[@]}")" \
  'BEGIN { printf "ratio of the medians, mapped: %.2f\n", d / b }'
awk -v d="$(median "${drill_drawn[@]}")" -v b="$(median "${bare_drawn[@]}")" -v t="$target" \
  'BEGIN { printf "ratio of the medians, drawn:  %.2f (target at most %s)\n", d / b, t }'
