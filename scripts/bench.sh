#!/usr/bin/env bash
# Builds the release preset and runs the engine benchmarks; extra arguments go to
# engine_bench (for example --benchmark_filter=Split). Then table registration through the
# exports at 1,000 to 1,000,000 tables beside a plain hash map (target: CPU time per table
# at 1,000,000 within 1.5 times that at 1,000). Ends with the speed targets:
# per-item cost at n = 10000 within 1.5 times that at n = 100, and compose, split and
# read-back within 30 times copying as many bytes item by item (the plain memcpy of the
# statement is shown beside it). Misses are reported, not fatal:
# timings on a shared machine are too noisy to gate on. Last, the query builder with a table
# of 100,000 columns: the first frame and the resident memory then, and a column click to
# the updated preview, each beside its target and the figure it had before.
# QVSQL_BUILD_DIR picks another build directory for the release preset.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${QVSQL_BUILD_DIR:-build/release}"
bash scripts/setup.sh
cmake --preset release -B "$build" >/dev/null
cmake --build "$build" --target engine_bench registration_bench dialog_bench -j2

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

reg_csv="$build/registration_bench.csv"
"$build/bench/host/registration_bench" --benchmark_out="$reg_csv" --benchmark_out_format=csv >/dev/null
awk -F, '
  /^"BM_Register/ {
    gsub(/"/, "", $1)
    split($1, part, "/")
    per[part[1], part[2]] = $4 * ($5 == "ns" ? 1 : $5 == "us" ? 1e3 : $5 == "ms" ? 1e6 : 1e9) / part[2]
  }
  END {
    print "registration, CPU ns per table:"
    for (n = 1000; n <= 1000000; n *= 10)
      printf "  n=%-8d library %7.0f   plain hash map %7.0f\n", n, per["BM_RegisterTables", n], per["BM_RegisterBaseline", n]
    growth = per["BM_RegisterTables", 1000000] / per["BM_RegisterTables", 1000]
    base = per["BM_RegisterBaseline", 1000000] / per["BM_RegisterBaseline", 1000]
    printf "  per table n=1000000 / n=1000 = %.2f (<= 1.5)  %s; the plain hash map grows %.2f\n", growth, growth <= 1.5 ? "ok" : "MISSED", base
  }' "$reg_csv"

# Each in its own process, so the resident memory is the opening's alone.
dialog_run() { # filter csv
  "$build/bench/dialog/dialog_bench" --benchmark_filter="$1" --benchmark_repetitions=3 \
    --benchmark_report_aggregates_only=true --benchmark_out="$2" --benchmark_out_format=csv \
    >/dev/null 2>&1
}
dialog_run 'FirstFrameWithManyColumns' "$build/dialog_open.csv"
dialog_run 'ClickOnAColumn/100000' "$build/dialog_click.csv"
cat "$build/dialog_open.csv" "$build/dialog_click.csv" | awk -F, '
  function ms(value, unit) { return value * (unit == "us" ? 1e-3 : unit == "ns" ? 1e-6 : 1) }
  function verdict(value, limit) { return value <= limit ? "ok" : "MISSED" }
  /^name,/ { for (i = 1; i <= NF; ++i) { gsub(/"/, "", $i); column[$i] = i } }
  /^"FirstFrameWithManyColumns.*_median"/ {
    open = ms($3, $5); openCpu = ms($4, $5)
    peak = $column["peak_MiB"]; resident = $column["resident_MiB"]
  }
  /^"ClickOnAColumn\/100000_median"/ {
    click = ms($3, $5); clickCpu = ms($4, $5); pixels = $column["presented_px"]
  }
  END {
    print "query builder with 100,000 columns (median of 3):"
    printf "  first frame   %7.1f ms wall, %.1f CPU (<= 150, before 1021 and 703)  %s\n", open, openCpu, verdict(open, 150)
    printf "  resident then %7.1f MiB, peak %.1f (<= 40, before 90 and 96)  %s\n", resident, peak, verdict(resident, 40)
    printf "  column click  %7.2f ms wall, %.2f CPU (<= 5, before 122 and 81)  %s\n", click, clickCpu, verdict(click, 5)
    printf "  pixels sent per click %.0f (the changed entries and preview lines; before 20,150, both controls whole)\n", pixels
  }'
