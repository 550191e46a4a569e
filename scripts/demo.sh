#!/usr/bin/env bash
# The main job: builds the engine's command-line front and shows it at work on the worked
# example: composing the statement, splitting it and reading it back into the controls.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target qvsql
qvsql=build/release/tools/qvsql/qvsql

echo "== compose examples/worked-example.json"
composed=$("$qvsql" compose < examples/worked-example.json)
echo "$composed"
statement=$(printf '%s' "$composed" | sed -E 's/.*"sqlText": ?"(([^"\\]|\\.)*)".*/\1/')
echo "== split"
printf '%s' "$statement" | "$qvsql" split
echo "== read back against the table's columns"
printf '{"sqlText": "%s", "tableColumns": ["ID", "Name", "City", "Zip Code"]}' "$statement" |
  "$qvsql" readback
