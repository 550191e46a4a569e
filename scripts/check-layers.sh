#!/usr/bin/env bash
# Fails when an include of the project points up or across the layers of docs/architecture.md.
# Each folder lists the folders it may include besides itself; tests, benchmarks and fuzzers
# may include anything.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
  [include]=""
  [sql]=""
  [platform/base]=""
  [platform/sys]="platform/base"
  [platform/gfx]="platform/base platform/sys"
  [platform/win]="platform/base platform/sys platform/gfx"
  [platform/ctl]="platform/base platform/sys platform/gfx platform/win"
  [platform/afx]="platform/base platform/sys platform/gfx platform/win platform/ctl"
  [platform/backend]="platform/base platform/sys platform/gfx platform/win"
  [resources]="module platform/base platform/sys platform/gfx platform/win"
  [module]="platform/base platform/sys"
  [controls]="module platform/base platform/sys platform/gfx platform/win platform/ctl platform/afx"
  [dialog]="sql module resources controls platform/base platform/sys platform/gfx platform/win platform/ctl platform/afx"
  [automation]="module controls dialog platform/base platform/sys platform/gfx platform/win platform/ctl platform/afx platform/backend"
  [host]="include sql module resources controls dialog automation platform/base platform/sys platform/gfx platform/win platform/ctl platform/afx platform/backend"
  [tools/qvsql]="include sql module platform/base platform/sys"
  [tools/qvsql-host]="include"
)

status=0
while IFS= read -r file; do
  dir=$(dirname "$file")
  case "$dir" in tests* | bench* | fuzz* | examples*) continue ;; esac
  if [[ ! -v allowed[$dir] ]]; then
    echo "check-layers: $dir has no entry in scripts/check-layers.sh" >&2
    status=1
    continue
  fi
  while IFS= read -r target; do
    [[ "$target" == */* ]] || continue # beside the including file
    to=$(dirname "$target")
    [ "$to" = "$dir" ] && continue
    if [[ " ${allowed[$dir]} " != *" $to "* ]]; then
      echo "check-layers: $file includes $target ($dir may not include $to)" >&2
      status=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(git ls-files '*.h' '*.cpp' '*.c')
[ "$status" -eq 0 ] && echo "check-layers: every include points down"
exit "$status"
