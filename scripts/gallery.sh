#!/usr/bin/env bash
# Regenerates docs/gallery/: the demo script fills in a query in the headless dialog in several
# interface languages, and each picture is saved as docs/gallery/<language>.png.
# QVSQL_BUILD_DIR picks another build directory for the release preset; QVSQL_SCALE=2 draws
# the pictures at twice the size.
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
mkdir -p docs/gallery
# Language numbers as the host passes them (module/LanguageNames.h).
for entry in 4:german 18:polish 15:russian 19:vietnamese 14:hebrew 20:thai 7:jpnjis 5:chngb \
             8:korean; do
  number=${entry%%:*}
  name=${entry#*:}
  (cd "$work" && QVSQL_BACKEND=headless QVSQL_SCRIPT="$script" \
     "$host" --table Customers --language "$number" --no-run >/dev/null)
  cp "$work/qvsql-demo.png" "docs/gallery/$name.png"
  echo "gallery: docs/gallery/$name.png"
done
