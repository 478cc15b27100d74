#!/usr/bin/env bash
# Grep and replace all of the core against GNU grep and sed doing the same work
# on the shared 100 MB text, in one run; prints the times and their ratios.
#
#   bench/run_search.sh [data-dir]
#
# GEN_DATA names the data generator (default: the shared gen_data.py),
# BUILD_DIR the release build directory, RUNS the runs per GNU command.
set -euo pipefail

. "$(dirname "$0")/common.sh"
text=$data/text100.txt
need_data "$text"

build_bench search_bench

export LC_ALL=C.UTF-8
bench() { # $1: json file; rest: environment assignments
    local json=$1
    shift
    env "$@" VARNIK_BENCH_TEXT="$text" VARNIK_BENCH_OUT_FILE="$out/varnik-grep.txt" \
        "$build/bench/search_bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
        --benchmark_out_format=json --benchmark_out="$json" >/dev/null
}
echo "running search_bench (plain pages, then transparent huge pages)" >&2
bench "$out/search.json"
bench "$out/search-huge.json" GLIBC_TUNABLES=glibc.malloc.hugetlb=1

python3 - "$text" "$out" "${RUNS:-5}" <<'PY'
import json, os, resource, statistics, subprocess, sys, time

text, out, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])

def ours(path):
    rows = {}
    for b in json.load(open(path))["benchmarks"]:
        if b.get("aggregate_name") == "median":
            name = b["run_name"].split("/iterations")[0]
            scale = {"ms": 1e-3, "us": 1e-6, "ns": 1e-9, "s": 1}[b["time_unit"]]
            rows[name] = (b["real_time"] * scale, b["cpu_time"] * scale,
                          b.get("entries", b.get("replaced")))
    return rows

def gnu(argv):
    walls, cpus = [], []
    for _ in range(runs):
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        t = time.perf_counter()
        with open(os.path.join(out, "gnu-out.txt"), "wb") as f:
            subprocess.run(argv, stdout=f, check=False)
        walls.append(time.perf_counter() - t)
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpus.append(after.ru_utime - before.ru_utime + after.ru_stime - before.ru_stime)
    return statistics.median(walls), statistics.median(cpus)

def count(argv):
    return int(subprocess.run(argv, capture_output=True, text=True).stdout.split()[0])

plain, huge = ours(os.path.join(out, "search.json")), ours(os.path.join(out, "search-huge.json"))
pairs = [
    ("grep/rare_case", ["grep", "-n", "-F", "somestring", text], ["grep", "-c", "-F", "somestring", text]),
    ("grep/rare_nocase", ["grep", "-n", "-i", "-F", "somestring", text],
     ["grep", "-c", "-i", "-F", "somestring", text]),
    ("grep/million_case", ["grep", "-n", "-F", "a", text], ["grep", "-c", "-F", "a", text]),
    ("grep/million_nocase", ["grep", "-n", "-i", "-F", "a", text], ["grep", "-c", "-i", "-F", "a", text]),
    ("grep/million_case_saved", ["grep", "-n", "-F", "a", text], None),
    ("replaceAll/word_100k", ["sed", "s/d\u017a/DZ/g", text],
     ["sh", "-c", "grep -o -F 'd\u017a' \"$0\" | wc -l", text]),
]
print(f"{'work (100 MB text, document already loaded)':<28} {'GNU tool':<26} "
      f"{'varnik s':>9} {'huge pg s':>9} {'GNU s':>7} {'ratio':>6} {'ratio hp':>8}   (CPU seconds, medians)")
for name, argv, counter in pairs:
    if name not in plain:
        print(f"{name:<28} missing from the benchmark output")
        continue
    wall, cpu, n = plain[name]
    hwall, hcpu, _ = huge.get(name, (float("nan"),) * 3)
    gwall, gcpu = gnu(argv)
    tool = " ".join(a if a != text else "F" for a in argv)
    agree = ""
    if counter:
        expected = count(counter)
        agree = "" if int(n) == expected else f"  COUNT DIFFERS: {int(n)} vs {expected}"
    print(f"{name:<28} {tool[:26]:<26} {cpu:9.3f} {hcpu:9.3f} {gcpu:7.3f} {cpu / gcpu:6.2f} {hcpu / gcpu:8.2f}"
          f"   wall {wall:.3f}/{hwall:.3f}/{gwall:.3f}{agree}")
print("ratio = varnik / GNU; 'huge pg' ran with GLIBC_TUNABLES=glibc.malloc.hugetlb=1."
      " GNU times include reading the file and writing the result to a file;"
      " varnik's exclude loading (the text is open in the editor);"
      " grep/million_case_saved also builds the result text and writes it to a file.")
PY
