#!/usr/bin/env bash
# Builds the libFuzzer targets (preset fuzz) and runs each one in turn.
#   scripts/fuzz.sh SECONDS            each fuzzer for SECONDS seconds
#   scripts/fuzz.sh [SECONDS] --runs N each fuzzer for N executions instead
# Fails when any fuzzer fails; crashing inputs land in build/fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=60
runs=""
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs="${2:?--runs needs a count}"; shift 2 ;;
    *[!0-9]* | "") echo "usage: $0 SECONDS [--runs N]" >&2; exit 2 ;;
    *) seconds="$1"; shift ;;
  esac
done

bash scripts/setup.sh
cmake --preset fuzz >/dev/null

names=()
for source in fuzz/*_fuzzer.cpp; do
  name=$(basename "$source" _fuzzer.cpp)
  names+=("$name")
done
cmake --build --preset fuzz --target "${names[@]/%/_fuzzer}"

out=build/fuzz
mkdir -p "$out/artifacts" "$out/logs"
if [ -n "$runs" ]; then limit=(-runs="$runs"); else limit=(-max_total_time="$seconds"); fi

failed=()
summary=()
for name in "${names[@]}"; do
  work="$out/corpus-work/$name"
  mkdir -p "$work"
  [ -d "fuzz/corpus/$name" ] && cp -n "fuzz/corpus/$name"/* "$work"/ 2>/dev/null || true
  dict=()
  [ -f "fuzz/dict/$name.dict" ] && dict=(-dict="fuzz/dict/$name.dict")
  log="$out/logs/$name.log"
  echo "fuzz: ${name}_fuzzer ${limit[*]}"
  status=ok
  if ! "$out/fuzz/${name}_fuzzer" "$work" "${limit[@]}" "${dict[@]}" -timeout=25 -print_final_stats=1 \
      -artifact_prefix="$out/artifacts/$name-" >"$log" 2>&1; then
    status=FAILED
    failed+=("$name")
    tail -n 40 "$log"
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  summary+=("$(printf '%-10s %-7s %s executions' "$name" "$status" "${executions:-?}")")
done

echo "fuzz: summary"
printf '  %s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: failed: ${failed[*]} (logs in $out/logs, inputs in $out/artifacts)" >&2
  exit 1
fi
