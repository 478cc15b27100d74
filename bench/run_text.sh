#!/usr/bin/env bash
# The heavy text commands of the headless mode against GNU tools doing the same
# work on the shared 100 MB text, in one run; prints medians and ratios.
#
#   bench/run_text.sh [data-dir]
#
# BUILD_DIR names the release build directory, RUNS the runs per command (default 3),
# GEN_DATA the data generator (default: the shared gen_data.py beside the checkout).
set -euo pipefail

. "$(dirname "$0")/common.sh"
text=$data/text100.txt
need_data "$text"
build_bench varnik

export LC_ALL=C.UTF-8
python3 - "$build/src/varnik" "$text" "$out" "${RUNS:-3}" <<'PY'
import statistics, subprocess, sys, time

varnik, text, out, runs = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
# (command, GNU equivalent as a shell pipeline writing to a file, note)
rows = [
    ("Touppercase1", f"tr a-z A-Z < {text}", "tr: bytes only, leaves Polish letters"),
    ("ROT131", f"tr A-Za-z N-ZA-Mn-za-m < {text}", ""),
    ("Indent1", f"sed 's/^/ /' {text}", ""),
    ("Trim1", f"sed 's/^[ \\t]*//;s/[ \\t]*$//' {text}", ""),
    ("Tabstospaces1", f"expand -t5 {text}", "expand counts bytes"),
    ("Reverse1", f"rev {text}", "rev reverses each line; Reverse1 the whole text"),
]

def median_time(cmd, target):
    times = []
    for _ in range(runs):
        with open(target, "wb") as f:
            t0 = time.perf_counter()
            subprocess.run(cmd, shell=isinstance(cmd, str), stdout=f, check=True)
            times.append(time.perf_counter() - t0)
    return statistics.median(times)

print(f"{'command':<16}{'varnik s':>10}{'GNU s':>10}{'ratio':>8}  note")
for command, gnu, note in rows:
    # The whole document is the selection; line ends as the file has them (LF).
    v = median_time([varnik, "--apply", command, "--set", "CRLF=1", text], f"{out}/text-{command}.varnik")
    g = median_time(gnu, f"{out}/text-{command}.gnu")
    print(f"{command:<16}{v:>10.2f}{g:>10.2f}{v / g:>8.2f}  {note}")
PY
