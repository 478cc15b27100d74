#!/usr/bin/env bash
# Importing the shared 10 MiB binary in the headless mode against xxd doing the
# same work, in one run; prints medians and ratios (varnik / xxd, lower is
# better).
#
#   bench/run_import.sh [data-dir]
#
# BUILD_DIR names the release build directory, RUNS the runs per command (default 3),
# GEN_DATA the data generator (default: the shared gen_data.py beside the checkout).
set -euo pipefail

. "$(dirname "$0")/common.sh"
bin=$data/bin10.bin

command -v xxd >/dev/null || { echo "xxd is missing (scripts/install-deps installs it)" >&2; exit 1; }
need_data "$bin"
build_bench varnik

export LC_ALL=C.UTF-8
python3 - "$build/src/varnik" "$bin" "$out" "${RUNS:-3}" <<'PY'
import statistics, subprocess, sys, time

varnik, binary, out, runs = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
# (command, xxd equivalent, note); the document is empty, the rendering its output.
rows = [
    ("HEXstyle1", ["xxd", binary], "16 bytes a line, offset and character columns"),
    ("Cstyle1", ["xxd", "-i", binary], "C array; xxd -i puts 12 bytes on a line"),
]

def median_time(cmd, target):
    times = []
    for _ in range(runs):
        with open(target, "wb") as f:
            t0 = time.perf_counter()
            subprocess.run(cmd, stdin=subprocess.DEVNULL, stdout=f, check=True)
            times.append(time.perf_counter() - t0)
    return statistics.median(times)

print(f"{'command':<12}{'varnik s':>10}{'xxd s':>10}{'ratio':>8}  note")
for command, xxd, note in rows:
    v = median_time([varnik, "--apply", command, "--field", f"file={binary}"], f"{out}/import-{command}.varnik")
    x = median_time(xxd, f"{out}/import-{command}.xxd")
    print(f"{command:<12}{v:>10.2f}{x:>10.2f}{v / x:>8.2f}  {note}")
PY
