#!/usr/bin/env bash
# The main job: builds the query builder library and its demo host, then shows the dialog on
# the bundled sample database. On a reachable X display the real window opens; headless (or
# with QVSQL_BACKEND=headless) tools/qvsql-host/demo.script composes a statement click by click
# through the same dialog, saves a screenshot and presses OK. QVSQL_BUILD_DIR picks another
# build folder of the release preset.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build=${QVSQL_BUILD_DIR:-build/release}
cmake --preset release -B "$build" >/dev/null
cmake --build "$build" --target QvSQLBuilder qvsql-host
build_abs=$(cd "$build" && pwd)
host=$build_abs/tools/qvsql-host/qvsql-host

display_reachable() {
  [ "${QVSQL_BACKEND:-}" != headless ] && [ -n "${DISPLAY:-}" ] &&
    xdotool getdisplaygeometry >/dev/null 2>&1
}

status=0
if display_reachable; then
  echo "== qvsql-host on $DISPLAY: compose a statement and press OK (Cancel ends the demo)"
  "$host" --table Customers || status=$?
else
  [ -z "${DISPLAY:-}" ] || [ "${QVSQL_BACKEND:-}" = headless ] ||
    echo "demo: the display $DISPLAY cannot be reached, playing the script headless"
  script=$PWD/tools/qvsql-host/demo.script
  echo "== qvsql-host headless, playing tools/qvsql-host/demo.script into the dialog"
  rm -f "$build_abs/qvsql-demo.png" # the script makes a new file, never overwrites
  (cd "$build_abs" && QVSQL_BACKEND=headless QVSQL_SCRIPT="$script" "$host" --table Customers) || status=$?
  [ "$status" -ne 0 ] || echo "== the dialog as the script left it: $build/qvsql-demo.png"
fi
case $status in
  0) ;;
  1) echo "== cancelled: no statement" ;;
  *) exit "$status" ;;
esac
