#!/usr/bin/env bash
# Cold start of the query builder beside the same dialog written with GTK 3, Qt 5 Widgets
# and FLTK 1.3 (bench/peers), on a private Xvfb, in one run.
#
# What is measured, the same way for every program: a fresh process is started with
# --first-frame and ends itself as soon as its first frame has reached the X server (the
# toolkit has painted the dialog, handed the pixels over and a round trip has confirmed the
# server has them); peer-run reports the wall time from fork to exit, the CPU time (user and
# system) and the largest resident set. The first frame is taken where each toolkit
# finishes a paint: GTK's frame clock after-paint, Qt's expose or update request that
# painted, FLTK's window flush, and for the query builder the first image put on its
# mapped window followed by the library's own flush. The programs run round robin, so
# a slow moment of a shared machine falls on all of them; min and median are reported.
#
# Usage: scripts/bench-peers.sh [RUNS]   (default 15, at least 10)
# QVSQL_BUILD_DIR picks another build directory for the release preset.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-15}"
[ "$runs" -ge 10 ] || { echo "bench-peers: at least 10 runs" >&2; exit 2; }
build="${QVSQL_BUILD_DIR:-build/release}"
bash scripts/setup-bench.sh
cmake --preset release -B "$build" >/dev/null
cmake --build "$build" --target peer-run peer-qvsql -j2
for peer in peer-gtk3 peer-qt5 peer-fltk; do
  cmake --build "$build" --target "$peer" -j2 >/dev/null 2>&1 || echo "bench-peers: $peer not built"
done
bin="$build/bench/peers"

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "bench-peers: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
export XDG_RUNTIME_DIR="$work"

programs=()
for name in qvsql fltk gtk3 qt5; do
  [ -x "$bin/peer-$name" ] && programs+=("$name")
done
# One warm-up each: font caches and the page cache are then as a second start finds them.
for name in "${programs[@]}"; do "$bin/peer-run" 1 "$bin/peer-$name" --first-frame >/dev/null; done
for _ in $(seq "$runs"); do
  for name in "${programs[@]}"; do
    "$bin/peer-run" 1 "$bin/peer-$name" --first-frame >>"$work/$name" 2>/dev/null
  done
done

summary() { # file column -> "min median"
  cut -d' ' -f"$2" "$1" | sort -g | awk '{ v[NR] = $1 } END {
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "%8.1f %8.1f", v[1], m }'
}
echo "first frame on Xvfb, $runs runs each (min median)"
printf '%-8s %17s %17s %17s %s\n' program "wall ms" "cpu ms" "max rss MiB" failures
for name in "${programs[@]}"; do
  failed=$(awk '$4 != 0' "$work/$name" | wc -l)
  awk '{ $3 = $3 / 1024; print }' "$work/$name" >"$work/$name.mib"
  printf '%-8s %s %s %s %s\n' "$name" "$(summary "$work/$name" 1)" "$(summary "$work/$name" 2)" \
    "$(summary "$work/$name.mib" 3)" "$failed"
done
if [ -s "$work/fltk" ]; then
  echo "query builder / FLTK (median): $(paste -d' ' <(summary "$work/qvsql" 1) <(summary "$work/fltk" 1) |
    awk '{ printf "wall %.2f", $2 / $4 }'), $(paste -d' ' <(summary "$work/qvsql" 2) <(summary "$work/fltk" 2) |
    awk '{ printf "cpu %.2f", $2 / $4 }'), $(paste -d' ' <(summary "$work/qvsql.mib" 3) <(summary "$work/fltk.mib" 3) |
    awk '{ printf "rss %.2f (goal: each <= 1.00)", $2 / $4 }')"
fi
