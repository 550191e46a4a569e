#!/usr/bin/env bash
# Regenerates docs/screenshot.png: the headless demo script fills in a query and saves the
# dialog, exactly as scripts/demo.sh shows it without a display.
# QVSQL_BUILD_DIR picks another build directory for the release preset; with QVSQL_SCALE=2
# (or 3) the picture is drawn at that scale into docs/screenshot-scale2.png.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build=${QVSQL_BUILD_DIR:-build/release}
cmake --preset release -B "$build" >/dev/null
cmake --build "$build" --target QvSQLBuilder qvsql-host
host=$(cd "$build" && pwd)/tools/qvsql-host/qvsql-host
script=$PWD/tools/qvsql-host/demo.script
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && QVSQL_BACKEND=headless QVSQL_SCRIPT="$script" "$host" --table Customers --no-run >/dev/null)
out=docs/screenshot.png
[ "${QVSQL_SCALE:-1}" = 1 ] || out=docs/screenshot-scale$QVSQL_SCALE.png
cp "$work/qvsql-demo.png" "$out"
echo "screenshot: $out ($(stat -c %s "$out") bytes)"
