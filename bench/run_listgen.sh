#!/usr/bin/env bash
# The list generator of the headless mode against seq writing the same numbered
# names (10 million entries, both to a file), in one run; prints medians and
# the ratios of wall and CPU time, and varnik's peak memory.
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
import os, resource, statistics, subprocess, sys, time

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
    """Median wall time, median CPU time (user + system) and peak memory of `runs` runs."""
    walls, cpus, peak = [], [], 0
    for _ in range(runs):
        with open(target, "wb") as f:
            before = resource.getrusage(resource.RUSAGE_CHILDREN)
            t0 = time.perf_counter()
            p = subprocess.Popen(cmd, stdin=subprocess.DEVNULL, stdout=f)
            _, _, usage = os.wait4(p.pid, 0)
            walls.append(time.perf_counter() - t0)
            cpus.append(usage.ru_utime + usage.ru_stime)
            peak = max(peak, usage.ru_maxrss)
    return statistics.median(walls), statistics.median(cpus), peak / 1024

# The machine is shared: CPU time is the steadier measure, wall time is shown beside it.
print(f"{entries} entries, median of {runs} runs")
print(f"{'line ends':<16}{'varnik s':>9}{'seq s':>7}{'ratio':>7}{'varnik cpu':>11}{'seq cpu':>9}{'ratio':>7}"
      f"{'MiB':>6}  note")
for name, cmd, ref, note in rows:
    vw, vc, vmem = measure(cmd, f"{out}/listgen.varnik")
    sw, sc, _ = measure(ref, f"{out}/listgen.seq")
    print(f"{name:<16}{vw:>9.2f}{sw:>7.2f}{vw / sw:>7.2f}{vc:>11.2f}{sc:>9.2f}{vc / sc:>7.2f}{vmem:>6.0f}  {note}")
PY
