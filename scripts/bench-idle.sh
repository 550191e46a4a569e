#!/usr/bin/env bash
# Idle cost of an open query builder: qvsql-host shows the dialog on a private Xvfb and does
# nothing else; over SECONDS (default 10) of real time its CPU time and its wake-ups (context
# switches of all its threads) are counted, first with the dialog focused, then with the
# keyboard elsewhere (unfocused). Goal: no wake-ups at all unfocused; focused, only the caret
# blink of a focused edit (none when the focus is on a list).
#   bash scripts/bench-idle.sh [SECONDS]
# QVSQL_BUILD_DIR picks another build directory for the release preset.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
build="${QVSQL_BUILD_DIR:-build/release}"
bash scripts/setup.sh
cmake --preset release -B "$build" >/dev/null
cmake --build "$build" --target QvSQLBuilder qvsql-host -j2 >/dev/null
host=$build/tools/qvsql-host/qvsql-host

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 5 -nolisten tcp -screen 0 1024x768x24 5>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(head -n1 "$work/display")
unset QVSQL_SCRIPT QVSQL_BACKEND

"$host" --no-run >/dev/null &
host_pid=$!
pids+=($host_pid)
dialog=$(xdotool search --sync --onlyvisible --name "Orvane SQL Query Builder" | head -n1)
sleep 1 # the first frames and the start-up settle

# Context switches and CPU ticks (1/100 s) of every thread of the host.
sample() {
  local switches=0 ticks=0 t
  for t in /proc/"$host_pid"/task/*; do
    switches=$((switches + $(awk '/ctxt_switches/ {s += $2} END {print s}' "$t/status")))
    ticks=$((ticks + $(awk '{print $14 + $15}' "$t/stat")))
  done
  echo "$switches $ticks"
}

measure() { # measure LABEL
  local before after
  before=$(sample)
  sleep "$seconds"
  after=$(sample)
  set -- $before $after
  printf 'bench-idle: %-9s %4d wake-ups, %4d ms CPU in %d s\n' \
    "$label" $(($3 - $1)) $((($4 - $2) * 10)) "$seconds"
}

root=$(xdotool search --maxdepth 0 --name "" | head -n1)
label=focused
xdotool windowfocus --sync "$dialog"
sleep 0.5
measure
label=unfocused # the keyboard goes to the root window, as to another program
xdotool windowfocus --sync "$root"
sleep 0.5
measure
