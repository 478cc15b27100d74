#!/usr/bin/env bash
# Builds the formula benchmark (Release) and prints evaluations per second of the
# extended-precision evaluator against native long double code and muparser,
# with the ratios, and the parse times. Extra arguments go to the benchmark
# (e.g. --benchmark_min_time=2). Figures are medians of 3 runs, from CPU time:
# compare them as ratios within one run, absolute values drift with machine load.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${VARNIK_BENCH_DIR:-$top/build-bench}"
out="$top/bench/out"
mkdir -p "$out"

cmake -S "$top" -B "$build" -G Ninja -DVARNIK_BENCH=ON -DVARNIK_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target calc_bench -j "$(nproc)" >/dev/null

"$build/bench/calc_bench" --benchmark_repetitions=3 --benchmark_min_time=0.3 --benchmark_report_aggregates_only=true \
  --benchmark_out="$out/calc_bench.json" --benchmark_out_format=json "$@" >/dev/null

python3 - "$out/calc_bench.json" <<'PY'
import json, sys
runs = json.load(open(sys.argv[1]))["benchmarks"]
rate, ns = {}, {}
for b in runs:
    if b.get("aggregate_name") != "median":
        continue
    kind, engine, formula = b["run_name"].split("/")
    rate[(kind, engine, formula)] = b["items_per_second"] / 1e6
    ns[(kind, engine, formula)] = 1e9 / b["items_per_second"]
formulas = []
for (kind, engine, formula) in rate:
    if kind == "eval" and formula not in formulas:
        formulas.append(formula)

print("Evaluations, M/s (median of 3, CPU time)")
print(f"{'formula':28} {'native ld':>10} {'varnik':>10} {'muparser':>10} {'native/varnik':>14} {'muparser/varnik':>16}")
for f in formulas:
    n, v, m = (rate[("eval", e, f)] for e in ("native", "varnik", "muparser"))
    print(f"{f:28} {n:10.2f} {v:10.2f} {m:10.2f} {n / v:13.2f}x {m / v:15.2f}x")
print()
print("Parsing, ns per formula (muparser: set and first evaluation)")
print(f"{'formula':28} {'varnik':>10} {'muparser':>10}")
for f in formulas:
    print(f"{f:28} {ns[('parse', 'varnik', f)]:10.0f} {ns[('parse', 'muparser', f)]:10.0f}")
print()
print("Evaluate expression(s) in selection, lines/s (constant when the work is linear)")
for (kind, engine, size), r in rate.items():
    if kind == "selection":
        print(f"{size:>8} lines {r * 1e6:12.0f}")
PY
