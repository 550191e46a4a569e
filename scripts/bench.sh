#!/usr/bin/env bash
# Builds the release preset and runs the engine benchmarks; extra arguments go to
# engine_bench (for example --benchmark_filter=Split). Ends with the speed targets:
# per-item cost at n = 10000 within 1.5 times that at n = 100, and compose, split and
# read-back within 30 times copying as many bytes item by item (the plain memcpy of the
# statement is shown beside it). Misses are reported, not fatal:
# timings on a shared machine are too noisy to gate on.
# QVSQL_BUILD_DIR picks another build directory for the release preset.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${QVSQL_BUILD_DIR:-build/release}"
bash scripts/setup.sh
cmake --preset release -B "$build" >/dev/null
cmake --build "$build" --target engine_bench -j2

csv="$build/engine_bench.csv"
"$build/bench/engine_bench" --benchmark_out="$csv" --benchmark_out_format=csv "$@"

awk -F, '
  function ns(value, unit) {
    return value * (unit == "ns" ? 1 : unit == "us" ? 1e3 : unit == "ms" ? 1e6 : 1e9)
  }
  function verdict(ratio, limit) { return ratio <= limit ? "ok" : "MISSED" }
  /^"BM_/ {
    gsub(/"/, "", $1)
    split($1, part, "/")
    name = substr(part[1], 4); n = part[2]
    cpu[name, n] = ns($4, $5)
  }
  END {
    print "targets:"
    split("QuoteIdentifier ComposeStatement SplitStatement ReadBackStatement", all, " ")
    for (a = 1; a <= 4; ++a) {
      name = all[a]
      if ((name, 100) in cpu && (name, 10000) in cpu) {
        growth = (cpu[name, 10000] / 10000) / (cpu[name, 100] / 100)
        printf "  %-22s per item n=10000 / n=100 = %6.2f (<= 1.5)  %s\n", name, growth, verdict(growth, 1.5)
      }
    }
    split("ComposeStatement SplitStatement ReadBackStatement", engine, " ")
    split("100 1000 10000", sizes, " ")
    for (e = 1; e <= 3; ++e)
      for (s = 1; s <= 3; ++s) {
        n = sizes[s]
        if ((engine[e], n) in cpu && ("StatementCopy", n) in cpu) {
          ratio = cpu[engine[e], n] / cpu["StatementCopy", n]
          items = cpu[engine[e], n] / cpu["StatementItemsCopy", n]
          printf "  %-22s n=%-5s / memcpy = %7.1f  / item copy = %5.1f (<= 30)  %s\n", engine[e], n, ratio, items, verdict(items, 30)
        }
      }
  }' "$csv"
