#!/usr/bin/env bash
# The list generator of the headless mode against seq writing the same numbered
# names (10 million entries, both to a file), in one run; prints medians and
# the ratio, and the peak memory of each side.
#
#   bench/run_listgen.sh [entries]
#
# BUILD_DIR names the release build directory, RUNS the runs per side (default 3).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench}
out=$root/bench/out
entries=${1:-10000000}
mkdir -p "$out"
cmake -S "$root" -B "$build" -G Ninja -DVARNIK_BENCH=ON -DVARNIK_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
ninja -C "$build" -j2 varnik >/dev/null

export LC_ALL=C.UTF-8
python3 - "$build/src/varnik" "$out" "$entries" "${RUNS:-3}" <<'PY'
import resource, statistics, subprocess, sys, time

varnik, out, entries, runs = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
listgen = [varnik, "--apply", "Advancedlistgenerator1", "--field", "pattern=pic%1.jpg",
           "--field", "first1=1", "--field", f"last1={entries}"]
rows = [
    # (name, command, reference, note)
    ("CR LF (default)", listgen, ["seq", "-f", "pic%.0f.jpg", "1", str(entries)],
     "varnik writes CR LF line ends and the closing empty line"),
    ("LF", listgen + ["--set", "CRLF=1"], ["seq", "-f", "pic%.0f.jpg", "1", str(entries)],
     "same line ends as seq"),
]

def measure(cmd, target):
    times, peaks = [], []
    for _ in range(runs):
        with open(target, "wb") as f:
            before = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
            t0 = time.perf_counter()
            subprocess.run(cmd, stdin=subprocess.DEVNULL, stdout=f, check=True)
            times.append(time.perf_counter() - t0)
            peaks.append(max(before, resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss))
    return statistics.median(times), max(peaks) / 1024

print(f"{entries} entries, median of {runs} runs")
print(f"{'line ends':<18}{'varnik s':>10}{'seq s':>8}{'ratio':>8}{'varnik MiB':>12}  note")
for name, cmd, ref, note in rows:
    v, vmem = measure(cmd, f"{out}/listgen.varnik")
    s, _ = measure(ref, f"{out}/listgen.seq")
    print(f"{name:<18}{v:>10.2f}{s:>8.2f}{v / s:>8.2f}{vmem:>12.0f}  {note}")
PY
